// "ConfigKq.ini": its name, and the rule that keeps section "Setting" small and the file hidden.
// Where it lives is settings/FilesPlace's to say.
#pragma once

#include <string>

#include "kit/ControlSurface.h"
#include "settings/FileSystem.h"
#include "settings/IniProfileStore.h"
#include "settings/WriteNotice.h"

namespace mw {

// A file or folder the program keeps (beside its executable, or where settings/FilesPlace puts
// the program's files), as its owner declares it. Its owner
// also writes `name` + FileSystem::kReplacingSuffix on the way, and, when `copies` is not
// empty, copies whose names begin with `name` + `copies`. Nothing from outside (the update) may
// write any of these names.
struct KeptFile {
    const char* name;
    const char* copies;
};

// The settings file.
inline constexpr KeptFile kSettingsFile = {"ConfigKq.ini", ""};

// A file of the program's in the folder of the given executable.
std::string PathBesideExecutable(const std::string& executablePath, const std::string& fileName);
// The settings file in the folder of the given executable.
std::string SettingsPathFor(const std::string& executablePath);

class SettingsFile {
public:
    static constexpr const char* kSection = "Setting";
    // What the user is told when a change cannot be written.
    static constexpr const char* kWriteFailedText = "无法写入设置文件 ConfigKq.ini,更改暂存在本次运行中,能写入时一并保存。";

    SettingsFile(FileSystem& files, const std::string& path)
        : files_(files), store_(files, path), notice_(kWriteFailedText) {}

    ProfileStore& Store() { return store_; }

    int ReadUnitSystem() { return store_.ReadInt(kSection, "danwei", 0); }
    bool SaveUnitSystem(int unitSystem) { return SaveOption("danwei", unitSystem); }
    // One of the window options of section "Setting" ("autorun", "minirun", "hidetubiao"); 0
    // when it is not stored.
    int ReadOption(const char* key) { return store_.ReadInt(kSection, key, 0); }
    // One of the four values of section "Setting" (danwei, autorun, minirun, hidetubiao):
    // stored while it is not 0; at 0 its key goes, then the section and the file once empty.
    // False when the file could not be written (read-only, locked): the file keeps what it had.
    bool SaveOption(const char* key, int value);
    // Sets the file hidden, as after every write of the program.
    void Hide() { files_.SetHidden(store_.Path()); }
    // A file left with nothing in it goes.
    void RemoveIfEmpty();
    // Returns `written`; a failure is told in a box over `window` by the program files' rule.
    bool Told(bool written, ControlSurface& window) { return notice_.Told(written, window); }

private:
    FileSystem& files_;
    IniProfileStore store_;
    WriteNotice notice_;
};

}  // namespace mw
