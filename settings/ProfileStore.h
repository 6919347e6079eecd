// Named values in sections: the program's settings as its windows read and write them.
#pragma once

#include <string>

namespace mw {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // A missing file, section or key gives the default (the empty text for strings).
    virtual int ReadInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual std::string ReadString(const std::string& section, const std::string& key) = 0;
    // Writes fail silently (false) on a read-only file or folder.
    virtual bool WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) {
        return WriteString(section, key, std::to_string(value));
    }
    virtual bool DeleteKey(const std::string& section, const std::string& key) = 0;
    virtual bool DeleteSection(const std::string& section) = 0;

    // Changes made between BeginBatch and CommitBatch reach the file in one replace at the
    // commit, so a rewrite of many keys lands whole or not at all; reads in between see them and
    // cost no file access. Batches nest: the outermost commit writes. CommitBatch is false when
    // the file could not be written. A batch that leaves the bytes as they were writes nothing.
    virtual void BeginBatch() = 0;
    virtual bool CommitBatch() = 0;
};

}  // namespace mw
