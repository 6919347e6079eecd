// Where the program's files live: beside a folder that takes a write, else in the user's folder,
// carried over once from the VirtualStore copy or from beside the executable, never deleted.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/ProgramFiles.h"
#include "settings/FilesPlace.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

const char kExeFolder[] = "C:/Program Files/MW/";
const char kUserFolder[] = "C:/Users/u/AppData/Roaming/MW/";
const char kStoreFolder[] = "C:/Users/u/AppData/Local/VirtualStore/Program Files/MW/";

// Memory files in which every write below one folder fails, as in a folder the user cannot write.
class Files : public MemoryFileSystem {
public:
    bool ReplaceWhole(const std::string& path, const std::string& bytes) override {
        ++attempts;
        return !Locked(path) && MemoryFileSystem::ReplaceWhole(path, bytes);
    }
    bool Remove(const std::string& path) override { return !Locked(path) && MemoryFileSystem::Remove(path); }
    bool MakeFolder(const std::string& path) override { return !Locked(path + "/") && MemoryFileSystem::MakeFolder(path); }
    bool Locked(const std::string& path) const {
        for (const std::string& folder : locked)
            if (path.compare(0, folder.size(), folder) == 0) return true;
        return false;
    }
    std::vector<std::string> locked;
    int attempts = 0;
};

UserFolders Choices() { return {kUserFolder, kStoreFolder}; }

std::string At(const std::string& folder, const char* name) { return folder + name; }

TEST(FilesPlace, AFolderThatTakesAWriteKeepsTheFilesAndLosesItsTestFile) {
    Files files;
    files.files[At(kExeFolder, kSettingsFile.name)] = "[Setting]\r\ndanwei=1\r\n";
    int asked = 0;  // naming the user's folders loads the shell: not for a writable folder
    const auto userFolders = [&asked] {
        ++asked;
        return Choices();
    };
    const FilesPlace place = FilesPlace::Choose(files, kExeFolder, userFolders, CarriedFiles());
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(place.BesideExecutable());
    EXPECT_TRUE(place.ExecutableFolderWritable());
    EXPECT_EQ(place.PathOf(kWeightListFile.name), At(kExeFolder, kWeightListFile.name));
    EXPECT_EQ(files.attempts, 1);  // a real write was tried
    EXPECT_FALSE(files.Exists(At(kExeFolder, kWriteTestFile.name)));
    EXPECT_FALSE(files.IsFolder("C:/Users/u/AppData/Roaming/MW"));
    EXPECT_TRUE(place.Carried().empty());
}

TEST(FilesPlace, AnUnwritableFolderSendsTheFilesToTheUsersFolderWithCopiesOfWhatIsThere) {
    Files files;
    files.locked = {kExeFolder};
    files.files[At(kExeFolder, kSettingsFile.name)] = "settings";
    files.files[At(kExeFolder, kWeightListFile.name)] = "weights";
    files.files[At(kExeFolder, "readme.txt")] = "not the program's";
    const auto before = files.files;
    const FilesPlace place = FilesPlace::Choose(files, kExeFolder, Choices, CarriedFiles());
    EXPECT_FALSE(place.BesideExecutable());
    EXPECT_FALSE(place.ExecutableFolderWritable());
    EXPECT_EQ(place.Folder(), kUserFolder);
    EXPECT_EQ(place.PathOf(kCutJobFile.name), At(kUserFolder, kCutJobFile.name));
    EXPECT_EQ(place.Carried(), (std::vector<std::string>{kSettingsFile.name, kWeightListFile.name}));
    EXPECT_EQ(files.files.at(At(kUserFolder, kSettingsFile.name)), "settings");
    EXPECT_EQ(files.files.at(At(kUserFolder, kWeightListFile.name)), "weights");
    EXPECT_FALSE(files.Exists(At(kUserFolder, kCutJobFile.name)));
    EXPECT_FALSE(files.Exists(At(kUserFolder, "readme.txt")));
    for (const auto& file : before) EXPECT_EQ(files.files.at(file.first), file.second) << file.first;  // never deleted
}

TEST(FilesPlace, TheVirtualStoreCopiesAreTheNewerOnesAndWinFilebyFile) {
    Files files;
    files.locked = {kExeFolder};
    files.files[At(kExeFolder, kSettingsFile.name)] = "as installed";
    files.files[At(kExeFolder, kCutJobFile.name)] = "job as installed";
    files.files[At(kStoreFolder, kSettingsFile.name)] = "as the earlier version last wrote it";
    files.files[At(kStoreFolder, kWeightListFile.name)] = "weights it wrote";
    const FilesPlace place = FilesPlace::Choose(files, kExeFolder, Choices, CarriedFiles());
    EXPECT_EQ(files.files.at(At(kUserFolder, kSettingsFile.name)), "as the earlier version last wrote it");
    EXPECT_EQ(files.files.at(At(kUserFolder, kWeightListFile.name)), "weights it wrote");
    EXPECT_EQ(files.files.at(At(kUserFolder, kCutJobFile.name)), "job as installed");
    EXPECT_EQ(place.Carried().size(), 3u);
    EXPECT_TRUE(files.Exists(At(kStoreFolder, kSettingsFile.name)));  // nothing is taken away
    EXPECT_TRUE(files.Exists(At(kExeFolder, kSettingsFile.name)));
}

TEST(FilesPlace, FilesAreCarriedOnceAndTheUsersOwnChangesAreNeverOverwritten) {
    Files files;
    files.locked = {kExeFolder};
    files.files[At(kExeFolder, kSettingsFile.name)] = "first";
    FilesPlace::Choose(files, kExeFolder, Choices, CarriedFiles());
    files.files[At(kUserFolder, kSettingsFile.name)] = "changed by the user";
    files.files[At(kExeFolder, kWeightListFile.name)] = "appeared later";
    files.Remove(At(kUserFolder, kSettingsFile.name));  // a settings file emptied and removed
    const FilesPlace again = FilesPlace::Choose(files, kExeFolder, Choices, CarriedFiles());
    EXPECT_EQ(again.Folder(), kUserFolder);
    EXPECT_TRUE(again.Carried().empty());
    EXPECT_FALSE(files.Exists(At(kUserFolder, kSettingsFile.name)));  // not brought back
    EXPECT_FALSE(files.Exists(At(kUserFolder, kWeightListFile.name)));
    EXPECT_EQ(files.files.at(At(kExeFolder, kSettingsFile.name)), "first");
}

TEST(FilesPlace, WithNoUsersFolderToTurnToTheFilesStayBesideTheExecutable) {
    Files files;
    files.locked = {kExeFolder, kUserFolder};
    const FilesPlace stuck = FilesPlace::Choose(files, kExeFolder, Choices, CarriedFiles());
    EXPECT_TRUE(stuck.BesideExecutable());
    EXPECT_FALSE(stuck.ExecutableFolderWritable());  // no update either
    const auto none = [] { return UserFolders{"", kStoreFolder}; };
    files.locked = {kExeFolder};
    EXPECT_TRUE(FilesPlace::Choose(files, kExeFolder, none, CarriedFiles()).BesideExecutable());
    EXPECT_TRUE(files.folders.empty());
}

TEST(FilesPlace, TheVirtualStoreMirrorsTheFolderWithoutItsDrive) {
    EXPECT_EQ(VirtualStoreFolder("C:\\Users\\u\\AppData\\Local\\", "C:\\Program Files (x86)\\钢材\\"),
              "C:\\Users\\u\\AppData\\Local\\VirtualStore\\Program Files (x86)\\钢材\\");
    EXPECT_EQ(VirtualStoreFolder("C:\\Users\\u\\AppData\\Local", "D:\\Tools"),
              "C:\\Users\\u\\AppData\\Local\\VirtualStore\\Tools\\");
    EXPECT_EQ(VirtualStoreFolder("C:\\L\\", "\\\\server\\share\\MW\\"), "");  // never redirected
    EXPECT_EQ(VirtualStoreFolder("", "C:\\MW\\"), "");
}

TEST(FilesPlace, TheWriteTestFileIsOneNoUpdateMayWrite) {
    const std::vector<KeptFile> all = ProgramFiles();
    EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                            [](const KeptFile& file) { return std::string(file.name) == kWriteTestFile.name; }));
}

}  // namespace
}  // namespace mw
