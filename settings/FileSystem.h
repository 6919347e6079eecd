// The few file operations the settings file needs, so that tests can run them in memory.
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
};

}  // namespace mw
