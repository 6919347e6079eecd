// The recent job files in the settings file.
#include "cutplan/RecentCutJobs.h"

#include <algorithm>

namespace mw {

namespace {

std::string Key(int index) { return "Recent" + std::to_string(index + 1); }

// Windows names: letter case does not tell files apart.
bool SamePath(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

}  // namespace

std::vector<std::string> RecentCutJobs::Paths() {
    std::vector<std::string> paths;
    for (int i = 0; i < kMost; ++i) {
        const std::string path = store_.ReadString(kSection, Key(i));
        if (!path.empty()) paths.push_back(path);
    }
    return paths;
}

bool RecentCutJobs::Write(const std::vector<std::string>& paths) {
    store_.BeginBatch();
    for (int i = 0; i < kMost; ++i) {
        if (i < static_cast<int>(paths.size())) store_.WriteString(kSection, Key(i), paths[i]);
        else store_.DeleteKey(kSection, Key(i));
    }
    return store_.CommitBatch();
}

bool RecentCutJobs::Add(const std::string& path) {
    std::vector<std::string> paths = Paths();
    paths.erase(std::remove_if(paths.begin(), paths.end(), [&](const std::string& p) { return SamePath(p, path); }),
                paths.end());
    paths.insert(paths.begin(), path);
    if (paths.size() > static_cast<std::size_t>(kMost)) paths.resize(kMost);
    return Write(paths);
}

bool RecentCutJobs::Remove(const std::string& path) {
    std::vector<std::string> paths = Paths();
    paths.erase(std::remove_if(paths.begin(), paths.end(), [&](const std::string& p) { return SamePath(p, path); }),
                paths.end());
    return Write(paths);
}

std::string RecentCutJobs::OpenPath() { return store_.ReadString(kSection, "Open"); }

bool RecentCutJobs::SetOpenPath(const std::string& path) {
    return path.empty() ? store_.DeleteKey(kSection, "Open") : store_.WriteString(kSection, "Open", path);
}

std::string CutJobName(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

}  // namespace mw
