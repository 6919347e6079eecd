// Weekday, status texts and the due test of a task.
#include "tasks/TaskScheduler.h"

#include <cstdio>

namespace mw {

const char* const TaskScheduler::kWeekdayNames[7] = {
    "星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};

int WeekdayIndex(int year, int month, int day) {
    // January and February count as months 13 and 14 of the year before.
    int y = year, m = month;
    if (m == 1 || m == 2) {
        m += 12;
        y -= 1;
    }
    const int index = (day + 2 * m + 3 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7;
    return index < 0 ? index + 7 : index;
}

void TaskScheduler::Refresh() {
    now_ = clock_.Now();
    weekday_ = WeekdayIndex(now_.year, now_.month, now_.day);
    uptimeMs_ = clock_.MillisecondsSinceStart();
}

bool TaskScheduler::ClaimSecond() {
    if (claimedAny_ && claimed_ == now_) return false;
    claimed_ = now_;
    claimedAny_ = true;
    return true;
}

bool TaskScheduler::IsDue(const TimedTask& t) const {
    const bool second = t.second == now_.second;
    const bool minute = second && t.minute == now_.minute;
    const bool time = minute && t.hour == now_.hour;
    switch (t.period) {
        case kOnce:        return time && t.month == now_.month && t.date == now_.day;
        case kEveryMinute: return second;
        case kEveryHour:   return minute;
        case kEveryDay:    return time;
        case kEveryWeek:   return time && t.week == weekday_;
        case kEveryMonth:  return time && t.date == now_.day;
        default:           return false;
    }
}

std::string TaskScheduler::DateTimeText() const {
    char text[64];
    std::snprintf(text, sizeof text, "%d月%d日 %02d:%02d:%02d", now_.month, now_.day, now_.hour,
                  now_.minute, now_.second);
    return text;
}

std::string TaskScheduler::NowLine() const {
    char text[96];
    std::snprintf(text, sizeof text, "现在时间:%d-%02d-%02d %02d:%02d:%02d%s", now_.year, now_.month,
                  now_.day, now_.hour, now_.minute, now_.second, kWeekdayNames[weekday_]);
    return text;
}

std::string TaskScheduler::UptimeLine() const {
    const unsigned long long hours = uptimeMs_ / 3600000, rest = uptimeMs_ % 3600000;
    return "系统已运行: " + std::to_string(hours) + "小时" + std::to_string(rest / 60000) + "分" +
           std::to_string(rest % 60000 / 1000) + "秒";
}

}  // namespace mw
