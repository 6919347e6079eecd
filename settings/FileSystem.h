// The few file operations the settings file and the update need, so that tests can run them in
// memory.
#pragma once

#include <string>

namespace mw {

class FileSystem {
public:
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
};

}  // namespace mw
