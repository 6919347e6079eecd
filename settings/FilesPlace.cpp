// The choice of the program files' folder and the carrying over of the files found beside the
// executable.
#include "settings/FilesPlace.h"

namespace mw {

namespace {

// A folder's path as the folder operations take it: without the separator at its end.
std::string Bare(const std::string& folder) {
    return !folder.empty() && (folder.back() == '\\' || folder.back() == '/') ? folder.substr(0, folder.size() - 1)
                                                                              : folder;
}

bool TakesAWrite(FileSystem& files, const std::string& folder) {
    const std::string probe = folder + kWriteTestFile.name;
    if (!files.ReplaceWhole(probe, std::string())) return false;
    files.Remove(probe);
    return true;
}

}  // namespace

FilesPlace FilesPlace::Choose(FileSystem& files, const std::string& besideExecutable,
                              const std::function<UserFolders()>& userFolders, const std::vector<KeptFile>& carried) {
    FilesPlace beside(besideExecutable, true);
    if (TakesAWrite(files, besideExecutable)) return beside;
    beside.executableFolderWritable_ = false;
    const UserFolders choices = userFolders();
    if (choices.userData.empty()) return beside;
    // A folder made now is one no earlier start has carried files into: what is beside the
    // executable is the starting point only once, and later changes there are not the user's.
    const bool firstStart = !files.IsFolder(Bare(choices.userData));
    if (!files.MakeFolder(Bare(choices.userData))) return beside;
    FilesPlace place(choices.userData, false);
    if (!firstStart) return place;
    for (const KeptFile& file : carried) {
        std::string bytes;
        // The system's redirected copy holds what the earlier version last wrote.
        const bool found = (!choices.virtualStore.empty() && files.ReadFile(choices.virtualStore + file.name, bytes)) ||
                           files.ReadFile(besideExecutable + file.name, bytes);
        if (found && files.ReplaceWhole(place.PathOf(file.name), bytes)) place.carried_.push_back(file.name);
    }
    return place;
}

std::string VirtualStoreFolder(const std::string& localAppData, const std::string& executableFolder) {
    if (localAppData.empty() || executableFolder.size() < 3 || executableFolder[1] != ':' ||
        (executableFolder[2] != '\\' && executableFolder[2] != '/'))
        return std::string();
    const char separator = executableFolder[2];
    std::string store = localAppData;
    if (store.back() != '\\' && store.back() != '/') store += separator;
    std::string rest = executableFolder.substr(3);
    if (!rest.empty() && rest.back() != '\\' && rest.back() != '/') rest += separator;
    return store + "VirtualStore" + separator + rest;
}

}  // namespace mw
