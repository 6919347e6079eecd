// An export asks where to save, writes the file whole, and says so when the file cannot be written.
#include "kit/ExportFiles.h"

#include <gtest/gtest.h>

#include "tests/support/FakeExports.h"
#include "tests/support/MemorySurface.h"

namespace mw {
namespace {

TEST(ExportFiles, WritesWhereTheUserChoseAndSaysNothing) {
    FakeExports exports;
    MemorySurface window;
    EXPECT_TRUE(ExportOrSay(exports, window, "重量清单.csv", "a,b\r\n"));
    EXPECT_EQ(exports.suggestions, std::vector<std::string>{"重量清单.csv"});
    EXPECT_EQ(exports.written.at("C:\\报价\\清单.csv"), "a,b\r\n");
    EXPECT_TRUE(window.messages.empty());
}

TEST(ExportFiles, CancelledWritesNothingAndSaysNothing) {
    FakeExports exports;
    exports.answer.reset();
    MemorySurface window;
    EXPECT_FALSE(ExportOrSay(exports, window, "下料方案.csv", "x"));
    EXPECT_TRUE(exports.written.empty());
    EXPECT_TRUE(window.messages.empty());
}

TEST(ExportFiles, AFileThatCannotBeWrittenIsNamedInAWarning) {
    FakeExports exports;
    exports.writable = false;
    MemorySurface window;
    EXPECT_FALSE(ExportOrSay(exports, window, "下料方案.csv", "x"));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, "无法写入文件:\nC:\\报价\\清单.csv");
    EXPECT_EQ(window.messages[0].caption, "警告");
    EXPECT_EQ(window.messages[0].style, static_cast<unsigned>(kMbOk | kMbIconWarning));
}

}  // namespace
}  // namespace mw
