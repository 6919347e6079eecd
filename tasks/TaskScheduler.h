// The scheduler's view of the present: the clock read once a tick, the weekday, the status
// texts, and whether a task is due in this second.
#pragma once

#include <string>

#include "tasks/Clock.h"
#include "tasks/TimedTask.h"

namespace mw {

// 0 Monday … 6 Sunday, for a date of the Gregorian calendar.
int WeekdayIndex(int year, int month, int day);

class TaskScheduler {
public:
    explicit TaskScheduler(const Clock& clock) : clock_(clock) { Refresh(); }

    // Reads the clock.
    void Refresh();
    // True the first time it is asked in a second the clock shows: a second is tested once even
    // when two ticks fall into it. A second without a tick is not caught up.
    bool ClaimSecond();
    bool IsDue(const TimedTask& task) const;

    const LocalTime& Now() const { return now_; }
    int Weekday() const { return weekday_; }
    // "7月22日 08:30:00": the first line of a reminder box.
    std::string DateTimeText() const;
    // "现在时间:2012-01-01 08:30:00星期日"
    std::string NowLine() const;
    // "系统已运行: 601小时0分5秒"
    std::string UptimeLine() const;

    static const char* const kWeekdayNames[7];

private:
    const Clock& clock_;
    LocalTime now_;
    int weekday_ = 0;
    unsigned long long uptimeMs_ = 0;
    LocalTime claimed_;
    bool claimedAny_ = false;
};

}  // namespace mw
