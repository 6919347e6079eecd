// Where the program's own files live: beside the executable when its folder takes a write (a
// portable copy keeps everything with it), otherwise in a folder of the program's own in the
// user's application data. Decided once, at start.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "settings/FileSystem.h"
#include "settings/SettingsFile.h"

namespace mw {

// The file written and removed at start to learn whether the executable's folder takes a write.
inline constexpr KeptFile kWriteTestFile = {"WriteTestKq.tmp", ""};

// The user's folders the files move to when the executable's folder takes no write, each ending
// in its separator.
struct UserFolders {
    // The program's folder in the user's application data; empty when the system names none.
    std::string userData;
    // Where the system redirected an earlier version's writes beside the executable (the user's
    // VirtualStore copy of that folder); empty when there is none.
    std::string virtualStore;
};

class FilesPlace {
public:
    explicit FilesPlace(std::string folder = std::string(), bool besideExecutable = true)
        : folder_(std::move(folder)), besideExecutable_(besideExecutable), executableFolderWritable_(besideExecutable) {}

    // Tries a real write beside the executable (removed again). When that fails, the files move
    // to the user's folders, asked of `userFolders` only then (naming them loads the shell, which
    // a start beside a writable folder does without), into `userData`: each of `carried` starts there as the VirtualStore copy if it has one, else
    // as the copy beside the executable, copied when that folder is first made and never again;
    // nothing is ever deleted from either folder. When even `userData` cannot be made, the files
    // stay beside the executable and their writes fail as they would.
    static FilesPlace Choose(FileSystem& files, const std::string& besideExecutable,
                             const std::function<UserFolders()>& userFolders, const std::vector<KeptFile>& carried);

    // The path of one of the program's files.
    std::string PathOf(const char* name) const { return folder_ + name; }
    const std::string& Folder() const { return folder_; }
    bool BesideExecutable() const { return besideExecutable_; }
    // Whether the executable's folder took the write at start (what the update needs).
    bool ExecutableFolderWritable() const { return executableFolderWritable_; }
    // The files copied into the folder at this start.
    const std::vector<std::string>& Carried() const { return carried_; }

private:
    std::string folder_;
    bool besideExecutable_;
    bool executableFolderWritable_;
    std::vector<std::string> carried_;
};

// The user's VirtualStore copy of `executableFolder` ("C:\Program Files\X\" becomes
// `localAppData` + "VirtualStore\Program Files\X\"); empty for a folder without a drive letter,
// such as a network share, whose writes the system never redirected.
std::string VirtualStoreFolder(const std::string& localAppData, const std::string& executableFolder);

}  // namespace mw
