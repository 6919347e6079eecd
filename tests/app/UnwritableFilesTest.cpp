// The one rule for each of the program's files that cannot be written: told once in a box over
// whichever window made the change, the data kept in memory and written whole at the next change
// that can be written, and told again only after a write has worked in between.
#include <gtest/gtest.h>

#include "cutplan/CutJob.h"
#include "res/resource.h"
#include "tests/support/FakeExports.h"
#include "tests/support/MainWindowFixture.h"
#include "tools/WeightListDlg.h"

namespace mw {
namespace {

struct UnwritableFiles : testing::Test, MainWindowFixture {
    UnwritableFiles() { Start(false); }
    void Record(const char* name) { dlg.RecordWeighing({name, "1×1×1", "1 块", 7.85}); }
    std::string ListFile() const { return files.files.count(kWeightListPath) ? files.files.at(kWeightListPath) : ""; }
    std::size_t Boxes(const MemorySurface& on, const char* text) const {
        std::size_t count = 0;
        for (const auto& message : on.messages) count += message.text == text;
        return count;
    }
};

TEST_F(UnwritableFiles, TheWeightListWithItsWindowClosedIsToldOnceAndItsRowsWrittenLater) {
    Record("钢板一");
    files.readOnly = true;
    Record("钢板二");
    Record("钢板三");
    EXPECT_EQ(Boxes(surface, WeightList::kWriteFailedText), 1u);  // over the main window: the list's is closed
    EXPECT_EQ(surface.messages.back().caption, "警告");
    EXPECT_EQ(weights.Rows().size(), 3u);
    EXPECT_EQ(ListFile().find("钢板二"), std::string::npos);

    files.readOnly = false;
    Record("钢板四");
    for (const char* name : {"钢板一", "钢板二", "钢板三", "钢板四"}) EXPECT_NE(ListFile().find(name), std::string::npos) << name;
    files.readOnly = true;  // a failure after a write that worked is told again
    Record("钢板五");
    EXPECT_EQ(Boxes(surface, WeightList::kWriteFailedText), 2u);
}

TEST_F(UnwritableFiles, OneFailureIsToldOnceWhicheverWindowMakesTheNextChange) {
    MemorySurface listSurface;
    MemoryClipboard listClipboard;
    FakeExports exports;
    exports.answer = std::nullopt;
    CWeightListDlg window{listSurface, weights, dlg.Settings(), listClipboard, exports};
    listSurface.Bind(&window);
    window.OnInitDialog();
    Record("钢板一");
    files.readOnly = true;
    listSurface.Type(IDC_WEIGHTLIST_PRICE, "4000");  // every keystroke a change of the list
    listSurface.Type(IDC_WEIGHTLIST_PRICE, "4200");
    EXPECT_EQ(Boxes(listSurface, WeightList::kWriteFailedText), 1u);
    EXPECT_NE(listSurface.Text(IDC_WEIGHTLIST_TOTAL).find("无法写入"), std::string::npos);  // the note stays
    Record("钢板二");  // the same failure, from the main window: not told twice
    EXPECT_EQ(Boxes(surface, WeightList::kWriteFailedText), 0u);
    EXPECT_EQ(weights.DefaultPrice(), 4200);

    files.readOnly = false;
    listSurface.SetSelection(IDC_WEIGHTLIST_LIST, 0);
    listSurface.Click(IDC_WEIGHTLIST_DELETE);
    EXPECT_EQ(listSurface.Text(IDC_WEIGHTLIST_TOTAL).find("无法写入"), std::string::npos);
    EXPECT_NE(ListFile().find("钢板二"), std::string::npos);
    EXPECT_NE(ListFile().find("4200"), std::string::npos);
}

TEST_F(UnwritableFiles, SettingsAreKeptForTheRunAndWrittenWithTheNextChange) {
    files.readOnly = true;
    surface.Choose(IDC_UNITSYSTEM, 1);
    EXPECT_EQ(Boxes(surface, SettingsFile::kWriteFailedText), 1u);
    EXPECT_EQ(settings.ReadUnitSystem(), 1);  // what the run goes on with
    EXPECT_FALSE(files.Exists(kSettingsPath));
    files.readOnly = false;
    settings.SaveOption("minirun", 1);
    EXPECT_NE(files.files.at(kSettingsPath).find("danwei=1"), std::string::npos);
    EXPECT_NE(files.files.at(kSettingsPath).find("minirun=1"), std::string::npos);
}

TEST_F(UnwritableFiles, EachFileSaysItsOwnName) {
    for (const char* text : {SettingsFile::kWriteFailedText, WeightList::kWriteFailedText, CutJobFile::kWriteFailedText})
        EXPECT_NE(std::string(text).find("无法写入"), std::string::npos) << text;
    EXPECT_NE(std::string(WeightList::kWriteFailedText).find(kWeightListFile.name), std::string::npos);
    EXPECT_NE(std::string(CutJobFile::kWriteFailedText).find(kCutJobFile.name), std::string::npos);
    EXPECT_NE(std::string(SettingsFile::kWriteFailedText).find(kSettingsFile.name), std::string::npos);
}

}  // namespace
}  // namespace mw
