// List lines of tasks and the text a task keeps in the file.
#include <gtest/gtest.h>

#include "tasks/TimedTask.h"
#include "tests/support/TaskRecords.h"

namespace mw {
namespace {

// 22 July, Fridays for weekly tasks, 08:30:05.
TimedTask Task(int kind, int period, const char* text = "") {
    return MakeTask(kind, period, text, 7, 22, 4, 8, 30, 5);
}

TEST(TimedTask, LineOfEveryPeriod) {
    EXPECT_EQ(TaskLine(1, Task(kReminder, kOnce, "开会")), "1、07月22日08:30:05 开会");
    EXPECT_EQ(TaskLine(2, Task(kReminder, kEveryMinute, "喝水")), "2、每分钟 05 喝水");
    EXPECT_EQ(TaskLine(3, Task(kReminder, kEveryHour, "")), "3、每小时 30:05 ");
    EXPECT_EQ(TaskLine(4, Task(kPowerOff, kEveryDay)), "4、每天 08:30:05 系统关机");
    EXPECT_EQ(TaskLine(5, Task(kMonitorOff, kEveryWeek)), "5、每周5 08:30:05 关显示器");
    EXPECT_EQ(TaskLine(68, Task(kStandby, kEveryMonth)), "68、每月 22日08:30:05 系统待机");
    // A period no window writes (a hand-edited file) shows no time.
    EXPECT_EQ(TaskLine(6, Task(kReminder, 9, "开会")), "6、 开会");
}

TEST(TimedTask, LineOfEveryKind) {
    TimedTask t = Task(kRunProgram, kEveryDay, "C:\\工具\\备份.exe");
    t.hour = 7;
    t.minute = 5;
    t.second = 0;
    EXPECT_EQ(TaskLine(3, t), "3、每天 07:05:00 运行C:\\工具\\备份.exe");
    const char* const expected[] = {" 随手", " 系统注销", " 系统重启", " 系统关机", " 系统待机",
                                    " 运行随手", " 关显示器"};
    for (int kind = 0; kind < kTaskKindCount; ++kind) {
        // Whatever the edit held, only reminders and programs keep their own text.
        const TimedTask task = Task(kind, kEveryMinute, "随手");
        EXPECT_EQ(TaskLine(1, task), std::string("1、每分钟 05") + expected[kind]) << kind;
        EXPECT_EQ(StoredText(task), kind == kReminder || kind == kRunProgram ? "随手" : TaskKindLabel(kind));
    }
}

TEST(TimedTask, SundayIsDaySevenOfTheWeek) {
    TimedTask t = Task(kMonitorOff, kEveryWeek);
    t.week = 6;
    t.hour = 17;
    t.minute = 0;
    t.second = 0;
    EXPECT_EQ(TaskLine(2, t), "2、每周7 17:00:00 关显示器");
}

}  // namespace
}  // namespace mw
