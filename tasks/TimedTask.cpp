// Task kinds and periods by name, and the list line of a task.
#include "tasks/TimedTask.h"

#include <cstdio>

namespace mw {

const char* const kTaskKindNames[kTaskKindCount] = {
    "定时提醒", "定时注销", "定时重启", "定时关机", "定时待机", "定时运行", "关显示器"};
const char* const kTaskPeriodNames[kTaskPeriodCount] = {
    "无周期", "每分钟", "每小时", "每  天", "每  周", "每  月"};

namespace {

const char* const kKindLabels[kTaskKindCount] = {
    "", "系统注销", "系统重启", "系统关机", "系统待机", "", "关显示器"};

std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0, int e = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b, c, d, e);
    return text;
}

// The number and the time the task is due, by period; a period the window never writes (a hand-
// edited file) shows the number alone.
std::string TimePart(int number, const TimedTask& t) {
    switch (t.period) {
        case kOnce:
            return Format("%d、", number) +
                   Format("%02d月%02d日%02d:%02d:%02d", t.month, t.date, t.hour, t.minute, t.second);
        case kEveryMinute: return Format("%d、每分钟 ", number) + Format("%02d", t.second);
        case kEveryHour:   return Format("%d、每小时 ", number) + Format("%02d:%02d", t.minute, t.second);
        case kEveryDay:
            return Format("%d、每天 ", number) + Format("%02d:%02d:%02d", t.hour, t.minute, t.second);
        case kEveryWeek:
            return Format("%d、每周%d ", number, t.week + 1) +
                   Format("%02d:%02d:%02d", t.hour, t.minute, t.second);
        case kEveryMonth:
            return Format("%d、每月 ", number) +
                   Format("%02d日%02d:%02d:%02d", t.date, t.hour, t.minute, t.second);
        default: return Format("%d、", number);
    }
}

}  // namespace

const char* TaskKindLabel(int kind) { return kind >= 0 && kind < kTaskKindCount ? kKindLabels[kind] : ""; }

std::string StoredText(const TimedTask& task) {
    return task.kind == kReminder || task.kind == kRunProgram ? task.text : TaskKindLabel(task.kind);
}

std::string TaskLine(int number, const TimedTask& task) {
    const std::string kind = task.kind == kRunProgram ? " 运行" + task.text : " " + StoredText(task);
    return TimePart(number, task) + kind;
}

}  // namespace mw
