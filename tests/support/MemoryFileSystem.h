// Files and folders in memory, with the hidden attribute and a switch that makes every write fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/FileSystem.h"

namespace mw {

class MemoryFileSystem : public FileSystem {
public:
    bool ReadFile(const std::string& path, std::string& bytes) const override {
        const auto found = files.find(path);
        if (found == files.end()) { bytes.clear(); return false; }
        bytes = found->second;
        return true;
    }
    bool ReplaceWhole(const std::string& path, const std::string& bytes) override {
        if (readOnly) return false;
        ++replaces;
        files[path] = bytes;
        hidden.erase(path);  // a new file starts without attributes
        return true;
    }
    bool SetHidden(const std::string& path) override {
        if (!files.count(path)) return false;
        hidden.insert(path);
        return true;
    }
    bool Exists(const std::string& path) const override { return files.count(path) || folders.count(path); }
    long long Size(const std::string& path) const override {
        const auto found = files.find(path);
        return found == files.end() ? -1 : static_cast<long long>(found->second.size());
    }
    bool Remove(const std::string& path) override {
        if (readOnly) return false;
        hidden.erase(path);
        return files.erase(path) != 0;
    }
    bool Rename(const std::string& from, const std::string& to) override {
        if (readOnly || !files.count(from) || Exists(to)) return false;
        files[to] = files[from];
        files.erase(from);
        return true;
    }
    bool MakeFolder(const std::string& path) override {
        if (folders.count(path)) return true;
        if (readOnly || files.count(path)) return false;
        folders.insert(path);
        return true;
    }
    bool RemoveFolder(const std::string& path) override { return !readOnly && folders.erase(path) != 0; }
    bool IsFolder(const std::string& path) const override { return folders.count(path) != 0; }
    std::vector<std::string> FolderNames(const std::string& folder) const override {
        const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
        std::vector<std::string> names;
        auto add = [&](const std::string& path) {
            if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
                path.find('/', prefix.size()) == std::string::npos)
                names.push_back(path.substr(prefix.size()));
        };
        for (const auto& file : files) add(file.first);
        for (const std::string& path : folders) add(path);
        return names;
    }
    std::string NameOnDisk(const std::string& path) const override {
        return Exists(path) ? path.substr(path.find_last_of('/') + 1) : std::string();
    }

    std::map<std::string, std::string> files;
    std::set<std::string> hidden;
    std::set<std::string> folders;
    bool readOnly = false;
    int replaces = 0;  // whole-file writes so far
};

}  // namespace mw
