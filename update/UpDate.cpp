// The update check and the clean-up after it. Files arrive in a folder of their own and are put
// in place only when every one is whole (and matches its digest when the list gives them); a
// failure on the way puts back what was there.
#include "update/UpDate.h"

#include "kit/ProcessStarter.h"
#include "update/FtpGet.h"
#include "update/Sha256.h"
#include "settings/Cp936.h"
#include "settings/FileSystem.h"
#include "settings/IniFile.h"
#include "settings/ProfileStore.h"

#ifndef MW_UPDATE_SERVER
#define MW_UPDATE_SERVER ""
#endif

namespace mw {

namespace {

const char kServerSection[] = "更新";
const char kServerKey[] = "fuwuqi";
const char kRemoteFolder[] = "updateKq/";
constexpr long long kLongestList = 64 * 1024;  // a list names at most 100 files
const char kLineEnd[] = "\r\n";

// A value of the list in the program folder, whose section and key share a name; empty when the
// list or the value is missing.
std::string LocalListValue(const std::string& path, const char* name) {
    CIniFile ini;
    return ini.OpenReadWrite(path) ? ReadListValue(ini, name, name) : std::string();
}

}  // namespace

std::string UpdateServerAddress(ProfileStore& settings) {
    const std::string server = settings.ReadString(kServerSection, kServerKey);
    return server.find_first_not_of(" \t") == std::string::npos ? MW_UPDATE_SERVER : server;
}

CUpDate::CUpDate(const ProgramPlace& place, FileSystem& files, FtpClient& ftp, UpdateQuestions& questions,
                 ProcessStarter& starter, std::function<void()> exitThisCopy, UpdateTurn& turn,
                 std::string ownVersion, std::string server)
    : place_(place), files_(files), ftp_(ftp), questions_(questions), starter_(starter),
      exitThisCopy_(std::move(exitThisCopy)), turn_(turn), ownVersion_(std::move(ownVersion)),
      server_(std::move(server)) {}

int CUpDate::CheckUpdate() {
    std::unique_lock<std::mutex> only(turn_.checking, std::try_to_lock);
    if (!only.owns_lock() || turn_.updated) return 0;
    if (!ftp_.Connect(server_)) return 0;
    const int result = FetchNewVersion();
    ftp_.Disconnect();
    turn_.updated = result == 1;
    return result;
}

void CUpDate::Run() {
    if (CheckUpdate() != 1) return;
    const std::string exe = LocalListValue(place_.folder + kListFileName, "upexe");
    if (IsPlainFileName(exe)) starter_.StartAfter(place_.folder + exe, exitThisCopy_);
}

int CUpDate::FetchNewVersion() {
    // The folder path ends in its separator: the same one joins the names below it.
    const std::string downloads = place_.folder + kDownloadFolder;
    const std::string incoming = downloads + place_.folder.back();
    if (!files_.MakeFolder(downloads)) return 0;
    UpdateList list;
    std::string listBytes;
    const bool placed = FetchList(incoming, list, listBytes) && IsNewerVersion(list.version, ownVersion_) &&
                        questions_.AskToUpdate() && FetchFiles(list, incoming) &&
                        PutInPlace(list.files, incoming,
                                   listBytes + kLineEnd + "[oldexe]" + kLineEnd + "oldexe=" +
                                       Utf8ToCp936(place_.exe) + kLineEnd);
    files_.Remove(incoming + kListFileName);
    for (const std::string& name : list.files) files_.Remove(incoming + name);
    files_.RemoveFolder(downloads);
    if (!placed) return 0;
    questions_.TellDownloaded();
    return 1;
}

bool CUpDate::FetchList(const std::string& incoming, UpdateList& list, std::string& bytes) {
    const std::string path = incoming + kListFileName;
    if (!ftp_.GetFile(kRemoteFolder + std::string(kListFileName), path)) return false;
    const long long size = files_.Size(path);
    if (size < 0 || size > kLongestList || !files_.ReadFile(path, bytes)) return false;
    CIniFile ini;
    if (!ini.OpenReadWrite(path)) return false;
    if (ReadUpdateList(ini, place_.exe, list) == ListRefusal::None) return true;
    list.files.clear();  // nothing of a refused list is fetched
    return false;
}

bool CUpDate::FetchFiles(const UpdateList& list, const std::string& incoming) {
    std::vector<std::string> remote, local;
    for (const std::string& name : list.files) {
        remote.push_back(kRemoteFolder + name);
        local.push_back(incoming + name);
    }
    if (ftp_.GetFiles(remote, local) > 0) return false;
    for (std::size_t i = 0; i < list.digests.size(); ++i) {
        std::string bytes;
        if (!files_.ReadFile(local[i], bytes) || Sha256Hex(bytes) != list.digests[i]) return false;
    }
    return true;
}

bool CUpDate::PutInPlace(const std::vector<std::string>& names, const std::string& incoming,
                         const std::string& localList) {
    const std::string backups = place_.folder + kBackupFolder;
    const std::string saved = backups + place_.folder.back();
    std::vector<std::string> placed, kept;  // new files in place; old files moved aside
    bool whole = true;
    for (const std::string& name : names) {
        const std::string target = place_.folder + name;
        if (files_.Exists(target)) {
            if (!files_.MakeFolder(backups) || !files_.Rename(target, saved + name)) { whole = false; break; }
            kept.push_back(name);
        }
        if (!files_.Rename(incoming + name, target)) { whole = false; break; }
        placed.push_back(name);
    }
    whole = whole && files_.ReplaceWhole(place_.folder + kListFileName, localList);
    if (!whole)
        for (const std::string& name : placed) files_.Remove(place_.folder + name);
    for (const std::string& name : kept) {
        if (whole) files_.Remove(saved + name);
        else files_.Rename(saved + name, place_.folder + name);
    }
    files_.RemoveFolder(backups);
    return whole;
}

void CleanUpAfterUpdate(const ProgramPlace& place, FileSystem& files, UpdateProcesses& processes) {
    const std::string list = place.folder + kListFileName;
    if (!files.Exists(list)) return;
    const std::string old = LocalListValue(list, "oldexe");
    if (!IsPlainFileName(old) || SameFileName(old, place.exe) || !files.Exists(place.folder + old)) return;
    processes.KillOldProcess(place.folder, old);
    // The list stays while the old file does, so that the next start tries again.
    if (files.Remove(place.folder + old)) files.Remove(list);
}

unsigned long ChooseOldProcess(const std::vector<RunningProgram>& running, unsigned long ownId,
                               const std::string& path) {
    for (const RunningProgram& program : running)
        if (program.id != ownId && SameFileName(program.path, path)) return program.id;
    return 0;
}

}  // namespace mw
