// One timed task, the names of its kinds and periods, and the line the task list shows for it.
#pragma once

#include <string>

namespace mw {

// Kinds in the order of the kind list.
enum TaskKind { kReminder, kLogOff, kRestart, kPowerOff, kStandby, kRunProgram, kMonitorOff,
                kTaskKindCount };
// Periods in the order of the period list.
enum TaskPeriod { kOnce, kEveryMinute, kEveryHour, kEveryDay, kEveryWeek, kEveryMonth,
                  kTaskPeriodCount };

struct TimedTask {
    int kind = kReminder;        // kept under "renwuxiang" in the settings file
    std::string text;            // reminder text or program path; the label for the other kinds ("txy")
    int period = kOnce;          // kept under "zhouqi"
    int month = 1;               // 1..12
    int week = 0;                // 0 Monday … 6 Sunday
    int date = 1;                // day of the month
    int hour = 0, minute = 0, second = 0;
};

extern const char* const kTaskKindNames[kTaskKindCount];
extern const char* const kTaskPeriodNames[kTaskPeriodCount];

// The text kinds other than reminder and program carry; empty for those two.
const char* TaskKindLabel(int kind);
// The text a task keeps in its section: its own for reminders and programs, else its label.
std::string StoredText(const TimedTask& task);
// The task list's line for task `number` (1-based).
std::string TaskLine(int number, const TimedTask& task);

}  // namespace mw
