// The timed tasks window: start, adding and removing tasks, the lists, the window options with
// the Run value, and what each tick fires.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "settings/Cp936.h"
#include "settings/SettingsFile.h"
#include "tasks/RENWU.h"
#include "tests/support/FakeTaskServices.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemorySurface.h"

namespace mw {
namespace {

constexpr const char* kPath = "/app/ConfigKq.ini";
constexpr const char* kExe = "C:\\工具\\MaterialWeight.exe";
const unsigned kReminderStyle = kMbOk | kMbTaskModal | kMbTopMost;

struct Window {
    Window() { surface.Bind(&renwu); }

    void SetFile(const std::string& utf8) { files.files[kPath] = Utf8ToCp936(utf8); }
    std::string File() const {
        const auto found = files.files.find(kPath);
        return found == files.files.end() ? std::string() : Cp936ToUtf8(found->second);
    }
    bool HasSection(int number) const { return File().find("[" + TaskStore::SectionName(number) + "]") != std::string::npos; }
    std::string Setting(const char* key) { return settings.Store().ReadString(SettingsFile::kSection, key); }

    // Puts a task together in the lists and the edit, then clicks "添加任务".
    void Add(int kind, int period, int month, int day, int weekday, int hour, int minute, int second,
             const std::string& text = "") {
        surface.SetSelection(IDC_RENWU_KIND, kind);
        surface.SetSelection(IDC_RENWU_PERIOD, period);
        surface.SetSelection(IDC_RENWU_MONTH, month - 1);
        surface.SetSelection(IDC_RENWU_DAY, day - 1);
        surface.SetSelection(IDC_RENWU_WEEKDAY, weekday);
        surface.SetSelection(IDC_RENWU_HOUR, hour);
        surface.SetSelection(IDC_RENWU_MINUTE, minute);
        surface.SetSelection(IDC_RENWU_SECOND, second);
        surface.SetText(IDC_RENWU_TEXT, text);
        surface.Click(IDC_RENWU_ADD);
    }
    void TickAt(int hour, int minute, int second) {
        clock.now.hour = hour;
        clock.now.minute = minute;
        clock.now.second = second;
        renwu.OnTimer(CRENWU::kClockTimer);
    }
    std::vector<std::string> Lines() const { return surface.At(IDC_RENWU_LIST).items; }

    MemorySurface surface;
    MemoryFileSystem files;
    SettingsFile settings{files, kPath};
    FakeClock clock;  // 22 July 2012, a Sunday, 08:30:00
    FakeRunRegistry registry;
    FakeTaskActions actions;
    FakeProgramChooser chooser;
    CRENWU renwu{surface, settings, RENWUServices{clock, registry, actions, chooser, kExe}};
};

TEST(RENWU, StartFillsTheListsAndPresetsThePresent) {
    Window w;
    w.clock.now = {2012, 7, 22, 8, 30, 41};
    w.renwu.OnInitDialog();
    const MemorySurface& s = w.surface;
    EXPECT_EQ(s.At(IDC_RENWU_KIND).items,
              (std::vector<std::string>{"定时提醒", "定时注销", "定时重启", "定时关机", "定时待机", "定时运行", "关显示器"}));
    EXPECT_EQ(s.At(IDC_RENWU_PERIOD).items,
              (std::vector<std::string>{"无周期", "每分钟", "每小时", "每  天", "每  周", "每  月"}));
    EXPECT_EQ(s.ItemCount(IDC_RENWU_MONTH), 12);
    EXPECT_EQ(s.ItemText(IDC_RENWU_DAY, 30), "31");
    EXPECT_EQ(s.ItemText(IDC_RENWU_WEEKDAY, 6), "星期日");
    EXPECT_EQ(s.ItemText(IDC_RENWU_HOUR, 0), "00");
    EXPECT_EQ(s.ItemCount(IDC_RENWU_HOUR), 24);
    EXPECT_EQ(s.ItemText(IDC_RENWU_MINUTE, 59), "59");
    EXPECT_EQ(s.ItemCount(IDC_RENWU_SECOND), 60);

    EXPECT_EQ(s.Selection(IDC_RENWU_KIND), 0);
    EXPECT_EQ(s.Selection(IDC_RENWU_PERIOD), 0);
    EXPECT_EQ(s.Selection(IDC_RENWU_MONTH), 6);
    EXPECT_EQ(s.Selection(IDC_RENWU_DAY), 21);
    EXPECT_EQ(s.Selection(IDC_RENWU_WEEKDAY), 6);
    EXPECT_EQ(s.Selection(IDC_RENWU_HOUR), 8);
    EXPECT_EQ(s.Selection(IDC_RENWU_MINUTE), 30);
    EXPECT_EQ(s.Selection(IDC_RENWU_SECOND), 0);
    EXPECT_EQ(s.Text(IDC_RENWU_NOW), "现在时间:2012-07-22 08:30:41星期日");
    EXPECT_EQ(s.Text(IDC_RENWU_UPTIME), "系统已运行: 0小时0分5秒");
    EXPECT_FALSE(s.Checked(IDC_RENWU_AUTORUN) || s.Checked(IDC_RENWU_MINIRUN) || s.Checked(IDC_RENWU_HIDETRAY));
    EXPECT_EQ(w.renwu.LastIndex(), -1);
    EXPECT_FALSE(w.files.Exists(kPath));  // nothing stored, nothing written
}

TEST(RENWU, StartReadsTheOptionsAndTheTasks) {
    Window w;
    w.SetFile("[Setting]\r\nautorun=1\r\nhidetubiao=1\r\n"
              "[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=0\r\nmonth01=7\r\ndate01=22\r\nhour01=8\r\nminute01=30\r\nsecond01=0\r\ntxy01=开会\r\n"
              "[任务02]\r\nrenwuxiang02=6\r\nzhouqi02=4\r\nweek02=4\r\nhour02=17\r\nminute02=0\r\nsecond02=0\r\ntxy02=关显示器\r\n");
    w.renwu.OnInitDialog();
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_AUTORUN));
    EXPECT_FALSE(w.surface.Checked(IDC_RENWU_MINIRUN));
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_HIDETRAY));
    EXPECT_TRUE(w.renwu.Autorun() && w.renwu.HideTrayIcon() && !w.renwu.StartHidden());
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1、07月22日08:30:00 开会", "2、每周5 17:00:00 关显示器"}));
    EXPECT_EQ(w.renwu.LastIndex(), 1);
    EXPECT_TRUE(w.files.hidden.count(kPath));
}

TEST(RENWU, AddRemoveAndClear) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kOnce, 7, 22, 0, 8, 30, 0, "开会");
    w.Add(kPowerOff, kEveryDay, 1, 1, 0, 7, 5, 0, "随手");
    w.Add(kMonitorOff, kEveryWeek, 1, 1, 6, 17, 0, 0);
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1、07月22日08:30:00 开会", "2、每天 07:05:00 系统关机",
                                                   "3、每周7 17:00:00 关显示器"}));
    EXPECT_EQ(w.surface.Text(IDC_RENWU_TEXT), "");  // the edit keeps what it holds
    EXPECT_EQ(w.renwu.Tasks()[1].text, "随手");     // in memory, until the next start
    EXPECT_TRUE(w.HasSection(3));
    EXPECT_TRUE(w.files.hidden.count(kPath));

    w.surface.Click(IDC_RENWU_REMOVE);  // no selection: nothing happens
    EXPECT_EQ(w.renwu.LastIndex(), 2);

    w.surface.SetSelection(IDC_RENWU_LIST, 1);
    w.surface.Click(IDC_RENWU_REMOVE);
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1、07月22日08:30:00 开会", "2、每周7 17:00:00 关显示器"}));
    EXPECT_FALSE(w.HasSection(3));
    EXPECT_EQ(w.settings.Store().ReadString("任务02", "renwuxiang02"), "6");
    EXPECT_EQ(w.settings.Store().ReadString("任务02", "week02"), "6");

    w.surface.Click(IDC_RENWU_CLEAR);
    EXPECT_TRUE(w.Lines().empty());
    EXPECT_EQ(w.renwu.LastIndex(), -1);
    EXPECT_FALSE(w.files.Exists(kPath));  // nothing else was stored
}

TEST(RENWU, ClearingKeepsTheOtherSettings) {
    Window w;
    w.SetFile("[Setting]\r\ndanwei=1\r\n[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=1\r\nsecond01=3\r\ntxy01=x\r\n");
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_CLEAR);
    EXPECT_EQ(w.File(), "[Setting]\r\ndanwei=1\r\n");
    EXPECT_TRUE(w.files.hidden.count(kPath));
}

TEST(RENWU, TheListHoldsSixtyEightTasks) {
    Window w;
    w.renwu.OnInitDialog();
    for (int i = 0; i < 68; ++i) w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, i % 60, "第" + std::to_string(i + 1));
    EXPECT_EQ(w.renwu.LastIndex(), 67);
    EXPECT_EQ(w.Lines().back(), "68、每分钟 07 第68");
    EXPECT_TRUE(w.surface.messages.empty());
    const std::string before = w.File();

    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 1, "多余");
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].text, "任务数量超出范围");
    EXPECT_EQ(w.surface.messages[0].caption, "警告");
    EXPECT_EQ(w.surface.messages[0].style, static_cast<unsigned>(kMbOk));
    EXPECT_EQ(w.renwu.LastIndex(), 67);
    EXPECT_EQ(w.File(), before);

    w.surface.SetSelection(IDC_RENWU_LIST, 0);
    w.surface.Click(IDC_RENWU_REMOVE);
    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 1, "补上");
    EXPECT_EQ(w.renwu.LastIndex(), 67);
    EXPECT_EQ(w.Lines().front(), "1、每分钟 01 第2");
    EXPECT_EQ(w.Lines().back(), "68、每分钟 01 补上");
    EXPECT_EQ(w.surface.messages.size(), 1u);

    // Reloaded after a restart, the list is the same.
    Window again;
    again.files = w.files;
    again.renwu.OnInitDialog();
    EXPECT_EQ(again.Lines(), w.Lines());
}

TEST(RENWU, AddStoresEveryFieldWhateverThePeriod) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kEveryMinute, 2, 30, 3, 4, 5, 6, "二月三十");
    const TimedTask& t = w.renwu.Tasks()[0];
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.date, 30);
    EXPECT_EQ(t.week, 3);
    EXPECT_EQ(t.hour, 4);
    EXPECT_EQ(t.minute, 5);
    EXPECT_EQ(t.second, 6);
    EXPECT_EQ(w.File(), "[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=1\r\nsecond01=6\r\ntxy01=二月三十\r\n");
}

TEST(RENWU, KindChangeLocksTheTextAndPicksAProgram) {
    Window w;
    w.renwu.OnInitDialog();
    w.surface.SetText(IDC_RENWU_TEXT, "开会");
    w.surface.Choose(IDC_RENWU_KIND, kLogOff);
    EXPECT_TRUE(w.surface.At(IDC_RENWU_TEXT).readOnly);
    EXPECT_EQ(w.chooser.opened, 0);
    w.surface.Choose(IDC_RENWU_KIND, kReminder);
    EXPECT_FALSE(w.surface.At(IDC_RENWU_TEXT).readOnly);

    w.surface.Choose(IDC_RENWU_KIND, kRunProgram);  // cancelled: the text stays
    EXPECT_EQ(w.chooser.opened, 1);
    EXPECT_EQ(w.surface.Text(IDC_RENWU_TEXT), "开会");
    EXPECT_TRUE(w.surface.At(IDC_RENWU_TEXT).readOnly);
    w.chooser.answer = "C:\\备份\\备份.exe";
    w.surface.Choose(IDC_RENWU_KIND, kRunProgram);
    EXPECT_EQ(w.surface.Text(IDC_RENWU_TEXT), "C:\\备份\\备份.exe");
    w.surface.Click(IDC_RENWU_ADD);
    EXPECT_EQ(w.Lines().back(), "1、07月22日08:30:00 运行C:\\备份\\备份.exe");
}

TEST(RENWU, PeriodChangeEnablesTheListsItUses) {
    Window w;
    w.renwu.OnInitDialog();
    const int lists[] = {IDC_RENWU_MONTH, IDC_RENWU_DAY, IDC_RENWU_WEEKDAY, IDC_RENWU_HOUR,
                         IDC_RENWU_MINUTE, IDC_RENWU_SECOND};
    const char* const expected[] = {"111111", "000001", "000011", "000111", "001111", "011111"};
    for (int period = kTaskPeriodCount - 1; period >= 0; --period) {
        w.surface.Choose(IDC_RENWU_PERIOD, period);
        std::string enabled;
        for (int id : lists) enabled += w.surface.Enabled(id) ? '1' : '0';
        EXPECT_EQ(enabled, expected[period]) << period;
    }
}

TEST(RENWU, HiddenStartAndTrayOptionsFollowTheCleanUpRule) {
    Window w;
    w.SetFile("[Setting]\r\ndanwei=1\r\n");
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_MINIRUN);
    w.surface.Click(IDC_RENWU_HIDETRAY);
    EXPECT_TRUE(w.renwu.StartHidden() && w.renwu.HideTrayIcon());
    EXPECT_EQ(w.File(), "[Setting]\r\ndanwei=1\r\nminirun=1\r\nhidetubiao=1\r\n");
    EXPECT_TRUE(w.files.hidden.count(kPath));
    w.surface.Click(IDC_RENWU_MINIRUN);
    w.surface.Click(IDC_RENWU_HIDETRAY);
    EXPECT_FALSE(w.renwu.StartHidden() || w.renwu.HideTrayIcon());
    EXPECT_EQ(w.File(), "[Setting]\r\ndanwei=1\r\n");
    w.settings.SaveUnitSystem(0);
    EXPECT_FALSE(w.files.Exists(kPath));
    EXPECT_TRUE(w.registry.values[RunRegistry::kMachine].empty());  // only 系统启动 touches the registry
}

TEST(RENWU, StartWithWindowsWritesTheMachineValueWhereAllowed) {
    Window w;
    w.registry.values[RunRegistry::kUser][CRENWU::kRunValueName] = "\"D:\\old\\MaterialWeight.exe\"";
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_AUTORUN);
    EXPECT_EQ(w.registry.values[RunRegistry::kMachine][CRENWU::kRunValueName], "\"C:\\工具\\MaterialWeight.exe\"");
    EXPECT_FALSE(w.registry.Has(RunRegistry::kUser, CRENWU::kRunValueName));  // never started twice
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_AUTORUN));
    EXPECT_EQ(w.Setting("autorun"), "1");

    w.surface.Click(IDC_RENWU_AUTORUN);
    EXPECT_FALSE(w.registry.Has(RunRegistry::kMachine, CRENWU::kRunValueName));
    EXPECT_FALSE(w.renwu.Autorun());
    EXPECT_FALSE(w.files.Exists(kPath));
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(RENWU, StartWithWindowsFallsBackToTheUsersKey) {
    Window w;
    w.registry.refused[RunRegistry::kMachine] = true;
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_AUTORUN);
    EXPECT_FALSE(w.registry.Has(RunRegistry::kMachine, CRENWU::kRunValueName));
    EXPECT_EQ(w.registry.values[RunRegistry::kUser][CRENWU::kRunValueName], "\"C:\\工具\\MaterialWeight.exe\"");
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_AUTORUN));
    EXPECT_TRUE(w.renwu.Autorun());
    EXPECT_EQ(w.Setting("autorun"), "1");
    EXPECT_TRUE(w.surface.messages.empty());

    w.surface.Click(IDC_RENWU_AUTORUN);
    EXPECT_FALSE(w.registry.Has(RunRegistry::kUser, CRENWU::kRunValueName));
    EXPECT_EQ(w.Setting("autorun"), "");
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(RENWU, StartWithWindowsRefusedEverywhereStaysOffAndSaysSo) {
    Window w;
    w.SetFile("[Setting]\r\nautorun=1\r\n");  // the file claims what the registry does not hold
    w.registry.refused[RunRegistry::kMachine] = w.registry.refused[RunRegistry::kUser] = true;
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_AUTORUN);  // off: nothing to remove, so that works
    EXPECT_FALSE(w.files.Exists(kPath));
    w.surface.Click(IDC_RENWU_AUTORUN);  // on: refused
    EXPECT_FALSE(w.surface.Checked(IDC_RENWU_AUTORUN));
    EXPECT_FALSE(w.renwu.Autorun());
    EXPECT_FALSE(w.files.Exists(kPath));
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].caption, "警告");
    EXPECT_NE(w.surface.messages[0].text.find("开机启动"), std::string::npos);
}

TEST(RENWU, AMachineValueThatCannotBeRemovedKeepsTheBoxTicked) {
    Window w;
    w.SetFile("[Setting]\r\nautorun=1\r\n");
    w.registry.values[RunRegistry::kMachine][CRENWU::kRunValueName] = "\"C:\\工具\\MaterialWeight.exe\"";
    w.registry.refused[RunRegistry::kMachine] = true;
    w.renwu.OnInitDialog();
    w.surface.Click(IDC_RENWU_AUTORUN);
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_AUTORUN));
    EXPECT_TRUE(w.renwu.Autorun());
    EXPECT_EQ(w.Setting("autorun"), "1");
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].caption, "警告");
}

TEST(RENWU, RemindersDueInOneTickShareOneBox) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 30, "喝水");
    w.Add(kReminder, kOnce, 7, 22, 0, 10, 15, 30, "开会");
    w.Add(kReminder, kEveryHour, 1, 1, 0, 0, 16, 30, "不到时候");
    w.TickAt(10, 15, 29);
    EXPECT_TRUE(w.surface.messages.empty());
    w.TickAt(10, 15, 30);
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].text, "7月22日 10:15:30\n喝水\n开会\n");
    EXPECT_EQ(w.surface.messages[0].caption, "定时提醒");
    EXPECT_EQ(w.surface.messages[0].style, kReminderStyle);
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1、每分钟 30 喝水", "2、每小时 16:30 不到时候"}));
    EXPECT_FALSE(w.HasSection(3));
    EXPECT_EQ(w.settings.Store().ReadString("任务02", "txy02"), "不到时候");
    EXPECT_EQ(w.surface.Text(IDC_RENWU_NOW), "现在时间:2012-07-22 10:15:30星期日");
    EXPECT_TRUE(w.actions.calls.empty());
}

TEST(RENWU, TwoProgramsDueInOneSecondBothStartAndLeave) {
    Window w;
    w.actions.programs = {{"C:\\a.exe", true}, {"C:\\b.exe", true}};
    w.renwu.OnInitDialog();
    w.Add(kRunProgram, kOnce, 7, 22, 0, 9, 0, 0, "C:\\a.exe");
    w.Add(kRunProgram, kOnce, 7, 22, 0, 9, 0, 0, "C:\\b.exe");
    w.Add(kReminder, kOnce, 7, 22, 0, 9, 0, 1, "之后");
    w.TickAt(9, 0, 0);
    EXPECT_EQ(w.actions.calls, (std::vector<std::string>{"run C:\\a.exe", "run C:\\b.exe"}));
    EXPECT_EQ(w.Lines(), (std::vector<std::string>{"1、07月22日09:00:01 之后"}));
    EXPECT_FALSE(w.HasSection(2));
    EXPECT_EQ(w.settings.Store().ReadString("任务01", "txy01"), "之后");
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(RENWU, AMissingProgramIsReportedInTheReminderBox) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kRunProgram, kEveryMinute, 1, 1, 0, 0, 0, 5, "C:\\已删除\\x.exe");
    w.Add(kRunProgram, kEveryMinute, 1, 1, 0, 0, 0, 5, "");
    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 5, "交班");
    w.TickAt(9, 0, 5);
    EXPECT_TRUE(w.actions.calls.empty());
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].text,
              "7月22日 09:00:05\n找不到要运行的程序：C:\\已删除\\x.exe\n找不到要运行的程序：\n交班\n");
    EXPECT_EQ(w.renwu.LastIndex(), 2);  // periodic tasks stay
}

TEST(RENWU, EachKindPerformsItsOwnAction) {
    Window w;
    w.renwu.OnInitDialog();
    for (int kind : {kLogOff, kRestart, kPowerOff, kStandby, kMonitorOff})
        w.Add(kind, kEveryDay, 1, 1, 0, 23, 0, 0);
    w.Add(kPowerOff, kOnce, 7, 22, 0, 23, 0, 0);
    w.TickAt(23, 0, 0);
    EXPECT_EQ(w.actions.calls,
              (std::vector<std::string>{"logoff", "restart", "poweroff", "standby", "monitoroff", "poweroff"}));
    EXPECT_EQ(w.renwu.LastIndex(), 4);
    EXPECT_FALSE(w.HasSection(6));  // gone from the file before the machine goes down
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(RENWU, SecondsAreNeitherCaughtUpNorTestedTwice) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 5, "五");
    w.Add(kStandby, kEveryMinute, 1, 1, 0, 0, 0, 6);
    w.TickAt(8, 31, 4);
    w.TickAt(8, 31, 6);  // 08:31:05 went by without a tick
    w.TickAt(8, 31, 6);  // two ticks in one second
    EXPECT_TRUE(w.surface.messages.empty());
    EXPECT_EQ(w.actions.calls, (std::vector<std::string>{"standby"}));
    w.clock.uptimeMs = 25ull * 86400000 + 5000;
    w.TickAt(8, 31, 7);
    EXPECT_EQ(w.surface.Text(IDC_RENWU_UPTIME), "系统已运行: 600小时0分5秒");
}

TEST(RENWU, OtherTimersAreNotTheClock) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kEveryMinute, 1, 1, 0, 0, 0, 0, "x");
    w.clock.now.minute = 31;
    w.renwu.OnTimer(2);
    EXPECT_TRUE(w.surface.messages.empty());
    EXPECT_EQ(w.surface.Text(IDC_RENWU_NOW), "现在时间:2012-07-22 08:30:00星期日");
}

TEST(RENWU, AFileThatCannotBeWrittenIsSaidOnceAndTheChangesAreKeptUntilItCanBe) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kEveryDay, 1, 1, 0, 8, 0, 0, "早会");
    const std::string before = w.File();
    w.files.readOnly = true;
    w.Add(kReminder, kEveryDay, 1, 1, 0, 9, 0, 0, "暂存");
    const std::vector<std::string> both{"1、每天 08:00:00 早会", "2、每天 09:00:00 暂存"};
    EXPECT_EQ(w.Lines(), both);
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].text, "无法写入设置文件 ConfigKq.ini,更改暂存在本次运行中,能写入时一并保存。");
    EXPECT_EQ(w.surface.messages[0].caption, "警告");
    EXPECT_EQ(w.File(), before);

    w.surface.Click(IDC_RENWU_MINIRUN);  // the option holds for the run
    EXPECT_TRUE(w.surface.Checked(IDC_RENWU_MINIRUN));
    EXPECT_TRUE(w.renwu.StartHidden());
    EXPECT_EQ(w.surface.messages.size(), 1u);  // said once, not at every click
    EXPECT_EQ(w.File(), before);

    w.files.readOnly = false;  // the next change that can be written writes every one before it
    w.Add(kReminder, kEveryDay, 1, 1, 0, 10, 0, 0, "下午");
    EXPECT_EQ(w.Lines().size(), 3u);
    EXPECT_NE(w.File().find("minirun=1"), std::string::npos);
    EXPECT_NE(w.File().find("暂存"), std::string::npos);
    w.files.readOnly = true;  // a new failure after a write that worked is said again
    w.Add(kReminder, kEveryDay, 1, 1, 0, 11, 0, 0, "又一次");
    EXPECT_EQ(w.surface.messages.size(), 2u);
}

TEST(RENWU, AOnceOnlyTaskThatCannotLeaveTheFileFiresOnceAndIsGoneForTheRun) {
    Window w;
    w.renwu.OnInitDialog();
    w.Add(kReminder, kOnce, 7, 22, 0, 10, 15, 30, "开会");
    w.Add(kReminder, kOnce, 7, 22, 0, 10, 15, 30, "同时");
    w.files.readOnly = true;
    w.TickAt(10, 15, 30);
    ASSERT_EQ(w.surface.messages.size(), 2u);  // the failure, then the reminders, each once
    EXPECT_EQ(w.surface.messages[0].caption, "警告");
    EXPECT_EQ(w.surface.messages[1].text, "7月22日 10:15:30\n开会\n同时\n");
    EXPECT_TRUE(w.Lines().empty());
    EXPECT_TRUE(w.HasSection(1));  // the file still has them until it can be written
    w.TickAt(10, 15, 31);
    EXPECT_EQ(w.surface.messages.size(), 2u);
}

}  // namespace
}  // namespace mw
