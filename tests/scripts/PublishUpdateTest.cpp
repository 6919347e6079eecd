// The publishing script and the program agree: what it lays out is a list the program accepts,
// with digests of the very files beside it; names the program would refuse are refused here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/ProgramFiles.h"
#include "update/Sha256.h"
#include "update/UpdateList.h"
#include "settings/IniFile.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

// This file lies in tests/scripts/ of the source tree.
const fs::path kScript = fs::path(__FILE__).parent_path().parent_path().parent_path() / "scripts" / "publish-update.sh";

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class PublishUpdate : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/mw-publish-XXXXXX";
        root_ = mkdtemp(name);
        fs::create_directory(root_ / "release");
        std::ofstream(root_ / "release" / "MaterialWeight-9.0.exe", std::ios::binary) << std::string("MZ\0\x01", 4);
        std::ofstream(root_ / "release" / "readme.txt", std::ios::binary) << "new";
    }
    void TearDown() override { fs::remove_all(root_); }

    int Publish(const std::string& version, const std::vector<std::string>& files) {
        std::string command = "'" + kScript.string() + "' '" + version + "' '" + (root_ / "out").string() + "'";
        for (const std::string& file : files) command += " '" + (root_ / "release" / file).string() + "'";
        return std::system((command + " >/dev/null 2>&1").c_str());
    }

    fs::path root_;
};

TEST_F(PublishUpdate, LaysOutAListTheProgramAccepts) {
    ASSERT_EQ(Publish("9.0", {"MaterialWeight-9.0.exe", "readme.txt"}), 0);
    const fs::path folder = root_ / "out" / "updateKq";
    CIniFile ini;
    ASSERT_TRUE(ini.OpenReadWrite((folder / "list.ini").string()));
    UpdateList list;
    ASSERT_EQ(ReadUpdateList(ini, "MaterialWeight.exe", ProgramFiles(), list), ListRefusal::None);
    EXPECT_EQ(list.version, "9.0");
    EXPECT_EQ(list.exe, "MaterialWeight-9.0.exe");
    EXPECT_EQ(list.files, (std::vector<std::string>{"MaterialWeight-9.0.exe", "readme.txt"}));
    ASSERT_EQ(list.digests.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Read(folder / list.files[i]), Read(root_ / "release" / list.files[i]));
        EXPECT_EQ(list.digests[i], Sha256Hex(Read(folder / list.files[i])));
    }
    EXPECT_TRUE(IsNewerVersion(list.version, "8.8"));

    // A second release replaces the first whole.
    ASSERT_EQ(Publish("9.1", {"MaterialWeight-9.0.exe"}), 0);
    EXPECT_FALSE(fs::exists(folder / "readme.txt"));
    EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "out"), fs::directory_iterator()), 1);
}

TEST_F(PublishUpdate, RefusesWhatTheProgramWouldRefuse) {
    for (const char* name : {"CON.txt", "list.ini", "MaterialWeight.exe", "a.dll.", "WeightListKq.txt",
                             "weightlistkq.txt.damaged-2", "ConfigKq.ini.tmp"}) {
        std::ofstream(root_ / "release" / name) << "x";
        EXPECT_NE(Publish("9.0", {"MaterialWeight-9.0.exe", name}), 0) << name;
    }
    EXPECT_NE(Publish("9.0", {"readme.txt", "MaterialWeight-9.0.exe"}), 0);  // the executable comes first
    EXPECT_NE(Publish("nine", {"MaterialWeight-9.0.exe"}), 0);
    EXPECT_NE(Publish("9.0", {"MaterialWeight-9.0.exe", "missing.dll"}), 0);
    EXPECT_NE(Publish("9.0", {"MaterialWeight-9.0.exe", "MaterialWeight-9.0.exe"}), 0);
    EXPECT_FALSE(fs::exists(root_ / "out" / "updateKq"));
}

}  // namespace
}  // namespace mw
