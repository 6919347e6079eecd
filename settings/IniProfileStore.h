// The settings file as sections of key=value lines, read and written the way Windows' own
// private-profile functions do it, in code page 936 on disk and UTF-8 to the program.
#pragma once

#include <optional>
#include <string>

#include "settings/FileSystem.h"
#include "settings/ProfileStore.h"

namespace mw {

class IniProfileStore : public ProfileStore {
public:
    IniProfileStore(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    int ReadInt(const std::string& section, const std::string& key, int defaultValue) override;
    std::string ReadString(const std::string& section, const std::string& key) override;
    bool WriteString(const std::string& section, const std::string& key, const std::string& value) override;
    bool DeleteKey(const std::string& section, const std::string& key) override;
    bool DeleteSection(const std::string& section) override;
    void BeginBatch() override;
    bool CommitBatch() override;

    const std::string& Path() const { return path_; }

private:
    // The file's bytes, or those of the open batch; false when there is no file.
    bool Load(std::string& text) const;
    bool Save(std::string&& text);
    bool Write(std::string&& text);  // to the file, or kept as unwritten

    FileSystem& files_;
    std::string path_;
    // The open batch: the file's bytes with its changes so far.
    int batchDepth_ = 0;
    std::string batchText_;
    bool batchExists_ = false;
    std::optional<std::string> batchBefore_;  // the file's bytes when the batch began
    // What the file should hold after a write that failed: read in its place, and written whole
    // by the next change that succeeds, so that no change is lost while the file is unwritable.
    std::optional<std::string> unwritten_;
};

}  // namespace mw
