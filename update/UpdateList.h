// The server's update list "list.ini": what it offers, read through CIniFile, and the rules that
// refuse a list before anything is fetched or started.
#pragma once

#include <string>
#include <vector>

#include "settings/SettingsFile.h"

namespace mw {

class CIniFile;

// Names the update keeps for itself in the program folder.
constexpr const char* kListFileName = "list.ini";
constexpr const char* kDownloadFolder = "~update";   // files while they arrive
constexpr const char* kBackupFolder = "~replaced";   // files they replace, until the new copy runs
inline constexpr KeptFile kUpdateFiles[] = {{kListFileName, ""}, {kDownloadFolder, ""}, {kBackupFolder, ""}};

enum class ListRefusal {
    None,      // the list may be used
    OldExe,    // the server's list already names an old executable to end and delete
    Count,     // "upnumber" missing, below 0 or above the most files one update may fetch
    FileName,  // a name under "filelist" that is not a plain file name of its own, or one twice
    KeptFile,  // a name of this program's executable or of a file the program keeps beside it
    Folder,    // a name of an existing folder beside the program
    UpExe,     // "upexe" that is not a plain ".exe" name among the files fetched
    Digest,    // a "sha256" section without a well-formed digest for every file
    TooLarge,  // a list larger than any real one (the check stops its transfer)
};

// Why a list was refused, in a few words for the user.
const char* RefusalReason(ListRefusal refusal);

struct UpdateList {
    std::string version;               // "newversion" as written
    std::string exe;                   // "upexe"
    std::vector<std::string> files;    // "filelist" 1 to N
    std::vector<std::string> digests;  // "sha256" 1 to N in lower case; empty when there are none
};

// Reads the list from an open `ini` (code page 936 on disk, UTF-8 in `list`). `runningExe` is
// the file name of this program and `kept` every file the program keeps beside it, none of
// which an update may write. Names are judged as spelt here; what they reach on disk is the
// check's to judge (an alias of a kept file, a folder).
ListRefusal ReadUpdateList(CIniFile& ini, const std::string& runningExe, const std::vector<KeptFile>& kept,
                           UpdateList& list);
// Whether `name` is `runningExe` or a name of a kept file: its own, its replacement's, or one of
// its copies', in any case of the letters.
bool IsKeptFileName(const std::string& name, const std::string& runningExe, const std::vector<KeptFile>& kept);
// One value of a list as UTF-8; empty when the list has none.
std::string ReadListValue(CIniFile& ini, const std::string& section, const std::string& key);

// A name that stays inside the folder it is joined to: no separator, drive, "..", device name,
// character Windows forbids, or trailing dot or blank (Windows drops those, making one name two).
bool IsPlainFileName(const std::string& name);
// Whether two file names name the same file (Windows ignores the case of Latin letters).
bool SameFileName(const std::string& a, const std::string& b);
// The offered version is newer when its leading number is greater; text that is no number is 0.
bool IsNewerVersion(const std::string& offered, const std::string& own);

}  // namespace mw
