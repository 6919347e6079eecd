// Reading and judging the update list.
#include "update/UpdateList.h"

#include <algorithm>
#include <cctype>

#include "expr/Atof.h"
#include "update/FtpGet.h"
#include "settings/Cp936.h"
#include "settings/FileSystem.h"
#include "settings/IniFile.h"

namespace mw {

namespace {

constexpr std::size_t kLongestName = 200;  // bytes; the folder still has to fit in a path

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool IsDeviceName(const std::string& name) {
    // Windows opens the device whatever extension follows and whatever blanks end the base.
    std::string base = Upper(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* device : kDevices)
        if (base == device) return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

bool IsHexDigest(const std::string& text) {
    return text.size() == 64 && text.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
}

bool StartsWithName(const std::string& name, const std::string& start) {
    return name.size() >= start.size() && SameFileName(name.substr(0, start.size()), start);
}

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string ReadListValue(CIniFile& ini, const std::string& section, const std::string& key) {
    std::string value;
    return ini.ReadString(section, key, value) ? Cp936ToUtf8(value) : std::string();
}

bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name.size() > kLongestName || name == "." || name == "..") return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7F || std::string("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string::npos)
            return false;
    return name.back() != '.' && name.back() != ' ' && !IsDeviceName(name);
}

bool SameFileName(const std::string& a, const std::string& b) { return Upper(a) == Upper(b); }

const char* RefusalReason(ListRefusal refusal) {
    switch (refusal) {
        case ListRefusal::OldExe: return "列表含有旧程序项";
        case ListRefusal::Count: return "文件数目无效";
        case ListRefusal::FileName: return "文件名无效";
        case ListRefusal::KeptFile: return "文件名指向本程序自己的文件";
        case ListRefusal::Folder: return "文件名指向已有的文件夹";
        case ListRefusal::UpExe: return "新程序名无效";
        case ListRefusal::Digest: return "校验值无效";
        case ListRefusal::TooLarge: return "列表过大";
        case ListRefusal::None: break;
    }
    return "";
}

bool IsKeptFileName(const std::string& name, const std::string& runningExe, const std::vector<KeptFile>& kept) {
    if (SameFileName(name, runningExe)) return true;
    for (const KeptFile& file : kept) {
        const std::string own = file.name;
        if (SameFileName(name, own) || SameFileName(name, own + FileSystem::kReplacingSuffix)) return true;
        if (*file.copies && StartsWithName(name, own + file.copies)) return true;
    }
    return false;
}

bool IsNewerVersion(const std::string& offered, const std::string& own) {
    return AtofPrefix(offered) > AtofPrefix(own);
}

ListRefusal ReadUpdateList(CIniFile& ini, const std::string& runningExe, const std::vector<KeptFile>& kept,
                           UpdateList& list) {
    list = UpdateList();
    std::string ignored;
    // Found here, the entry would be taken for ours at the next start, which ends that program
    // and deletes its file.
    if (ini.ReadString("oldexe", "oldexe", ignored)) return ListRefusal::OldExe;

    list.version = ReadListValue(ini, "newversion", "newversion");
    list.exe = ReadListValue(ini, "upexe", "upexe");
    int count = -1;
    if (!ini.ReadInt("upnumber", "upnumber", count) || count < 0 || count > FtpClient::kMaxFiles)
        return ListRefusal::Count;

    for (int i = 1; i <= count; ++i) {
        const std::string name = ReadListValue(ini, "filelist", std::to_string(i));
        if (!IsPlainFileName(name)) return ListRefusal::FileName;
        if (IsKeptFileName(name, runningExe, kept)) return ListRefusal::KeptFile;
        auto same = [&](const std::string& other) { return SameFileName(name, other); };
        if (std::any_of(list.files.begin(), list.files.end(), same)) return ListRefusal::FileName;
        list.files.push_back(name);
    }

    const bool isExe = list.exe.size() > 4 && SameFileName(list.exe.substr(list.exe.size() - 4), ".exe");
    if (!IsPlainFileName(list.exe) || !isExe ||
        std::none_of(list.files.begin(), list.files.end(),
                     [&](const std::string& name) { return SameFileName(name, list.exe); }))
        return ListRefusal::UpExe;

    // The section header itself, so that a file name containing the word is not taken for it.
    const char kDigests[] = "[sha256]";
    if (ini.FindLine(kDigests)) {
        for (int i = 1; i <= count; ++i) {
            const std::string digest = ReadListValue(ini, kDigests, std::to_string(i));
            if (!IsHexDigest(digest)) return ListRefusal::Digest;
            list.digests.push_back(Lower(digest));
        }
    }
    return ListRefusal::None;
}

}  // namespace mw
