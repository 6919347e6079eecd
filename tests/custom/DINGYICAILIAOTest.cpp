// The custom material editor: adding, removing, the rewrite at start, a full store, the restart.
#include <gtest/gtest.h>

#include "custom/DINGYICAILIAO.h"
#include "res/resource.h"
#include "settings/Cp936.h"
#include "settings/SettingsFile.h"
#include "tests/support/FakeProcessStarter.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemorySurface.h"

namespace mw {
namespace {

const char kPath[] = "/app/ConfigKq.ini";
const char kExe[] = "C:\\钢材\\MaterialWeight.exe";

struct Editor {
    explicit Editor(const std::string& file = "") {
        if (!file.empty()) files.files[kPath] = Utf8ToCp936(file);
        surface.Bind(&editor);
    }
    void Start() { editor.OnInitDialog(); }
    std::string File() const { return files.Exists(kPath) ? Cp936ToUtf8(files.files.at(kPath)) : "<none>"; }
    bool Hidden() const { return files.hidden.count(kPath) != 0; }
    void Add(int kind, const std::string& model, const std::string& spec, const std::string& weight) {
        surface.Choose(IDC_CUSTOM_TYPE, kind);
        surface.Type(IDC_CUSTOM_MODEL, model);
        surface.Type(IDC_CUSTOM_SPEC, spec);
        surface.Type(IDC_CUSTOM_UNIT_WEIGHT, weight);
        surface.Click(IDC_CUSTOM_ADD);
    }
    void Remove(int line) {
        surface.SetSelection(IDC_CUSTOM_LIST, line);
        surface.Click(IDC_CUSTOM_REMOVE);
    }
    std::vector<std::string> Lines() const { return surface.At(IDC_CUSTOM_LIST).items; }
    std::string LastMessage() const { return surface.messages.empty() ? "" : surface.messages.back().text; }

    MemorySurface surface;
    MemoryFileSystem files;
    SettingsFile settings{files, kPath};
    FakeProcessStarter processes;
    int exits = 0;
    CDINGYICAILIAO editor{surface, settings, processes, kExe, [this] { ++exits; }};
};

// A section of `count` entries "<prefix>N", unit weight N.
std::string Section(const std::string& name, int count, const std::string& prefix, bool spec = false) {
    std::string text = "[" + name + "]\r\n";
    for (int n = 1; n <= count; ++n) {
        const std::string i = std::to_string(n);
        text += "型号" + i + "=" + prefix + i + "\r\n";
        if (spec) text += "规格" + i + "=S" + i + "\r\n";
        text += "单重" + i + "=" + i + "\r\n";
    }
    return text;
}

TEST(DINGYICAILIAO, StartsWithTheEightTypesAndTheSpecEditableForChannelAndIBeamOnly) {
    Editor e;
    e.Start();
    EXPECT_EQ(e.surface.At(IDC_CUSTOM_TYPE).items,
              (std::vector<std::string>{"角钢(热轧)", "槽钢(热轧)", "工字钢", "方管/矩形管", "钢管/焊管",
                                        "六角钢", "八角钢", "螺纹钢"}));
    EXPECT_EQ(e.surface.Selection(IDC_CUSTOM_TYPE), 0);
    EXPECT_TRUE(e.surface.At(IDC_CUSTOM_SPEC).readOnly);
    EXPECT_TRUE(e.Lines().empty());
    EXPECT_EQ(e.File(), "<none>");  // nothing stored, nothing written

    e.surface.Type(IDC_CUSTOM_SPEC, "kept");
    for (int kind = 0; kind < 8; ++kind) {
        e.surface.Choose(IDC_CUSTOM_TYPE, kind);
        EXPECT_EQ(e.surface.At(IDC_CUSTOM_SPEC).readOnly, kind != 1 && kind != 2) << kind;
        EXPECT_FALSE(e.surface.At(IDC_CUSTOM_MODEL).readOnly);
        EXPECT_FALSE(e.surface.At(IDC_CUSTOM_UNIT_WEIGHT).readOnly);
    }
    EXPECT_EQ(e.surface.Text(IDC_CUSTOM_SPEC), "kept");
}

TEST(DINGYICAILIAO, AddingWritesTheEntryUnderItsTypeAndListsIt) {
    Editor e;
    e.Start();
    e.Add(0, "∠55×4", "ignored", "3.40");
    EXPECT_EQ(e.File(), "[角钢]\r\n型号1=∠55×4\r\n单重1=3.40\r\n");
    EXPECT_TRUE(e.Hidden());
    EXPECT_EQ(e.Lines(), std::vector<std::string>{"1、角钢(热轧) ∠55×4  3.40"});
    // The texts stay for the next similar size; the type stays too.
    EXPECT_EQ(e.surface.Text(IDC_CUSTOM_MODEL), "∠55×4");
    EXPECT_EQ(e.surface.Selection(IDC_CUSTOM_TYPE), 0);

    e.Add(1, "[28c", "280×86×12.5", "35.8");
    e.Add(5, "S60", "", "24.5");
    e.Add(6, "O50", "", "abc");  // not a number: stored as typed, the calculator reads 0
    e.Add(0, "∠56×5", "", "4.25");
    EXPECT_EQ(e.File(),
              "[角钢]\r\n型号1=∠55×4\r\n单重1=3.40\r\n型号2=∠56×5\r\n单重2=4.25\r\n"
              "[槽钢]\r\n型号1=[28c\r\n规格1=280×86×12.5\r\n单重1=35.8\r\n"
              "[六角钢]\r\n型号1=S60\r\n单重1=24.5\r\n"
              "[八角钢]\r\n型号1=O50\r\n单重1=abc\r\n");
    EXPECT_EQ(e.Lines()[1], "2、槽钢(热轧) [28c 280×86×12.5 35.8");
    EXPECT_EQ(e.Lines()[4], "5、角钢(热轧) ∠56×5  4.25");
    EXPECT_EQ(e.files.replaces, 5);  // one whole write per entry
}

TEST(DINGYICAILIAO, MissingTextsAreAskedForAndNothingIsAdded) {
    Editor e;
    e.Start();
    struct Case { int kind; const char *model, *spec, *weight, *message; };
    const Case cases[] = {
        {0, "", "", "1", "请输入型号"},
        {0, "  \t ", "", "1", "请输入型号"},  // blanks alone would read back as no entry at all
        {1, "[28c", "", "35.8", "请输入规格"},
        {2, "I20a", " ", "27.9", "请输入规格"},
        {3, "50×50×3", "", "", "请输入单重"},
    };
    for (const Case& c : cases) {
        e.Add(c.kind, c.model, c.spec, c.weight);
        ASSERT_FALSE(e.surface.messages.empty());
        EXPECT_EQ(e.surface.messages.back().text, c.message) << c.model;
        EXPECT_EQ(e.surface.messages.back().caption, "输入提示");
        EXPECT_EQ(e.surface.messages.back().style, kMbOk);
    }
    EXPECT_TRUE(e.Lines().empty());
    EXPECT_TRUE(e.editor.Entries().empty());
    EXPECT_EQ(e.File(), "<none>");
}

TEST(DINGYICAILIAO, TypedLineBreaksCannotSplitTheFileAndOuterBlanksGo) {
    Editor e;
    e.Start();
    e.Add(0, " A\r\n[槽钢]\r\n型号1=X ", "", "\t2.5 ");
    EXPECT_EQ(e.File(), "[角钢]\r\n型号1=A  [槽钢]  型号1=X\r\n单重1=2.5\r\n");
    e.editor.LoadStore();
    ASSERT_EQ(e.editor.Entries().size(), 1u);
    EXPECT_EQ(e.editor.Entries()[0].model, "A  [槽钢]  型号1=X");
}

TEST(DINGYICAILIAO, RemovingRenumbersEachTypeAndDropsEmptiedSections) {
    Editor e("[Setting]\r\ndanwei=1\r\n");
    e.Start();
    e.Add(0, "A1", "", "1");
    e.Add(0, "A2", "", "2");
    e.Add(1, "C1", "c", "3");
    e.Remove(0);
    EXPECT_EQ(e.File(), "[Setting]\r\ndanwei=1\r\n[角钢]\r\n型号1=A2\r\n单重1=2\r\n"
                        "[槽钢]\r\n型号1=C1\r\n规格1=c\r\n单重1=3\r\n");
    EXPECT_EQ(e.Lines(), (std::vector<std::string>{"1、角钢(热轧) A2  2", "2、槽钢(热轧) C1 c 3"}));
    EXPECT_TRUE(e.Hidden());

    e.surface.SetSelection(IDC_CUSTOM_LIST, -1);  // the list was rebuilt: nothing is selected
    e.surface.Click(IDC_CUSTOM_REMOVE);
    EXPECT_EQ(e.Lines().size(), 2u);

    e.Remove(1);
    e.Remove(0);
    EXPECT_EQ(e.File(), "[Setting]\r\ndanwei=1\r\n");  // other settings keep the file

    Editor alone;
    alone.Start();
    alone.Add(5, "H", "", "1");
    alone.Add(6, "O", "", "1");
    EXPECT_EQ(alone.File(), "[六角钢]\r\n型号1=H\r\n单重1=1\r\n[八角钢]\r\n型号1=O\r\n单重1=1\r\n");
    alone.Remove(0);
    alone.Remove(0);
    EXPECT_EQ(alone.File(), "<none>");  // nothing else stored: the file goes
}

TEST(DINGYICAILIAO, StartRenumbersTheStoreInOneWriteAndDropsWhatFollowsAGap) {
    Editor e("[工字钢]\r\n型号1=I1\r\n规格1=s1\r\n单重1=1\r\n型号2=I2\r\n规格2=s2\r\n单重2=2\r\n"
             "型号4=I4\r\n单重4=4\r\n[Setting]\r\ndanwei=2\r\n[角钢]\r\n单重1=9\r\n");
    e.Start();
    EXPECT_EQ(e.File(), "[Setting]\r\ndanwei=2\r\n"
                        "[工字钢]\r\n型号1=I1\r\n规格1=s1\r\n单重1=1\r\n型号2=I2\r\n规格2=s2\r\n单重2=2\r\n");
    EXPECT_EQ(e.Lines(), (std::vector<std::string>{"1、工字钢 I1 s1 1", "2、工字钢 I2 s2 2"}));
    EXPECT_EQ(e.files.replaces, 1);
    EXPECT_TRUE(e.Hidden());
}

TEST(DINGYICAILIAO, AFullStoreIsKeptWholeAndEveryLineCanBeRemoved) {
    const char* const sections[] = {"角钢", "槽钢", "工字钢", "方管", "钢管", "六角钢", "八角钢", "螺纹钢"};
    std::string store;
    for (int kind = 0; kind < 8; ++kind)
        store += Section(sections[kind], 86, std::string(1, static_cast<char>('A' + kind)), kind == 1 || kind == 2);
    Editor e(store);
    e.Start();
    ASSERT_EQ(e.Lines().size(), 688u);  // far more than the 88 a single table would hold
    EXPECT_EQ(e.Lines()[687], "688、螺纹钢 H86  86");
    EXPECT_EQ(e.File(), store);  // already in order: the rewrite changes nothing

    const int writes = e.files.replaces;
    e.Add(7, "H87", "", "87");
    EXPECT_EQ(e.LastMessage(), "该类型的自定义材料已满86个，请先删除不用的再添加");
    EXPECT_EQ(e.surface.messages.back().caption, "提示");
    EXPECT_EQ(e.files.replaces, writes);  // refused before anything is written
    EXPECT_EQ(e.Lines().size(), 688u);

    e.Remove(687);  // a line far below the first 86
    EXPECT_EQ(e.Lines().size(), 687u);
    EXPECT_EQ(e.File().find("型号86=H86"), std::string::npos);
    e.Add(7, "H87", "", "87");  // room again
    EXPECT_NE(e.File().find("型号86=H87\r\n单重86=87\r\n"), std::string::npos);
    EXPECT_EQ(e.Lines().back(), "688、螺纹钢 H87  87");

    // More than 86 of one type stored by hand: the calculators read 86, and so does the editor.
    Editor over(Section("钢管", 90, "P"));
    over.Start();
    EXPECT_EQ(over.Lines().size(), 86u);
}

TEST(DINGYICAILIAO, AStoreThatCannotBeWrittenStaysAsItWas) {
    const std::string store = "[角钢]\r\n型号1=A\r\n单重1=1\r\n型号3=after a gap\r\n";
    Editor e(store);
    e.files.readOnly = true;
    e.Start();
    EXPECT_EQ(e.File(), store);
    EXPECT_EQ(e.Lines(), std::vector<std::string>{"1、角钢(热轧) A  1"});
}

TEST(DINGYICAILIAO, RestartStartsTheProgramThenRunsTheExitSequence) {
    Editor e;
    e.Start();
    e.Add(3, "60×40×3", "", "4.25");
    e.surface.Click(IDC_CUSTOM_RESTART);
    EXPECT_EQ(e.processes.started, std::vector<std::string>{kExe});
    EXPECT_EQ(e.exits, 1);

    Editor failing;
    failing.processes.fails = true;
    failing.Start();
    failing.surface.Click(IDC_CUSTOM_RESTART);
    EXPECT_EQ(failing.exits, 0);  // the program goes on rather than vanish
    EXPECT_EQ(failing.LastMessage(), "无法重新启动本软件，请手动启动");
}

TEST(DINGYICAILIAO, TheCalculatorsShowTheEntriesAfterTheBuiltInSizes) {
    Editor e;
    e.Start();
    e.Add(1, "[30X", "300×90×10", "40.5");
    e.Add(4, "Φ89×4.5", "", "9.38");
    e.Add(7, "Φ12", "", "0.888");

    MainWindowFixture f;  // the next start of the program
    f.files.files[MainWindowFixture::kSettingsPath] = e.files.files.at(kPath);
    f.Start();
    const int channels = f.pageSurface.ItemCount(IDC_CHANNEL_COMBO);
    EXPECT_EQ(f.pageSurface.ItemText(IDC_CHANNEL_COMBO, channels - 1), "[30X");
    f.pageSurface.Choose(IDC_CHANNEL_COMBO, channels - 1);
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_SPEC), "300×90×10");
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_UNIT_WEIGHT), "40.500");
    const int pipes = f.page2Surface.ItemCount(IDC_PIPE_COMBO);
    EXPECT_EQ(f.page2Surface.ItemText(IDC_PIPE_COMBO, pipes - 1), "Φ89×4.5");
    const int bars = f.page3Surface.ItemCount(IDC_REBAR_COMBO);
    f.page3Surface.Choose(IDC_REBAR_COMBO, bars - 1);
    EXPECT_EQ(f.page3Surface.Text(IDC_REBAR_UNIT_WEIGHT), "0.888");
}

TEST(DINGYICAILIAO, AFailedWriteIsSaidOnceAndTheEntriesAreKeptUntilTheFileCanBeWritten) {
    Editor e("[角钢]\r\n型号1=A\r\n单重1=1\r\n");
    e.Start();
    const std::string before = e.File();
    e.files.readOnly = true;
    e.Add(0, "B", "", "2");
    EXPECT_EQ(e.Lines(), (std::vector<std::string>{"1、角钢(热轧) A  1", "2、角钢(热轧) B  2"}));
    ASSERT_EQ(e.surface.messages.size(), 1u);
    EXPECT_EQ(e.LastMessage(), "无法写入设置文件 ConfigKq.ini,更改暂存在本次运行中,能写入时一并保存。");
    EXPECT_EQ(e.surface.messages[0].caption, "警告");
    e.Remove(0);  // gone for the run, though the file still has it
    EXPECT_EQ(e.Lines(), std::vector<std::string>{"1、角钢(热轧) B  2"});
    EXPECT_EQ(e.editor.Entries().size(), 1u);
    EXPECT_EQ(e.surface.messages.size(), 1u);  // once
    EXPECT_EQ(e.File(), before);

    e.files.readOnly = false;
    e.Add(0, "C", "", "3");
    EXPECT_EQ(e.Lines().size(), 2u);
    EXPECT_NE(e.File().find("型号1=B"), std::string::npos);
    EXPECT_NE(e.File().find("型号2=C"), std::string::npos);
}

}  // namespace
}  // namespace mw
