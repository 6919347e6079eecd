// The update check and the clean-up after it. Files arrive in a folder of their own and are put
// in place only when every one is whole (and matches its digest when the list gives them); a
// failure on the way, up to the start of the new program, puts back what was there.
#include "update/UpDate.h"

#include "kit/ProcessStarter.h"
#include "update/FtpGet.h"
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
const char kLineEnd[] = "\r\n";

const char kUpToDate[] = "当前已是最新版本。";
const char kNoServer[] = "未设置更新服务器。";
const char kBusy[] = "正在检查更新,请稍候。";
const char kUnreachable[] = "无法连接更新服务器。";
const char kRefused[] = "更新列表被拒绝: ";
const char kNotFetched[] = "新版本下载失败,原文件未作改动。";
const char kNotPlaced[] = "新版本无法放入程序文件夹,原文件未作改动。";
const char kNotStarted[] = "新版本程序无法运行,已恢复原文件。";
const char kNotRestored[] = "更新失败,以下原文件未能恢复,现存于 ";
const char kLeftOver[] = "上次更新未完成,以下原文件未能恢复,现存于 ";

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
                 std::string ownVersion, std::string server, std::vector<KeptFile> kept, CheckStart start)
    : place_(place), files_(files), ftp_(ftp), questions_(questions), starter_(starter),
      exitThisCopy_(std::move(exitThisCopy)), turn_(turn), ownVersion_(std::move(ownVersion)),
      server_(std::move(server)), kept_(std::move(kept)), start_(start) {}

int CUpDate::CheckUpdate() {
    const int result = Check();
    Flush();
    return result;
}

void CUpDate::Flush() {
    std::vector<std::pair<std::string, bool>> told;
    told.swap(told_);
    for (const auto& message : told) questions_.Tell(message.first, message.second);
}

int CUpDate::Check() {
    std::unique_lock<std::mutex> only(turn_.checking, std::try_to_lock);
    if (!only.owns_lock() || turn_.updated) {
        Answer(kBusy, false);
        return 0;
    }
    if (server_.find_first_not_of(" \t") == std::string::npos) {
        Answer(kNoServer, false);
        return 0;
    }
    if (!place_.writable) {
        // Nothing can be fetched or put in place: said instead of a download that would fail.
        if (start_ == CheckStart::ByUser || !turn_.unwritableTold) Tell(kFolderNotWritable, true);
        turn_.unwritableTold = true;
        return 0;
    }
    if (!ResolveLeftovers()) return 0;
    if (!ftp_.Connect(server_)) {
        Answer(kUnreachable, true);
        return 0;
    }
    const int result = FetchNewVersion();
    ftp_.Disconnect();
    turn_.updated = result == 1;
    return result;
}

void CUpDate::Run() {
    try {
        if (CheckUpdate() == 1) StartNewCopy();
        Flush();
    } catch (...) {
        // Out of memory or anything else: a failed check, never the end of the process.
        try {
            ClearDownloads();
            std::vector<std::string> stranded;
            if (placing_) {
                std::lock_guard<std::mutex> only(turn_.checking);
                stranded = RollBack();
                turn_.updated = false;
            }
            if (!stranded.empty()) Tell(Stranded(kNotRestored, stranded), true);
            else if (agreed_) Tell(kUpdateCheckFailed, true);
            else Answer(kUpdateCheckFailed, true);
            Flush();
        } catch (...) {
        }
    }
}

void CUpDate::Answer(const std::string& text, bool warning) {
    if (start_ == CheckStart::ByUser) Tell(text, warning);
}

std::string CUpDate::Backups() const { return place_.folder + kBackupFolder; }

std::string CUpDate::Stranded(const char* lead, const std::vector<std::string>& names) const {
    std::string text = lead + Backups() + " 中:";
    for (const std::string& name : names) text += kLineEnd + name;
    return text;
}

void CUpDate::ClearDownloads() {
    // The folder path ends in its separator: the same one joins the names below it.
    const std::string downloads = place_.folder + kDownloadFolder;
    for (const std::string& name : files_.FolderNames(downloads)) files_.Remove(downloads + place_.folder.back() + name);
    files_.RemoveFolder(downloads);
}

bool CUpDate::ResolveLeftovers() {
    ClearDownloads();
    const std::string saved = Backups() + place_.folder.back();
    const std::vector<std::string> names = files_.FolderNames(Backups());
    // A finished update leaves its record, the list naming the old program: what it replaced is
    // no longer needed. Otherwise an update broke off half-way, and what it replaced is the
    // user's and goes back over whatever half-placed file took its name.
    const bool finished = !LocalListValue(place_.folder + kListFileName, "oldexe").empty();
    std::vector<std::string> stranded;
    for (const std::string& name : names) {
        if (finished) {
            files_.Remove(saved + name);
            continue;
        }
        const std::string target = place_.folder + name;
        if ((files_.Exists(target) && !files_.Remove(target)) || !files_.Rename(saved + name, target))
            stranded.push_back(name);
    }
    files_.RemoveFolder(Backups());
    if (stranded.empty()) return true;
    Tell(Stranded(kLeftOver, stranded), true);
    return false;
}

int CUpDate::FetchNewVersion() {
    const std::string downloads = place_.folder + kDownloadFolder;
    const std::string incoming = downloads + place_.folder.back();
    if (!files_.MakeFolder(downloads)) {
        Answer(kUpdateCheckFailed, true);
        return 0;
    }
    list_ = UpdateList();
    std::string listBytes;
    int result = 0;
    if (FetchList(incoming, list_, listBytes)) {
        if (!IsNewerVersion(list_.version, ownVersion_)) {
            Answer(kUpToDate, false);
        } else if (questions_.AskToUpdate()) {
            agreed_ = true;
            if (!FetchFiles(list_, incoming))
                Tell(kNotFetched, true);
            else if (PutInPlace(list_.files, incoming, listBytes + kLineEnd + "[oldexe]" + kLineEnd + "oldexe=" +
                                                           Utf8ToCp936(place_.exe) + kLineEnd))
                result = 1;
        }
    }
    ClearDownloads();
    return result;
}

bool CUpDate::FetchList(const std::string& incoming, UpdateList& list, std::string& bytes) {
    const std::string path = incoming + kListFileName;
    std::string digest;
    const TransferEnd end = ftp_.GetFile(kRemoteFolder + std::string(kListFileName), path, kLongestUpdateList, digest);
    if (end == TransferEnd::TooLarge) return Refuse(ListRefusal::TooLarge);
    const long long size = files_.Size(path);
    if (end != TransferEnd::Whole || size < 0 || !files_.ReadFile(path, bytes)) {
        Answer(kUnreachable, true);
        return false;
    }
    if (size > kLongestUpdateList) return Refuse(ListRefusal::TooLarge);
    CIniFile ini;
    if (!ini.OpenReadWrite(path)) {
        Answer(kUpdateCheckFailed, true);
        return false;
    }
    ListRefusal refusal = ReadUpdateList(ini, place_.exe, kept_, list);
    if (refusal == ListRefusal::None) refusal = JudgeOnDisk(list);
    if (refusal == ListRefusal::None) return true;
    list.files.clear();  // nothing of a refused list is fetched
    return Refuse(refusal);
}

// Windows reaches one file by several names (8.3 short names, any case): a name that reaches
// an existing entry is judged by the entry's own name.
ListRefusal CUpDate::JudgeOnDisk(const UpdateList& list) const {
    std::vector<std::string> reached;
    for (const std::string& name : list.files) {
        const std::string path = place_.folder + name;
        if (files_.IsFolder(path)) return ListRefusal::Folder;
        if (!files_.Exists(path)) continue;
        const std::string own = files_.NameOnDisk(path);
        if (own.empty() || IsKeptFileName(own, place_.exe, kept_)) return ListRefusal::KeptFile;
        reached.push_back(own);
    }
    // Two names of one file.
    for (std::size_t i = 0; i < reached.size(); ++i)
        for (std::size_t j = i + 1; j < reached.size(); ++j)
            if (SameFileName(reached[i], reached[j])) return ListRefusal::FileName;
    return ListRefusal::None;
}

bool CUpDate::Refuse(ListRefusal refusal) {
    Answer(kRefused + std::string(RefusalReason(refusal)) + "。", true);
    return false;
}

bool CUpDate::FetchFiles(const UpdateList& list, const std::string& incoming) {
    std::vector<std::string> remote, local, digests;
    for (const std::string& name : list.files) {
        remote.push_back(kRemoteFolder + name);
        local.push_back(incoming + name);
    }
    if (ftp_.GetFiles(remote, local, kLargestUpdateFile, digests) > 0) return false;
    for (std::size_t i = 0; i < list.digests.size(); ++i)
        if (digests[i] != list.digests[i]) return false;
    return true;
}

bool CUpDate::PutInPlace(const std::vector<std::string>& names, const std::string& incoming,
                         const std::string& localList) {
    const std::string listPath = place_.folder + kListFileName;
    const std::string saved = Backups() + place_.folder.back();
    placed_.clear();
    saved_.clear();
    placing_ = true;
    // The list is this update's record once written; one left by an earlier update is not.
    bool whole = !files_.Exists(listPath) || files_.Remove(listPath);
    for (const std::string& name : names) {
        if (!whole) break;
        const std::string target = place_.folder + name;
        if (files_.Exists(target)) {
            if (!files_.MakeFolder(Backups()) || !files_.Rename(target, saved + name)) { whole = false; break; }
            saved_.push_back(name);
        }
        if (!files_.Rename(incoming + name, target)) { whole = false; break; }
        placed_.push_back(name);
    }
    whole = whole && files_.ReplaceWhole(listPath, localList);
    if (whole) return true;
    const std::vector<std::string> stranded = RollBack();
    Tell(stranded.empty() ? std::string(kNotPlaced) : Stranded(kNotRestored, stranded), true);
    return false;
}

// Undoes PutInPlace: the new files go, the old ones come back. The names of old files that could
// not come back (they stay in the backup folder).
std::vector<std::string> CUpDate::RollBack() {
    // The record first: with it, the backups would count as no longer needed.
    files_.Remove(place_.folder + kListFileName);
    const std::string saved = Backups() + place_.folder.back();
    for (const std::string& name : placed_) files_.Remove(place_.folder + name);
    std::vector<std::string> stranded;
    for (const std::string& name : saved_)
        if (!files_.Rename(saved + name, place_.folder + name)) stranded.push_back(name);
    files_.RemoveFolder(Backups());
    placed_.clear();
    saved_.clear();
    placing_ = false;
    return stranded;
}

void CUpDate::ClearBackups() {
    const std::string saved = Backups() + place_.folder.back();
    for (const std::string& name : saved_) files_.Remove(saved + name);
    files_.RemoveFolder(Backups());
    placed_.clear();
    saved_.clear();
    placing_ = false;
}

void CUpDate::StartNewCopy() {
    // The message once the new program exists as a process, before it runs; then this copy ends.
    const bool started = starter_.StartAfter(place_.folder + list_.exe, [this] {
        try {  // runs where nothing may be thrown; the new copy clears what stays behind
            ClearBackups();
            questions_.TellDownloaded();
        } catch (...) {
        }
        exitThisCopy_();
    });
    if (started) return;
    std::lock_guard<std::mutex> only(turn_.checking);
    const std::vector<std::string> stranded = RollBack();
    turn_.updated = false;
    Tell(stranded.empty() ? std::string(kNotStarted) : Stranded(kNotRestored, stranded), true);
}

void CleanUpAfterUpdate(const ProgramPlace& place, FileSystem& files, UpdateProcesses& processes) {
    const std::string list = place.folder + kListFileName;
    if (!files.Exists(list)) return;
    const std::string old = LocalListValue(list, "oldexe");
    if (!IsPlainFileName(old) || SameFileName(old, place.exe) || !files.Exists(place.folder + old)) return;
    processes.KillOldProcess(place.folder, old);
    // The list stays while the old file or a replaced one does, so that the next start tries
    // again (and the next check knows that the replaced files are no longer needed).
    if (!files.Remove(place.folder + old)) return;
    const std::string backups = place.folder + kBackupFolder;
    for (const std::string& name : files.FolderNames(backups)) files.Remove(backups + place.folder.back() + name);
    files.RemoveFolder(backups);
    if (!files.IsFolder(backups)) files.Remove(list);
}

unsigned long ChooseOldProcess(const std::vector<RunningProgram>& running, unsigned long ownId,
                               const std::string& path) {
    for (const RunningProgram& program : running)
        if (program.id != ownId && SameFileName(program.path, path)) return program.id;
    return 0;
}

}  // namespace mw
