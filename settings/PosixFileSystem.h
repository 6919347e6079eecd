// File operations on POSIX systems (used by the native tests and tools).
#pragma once

#include "settings/FileSystem.h"

namespace mw {

class PosixFileSystem : public FileSystem {
public:
    bool ReadFile(const std::string& path, std::string& bytes) const override;
    bool ReplaceWhole(const std::string& path, const std::string& bytes) override;
    bool SetHidden(const std::string& path) override { return Exists(path); }  // no such attribute
    bool Exists(const std::string& path) const override;
    long long Size(const std::string& path) const override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool MakeFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool IsFolder(const std::string& path) const override;
    std::vector<std::string> FolderNames(const std::string& folder) const override;
    // The last part of the path when it exists: names have no aliases here.
    std::string NameOnDisk(const std::string& path) const override;
};

}  // namespace mw
