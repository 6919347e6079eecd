// The few file operations the settings file and the update need, so that tests can run them in
// memory.
#pragma once

#include <string>
#include <vector>

namespace mw {

class FileSystem {
public:
    // ReplaceWhole writes `path` + this first and then moves it over `path`: a name the program
    // writes beside each of its files.
    static constexpr const char* kReplacingSuffix = ".tmp";

    virtual ~FileSystem() = default;
    virtual bool ReadFile(const std::string& path, std::string& bytes) const = 0;
    // Replaces the whole file at once: a crash leaves either the old or the new file whole.
    virtual bool ReplaceWhole(const std::string& path, const std::string& bytes) = 0;
    virtual bool SetHidden(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) const = 0;
    virtual long long Size(const std::string& path) const = 0;  // -1 when missing
    virtual bool Remove(const std::string& path) = 0;
    // Folders and moves, for the update (a store that has none fails them).
    // Moves a file or folder; fails when `to` exists already.
    virtual bool Rename(const std::string& from, const std::string& to) { return false; }
    // True when the folder exists afterwards, new or not.
    virtual bool MakeFolder(const std::string& path) { return false; }
    virtual bool RemoveFolder(const std::string& path) { return false; }  // an empty folder only
    // Whether `path` is an existing folder.
    virtual bool IsFolder(const std::string& path) const { return false; }
    // The names of a folder's files and folders ("." and ".." left out); empty when it has none.
    virtual std::vector<std::string> FolderNames(const std::string& folder) const { return {}; }
    // The name the entry reached through `path` has in its folder: what Windows resolves an
    // alias to (a short 8.3 name, another case of the letters), the entry's own name elsewhere.
    // Empty when nothing is there or the name cannot be told, which callers take as "unknown".
    virtual std::string NameOnDisk(const std::string& path) const { return std::string(); }
};

// Keeps the bytes of a damaged file whole under the first free name of `path` + `suffix` (then
// "-2", "-3" … after it), and only then removes the damaged file. The name it was kept under;
// empty when it could not be kept, and then the damaged file stays too.
std::string SetAsideDamaged(FileSystem& files, const std::string& path, const std::string& suffix,
                            const std::string& bytes);

}  // namespace mw
