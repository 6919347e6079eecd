// The custom material editor in the real program: sizes added there appear in their calculators
// after the restart button, removed ones are gone after the next; the restart starts the new copy
// without the "already running" warning.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

const char kEditorCaption[] = "自定义材料";
const char kAlreadyRunningCaption[] = "Telvar材料重量计算器";

HWND OpenEditor(AppUnderTest& app, HWND main) {
    Command(main, IDM_DINGYICAILIAO);
    return app.WaitForWindow(kEditorCaption);
}

void AddEntry(HWND editor, int type, const std::string& model, const std::string& spec,
              const std::string& unitWeight) {
    Choose(editor, IDC_CUSTOM_TYPE, type);
    SetText(editor, IDC_CUSTOM_MODEL, model);
    SetText(editor, IDC_CUSTOM_SPEC, spec);
    SetText(editor, IDC_CUSTOM_UNIT_WEIGHT, unitWeight);
    Click(editor, IDC_CUSTOM_ADD);
}

// The items of a size list once its page has filled it: a page shows a moment before its lists
// are filled at start.
int FilledCount(HWND page, int id) {
    WaitUntil([&] { return ItemCount(page, id) > 0; }, 5000);
    return ItemCount(page, id);
}

// Restarts through the editor and returns the new copy's main window.
HWND Restart(AppUnderTest& app, HWND editor) {
    Click(editor, IDC_CUSTOM_RESTART);
    if (!app.FollowRestart()) return nullptr;
    HWND main = app.MainWindow();
    // The old copy let go of the instance mutex before the new one looked for it.
    EXPECT_EQ(app.WaitForWindow(kAlreadyRunningCaption, 0), nullptr);
    return main;
}

TEST(DINGYICAILIAO, AddedSizesJoinTheirListsAfterRestartAndRemovedOnesGo) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    const int angles = FilledCount(page, IDC_ANGLE_COMBO);
    const int channels = FilledCount(page, IDC_CHANNEL_COMBO);

    HWND editor = OpenEditor(r.app, r.main);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(ItemText(editor, IDC_CUSTOM_TYPE, 3), "方管/矩形管");
    AddEntry(editor, 0, "∠55×4", "", "3.40");
    AddEntry(editor, 1, "[30X", "300×90×10", "40.5");
    ASSERT_EQ(ItemCount(editor, IDC_CUSTOM_LIST), 2);
    EXPECT_EQ(ItemText(editor, IDC_CUSTOM_LIST, 0), "1、角钢(热轧) ∠55×4  3.40");
    EXPECT_EQ(ItemText(editor, IDC_CUSTOM_LIST, 1), "2、槽钢(热轧) [30X 300×90×10 40.5");
    // 角钢 and 槽钢 in code page 936 on disk; the file hidden.
    EXPECT_NE(r.app.SettingsBytes().find("[\xBD\xC7\xB8\xD6]\r\n"), std::string::npos);
    EXPECT_NE(r.app.SettingsBytes().find("[\xB2\xDB\xB8\xD6]\r\n"), std::string::npos);
    EXPECT_TRUE(r.app.SettingsAttributes() & FILE_ATTRIBUTE_HIDDEN);
    Key(GetDlgItem(editor, IDC_CUSTOM_MODEL), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(editor));
    SaveScreenshot(editor, "custom-editor");

    r.main = Restart(r.app, editor);
    ASSERT_NE(r.main, nullptr);
    page = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(FilledCount(page, IDC_ANGLE_COMBO), angles + 1);
    EXPECT_EQ(ItemText(page, IDC_ANGLE_COMBO, angles), "∠55×4");
    Choose(page, IDC_ANGLE_COMBO, angles);
    EXPECT_EQ(Text(page, IDC_ANGLE_UNIT_WEIGHT), "3.400");
    ASSERT_EQ(FilledCount(page, IDC_CHANNEL_COMBO), channels + 1);
    Choose(page, IDC_CHANNEL_COMBO, channels);
    EXPECT_EQ(Text(page, IDC_CHANNEL_SPEC), "300×90×10");
    EXPECT_EQ(Text(page, IDC_CHANNEL_UNIT_WEIGHT), "40.500");

    editor = OpenEditor(r.app, r.main);
    ASSERT_NE(editor, nullptr);
    ASSERT_EQ(ItemCount(editor, IDC_CUSTOM_LIST), 2);
    SelectLine(editor, IDC_CUSTOM_LIST, 0);
    Click(editor, IDC_CUSTOM_REMOVE);
    ASSERT_EQ(ItemCount(editor, IDC_CUSTOM_LIST), 1);
    EXPECT_EQ(ItemText(editor, IDC_CUSTOM_LIST, 0), "1、槽钢(热轧) [30X 300×90×10 40.5");
    SelectLine(editor, IDC_CUSTOM_LIST, 0);
    Click(editor, IDC_CUSTOM_REMOVE);
    EXPECT_EQ(ItemCount(editor, IDC_CUSTOM_LIST), 0);
    EXPECT_FALSE(r.app.SettingsExists());  // nothing else was stored

    r.main = Restart(r.app, editor);
    ASSERT_NE(r.main, nullptr);
    page = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(FilledCount(page, IDC_ANGLE_COMBO), angles);
    EXPECT_EQ(FilledCount(page, IDC_CHANNEL_COMBO), channels);
}

}  // namespace
}  // namespace mw::e2e
