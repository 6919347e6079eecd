// The file system of the native build: what its callers rely on when a read goes wrong.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "settings/PosixFileSystem.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

TEST(PosixFileSystem, AReadThatFailsIsNoShorterFile) {
    char name[] = "/tmp/mw-files-XXXXXX";
    const fs::path root = mkdtemp(name);
    std::ofstream(root / "whole.txt", std::ios::binary) << "weights";
    PosixFileSystem files;
    std::string bytes = "left over";
    EXPECT_TRUE(files.ReadFile((root / "whole.txt").string(), bytes));
    EXPECT_EQ(bytes, "weights");
    // A folder opens but cannot be read: the caller must not take it for an empty file.
    bytes = "left over";
    EXPECT_FALSE(files.ReadFile(root.string(), bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(files.ReadFile((root / "missing.txt").string(), bytes));
    fs::remove_all(root);
}

}  // namespace
}  // namespace mw
