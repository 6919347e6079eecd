// The update check: asks the server's list whether a newer version exists and, if the user
// agrees, fetches it into the program folder and starts it; at its own start the new copy ends
// the old one and removes its file. A check the user starts always ends in one answer.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "update/UpdateList.h"

namespace mw {

class FileSystem;
class FtpClient;
class ProcessStarter;
class ProfileStore;

// The most a list or a fetched file may hold; a transfer is stopped past it.
constexpr long long kLongestUpdateList = 64 * 1024;  // a list names at most 100 files
constexpr long long kLargestUpdateFile = 256LL * 1024 * 1024;

// The answer when the check itself failed (nothing of the user's changed).
inline constexpr char kUpdateCheckFailed[] = "检查更新失败。";

// Who started a check: the one at start speaks only to offer something; the user's always answers.
enum class CheckStart { AtStart, ByUser };

// The messages of the update.
class UpdateQuestions {
public:
    virtual ~UpdateQuestions() = default;
    virtual bool AskToUpdate() = 0;     // Yes or No
    virtual void TellDownloaded() = 0;  // the new version is in place and its program started
    // Every other answer; `warning` when something failed.
    virtual void Tell(const std::string& text, bool warning) = 0;
};

class UpdateProcesses {
public:
    virtual ~UpdateProcesses() = default;
    // Ends the program `folder` + `name` if a copy of it runs, other than this process.
    virtual void KillOldProcess(const std::string& folder, const std::string& name) = 0;
};

// Where the program lives: its folder, ending in its separator, and its file name.
struct ProgramPlace {
    std::string folder;
    std::string exe;
    // Whether the folder took a write at start; a check in one that did not fetches nothing.
    bool writable = true;
};

// The answer of a check in a program folder that cannot be written.
inline constexpr char kFolderNotWritable[] = "程序所在文件夹不可写,无法自动更新。";

// One check at a time in a process (they share the list and the files), and none once a new
// version has been put in place.
struct UpdateTurn {
    std::mutex checking;
    bool updated = false;
    bool unwritableTold = false;  // the check at start says it once a run; the user's always answers
};

// The server the check asks: the settings key, or the compiled-in default (empty unless the
// build names one; with no server there is no check). The key is only read, never written.
std::string UpdateServerAddress(ProfileStore& settings);

class CUpDate {
public:
    // `exitThisCopy` is this program's exit sequence; `kept` every file the program keeps
    // beside its executable, which no list may name.
    CUpDate(const ProgramPlace& place, FileSystem& files, FtpClient& ftp, UpdateQuestions& questions,
            ProcessStarter& starter, std::function<void()> exitThisCopy, UpdateTurn& turn,
            std::string ownVersion, std::string server, std::vector<KeptFile> kept,
            CheckStart start = CheckStart::AtStart);

    // 1 when a new version has been fetched, checked and put in place, with the local list
    // naming this program as the old one and the files it replaced kept in `kBackupFolder`;
    // otherwise 0 and every file as it was (or, when that failed, the user told what is where).
    // Files an earlier check left half-way are put back or cleared first.
    int CheckUpdate();
    // The worker thread's work: the check, then the new executable in place of this copy, which
    // runs its exit sequence just before the new one runs (so that the new one starts as a first
    // copy would). When the new one cannot start, the old files go back and this copy goes on.
    // Nothing thrown leaves it.
    void Run();

private:
    int Check();
    void ClearDownloads();
    bool ResolveLeftovers();
    int FetchNewVersion();
    bool FetchList(const std::string& incoming, UpdateList& list, std::string& bytes);
    ListRefusal JudgeOnDisk(const UpdateList& list) const;
    bool Refuse(ListRefusal refusal);
    bool FetchFiles(const UpdateList& list, const std::string& incoming);
    bool PutInPlace(const std::vector<std::string>& names, const std::string& incoming,
                    const std::string& localList);
    std::vector<std::string> RollBack();
    void ClearBackups();
    void StartNewCopy();
    std::string Stranded(const char* lead, const std::vector<std::string>& names) const;
    // An answer only the user's check gives; a message every check gives. Both wait for Flush,
    // so that none holds the connection or the check's files while the user reads it.
    void Answer(const std::string& text, bool warning);
    void Tell(const std::string& text, bool warning) { told_.emplace_back(text, warning); }
    void Flush();
    std::string Backups() const;

    ProgramPlace place_;
    FileSystem& files_;
    FtpClient& ftp_;
    UpdateQuestions& questions_;
    ProcessStarter& starter_;
    std::function<void()> exitThisCopy_;
    UpdateTurn& turn_;
    std::string ownVersion_;
    std::string server_;
    std::vector<KeptFile> kept_;
    CheckStart start_;
    bool agreed_ = false;             // the user said Yes: every failure is told from then on
    bool placing_ = false;            // files are being put in place, or are, until started
    UpdateList list_;                 // the offer being fetched
    std::vector<std::string> placed_;  // new files put in place by this check
    std::vector<std::string> saved_;   // old files it moved into the backup folder
    std::vector<std::pair<std::string, bool>> told_;  // messages not yet shown, and whether warnings
};

// At the new copy's start: when the local list names an old executable other than this one that
// still lies in the folder, ends it if it still runs, deletes its file, the files the update
// replaced, and then the list.
void CleanUpAfterUpdate(const ProgramPlace& place, FileSystem& files, UpdateProcesses& processes);

struct RunningProgram {
    unsigned long id;
    std::string path;  // of its executable
};
// The process to end for the old copy at `path`: never this one, never a program of the same
// name elsewhere; 0 when none runs.
unsigned long ChooseOldProcess(const std::vector<RunningProgram>& running, unsigned long ownId,
                               const std::string& path);

}  // namespace mw
