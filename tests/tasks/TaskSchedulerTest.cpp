// Weekday, due test, status lines and the once-a-second rule of the scheduler.
#include <gtest/gtest.h>

#include "tasks/TaskScheduler.h"
#include "tests/support/FakeTaskServices.h"
#include "tests/support/TaskRecords.h"

namespace mw {
namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Calls `visit(y, m, d)` for every day of the given years.
template <class F> void EveryDay(int fromYear, int toYear, F visit) {
    for (int y = fromYear; y <= toYear; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysIn(y, m); ++d) visit(y, m, d);
}

TEST(TaskScheduler, WeekdayFollowsTheCalendar) {
    EXPECT_EQ(WeekdayIndex(2012, 1, 1), 6);   // a Sunday
    EXPECT_EQ(WeekdayIndex(2000, 2, 29), 1);  // a Tuesday
    EXPECT_EQ(WeekdayIndex(2024, 7, 22), 0);  // a Monday
    // Day by day through a leap year and the year after: one step a day, Sunday to Monday.
    int expected = 6, days = 0;
    EveryDay(2012, 2013, [&](int y, int m, int d) {
        EXPECT_EQ(WeekdayIndex(y, m, d), expected) << y << "-" << m << "-" << d;
        expected = (expected + 1) % 7;
        ++days;
    });
    EXPECT_EQ(days, 366 + 365);
}

struct SchedulerAt {
    explicit SchedulerAt(LocalTime now) { clock.now = now; scheduler.Refresh(); }
    FakeClock clock;
    TaskScheduler scheduler{clock};
};

// A reminder with the given period and time fields.
TimedTask Due(int period, int month, int date, int week, int hour, int minute, int second) {
    return MakeTask(kReminder, period, "", month, date, week, hour, minute, second);
}

TEST(TaskScheduler, DueTestComparesTheFieldsOfThePeriod) {
    SchedulerAt at({2012, 7, 22, 10, 15, 30});  // a Sunday
    const TaskScheduler& s = at.scheduler;
    // Fields a period does not use do not count.
    EXPECT_TRUE(s.IsDue(Due(kOnce, 7, 22, 0, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kOnce, 8, 22, 6, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kOnce, 7, 21, 6, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kOnce, 7, 22, 6, 10, 15, 31)));
    EXPECT_TRUE(s.IsDue(Due(kEveryMinute, 1, 1, 0, 0, 0, 30)));
    EXPECT_FALSE(s.IsDue(Due(kEveryMinute, 7, 22, 6, 10, 15, 29)));
    EXPECT_TRUE(s.IsDue(Due(kEveryHour, 1, 1, 0, 0, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kEveryHour, 7, 22, 6, 10, 16, 30)));
    EXPECT_TRUE(s.IsDue(Due(kEveryDay, 1, 1, 0, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kEveryDay, 7, 22, 6, 11, 15, 30)));
    EXPECT_TRUE(s.IsDue(Due(kEveryWeek, 1, 1, 6, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kEveryWeek, 7, 22, 5, 10, 15, 30)));
    EXPECT_TRUE(s.IsDue(Due(kEveryMonth, 1, 22, 0, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(kEveryMonth, 7, 23, 6, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(6, 7, 22, 6, 10, 15, 30)));
    EXPECT_FALSE(s.IsDue(Due(-1, 7, 22, 6, 10, 15, 30)));
}

TEST(TaskScheduler, WeeklyAndMonthlyTasksOverAYear) {
    const TimedTask sunday = Due(kEveryWeek, 0, 0, 6, 9, 0, 0);
    const TimedTask day31 = Due(kEveryMonth, 0, 31, 0, 9, 0, 0);
    const TimedTask feb30 = Due(kOnce, 2, 30, 0, 9, 0, 0);
    int sundays = 0;
    std::vector<int> monthsOf31;
    EveryDay(2012, 2012, [&](int y, int m, int d) {
        SchedulerAt at({y, m, d, 9, 0, 0});
        if (at.scheduler.IsDue(sunday)) {
            ++sundays;
            EXPECT_EQ(at.scheduler.Weekday(), 6);
        }
        if (at.scheduler.IsDue(day31)) monthsOf31.push_back(m);
        EXPECT_FALSE(at.scheduler.IsDue(feb30));
    });
    EXPECT_EQ(sundays, 53);  // 2012 starts on a Sunday and has 366 days
    EXPECT_EQ(monthsOf31, (std::vector<int>{1, 3, 5, 7, 8, 10, 12}));
}

TEST(TaskScheduler, StatusLines) {
    SchedulerAt at({2012, 1, 1, 8, 5, 9});
    EXPECT_EQ(at.scheduler.NowLine(), "现在时间:2012-01-01 08:05:09星期日");
    EXPECT_EQ(at.scheduler.DateTimeText(), "1月1日 08:05:09");
    EXPECT_EQ(at.scheduler.UptimeLine(), "系统已运行: 0小时0分5秒");
    // Past 24.9 days a signed 32-bit count turns negative, past 49.7 days an unsigned one wraps.
    const std::pair<std::uint64_t, const char*> cases[] = {
        {25ull * 86400000 + 3723000, "系统已运行: 601小时2分3秒"},
        {2147483647ull + 1, "系统已运行: 596小时31分23秒"},
        {4294967296ull + 1000, "系统已运行: 1193小时2分48秒"},
        {3599999, "系统已运行: 0小时59分59秒"}};
    for (const auto& [ms, line] : cases) {
        at.clock.uptimeMs = ms;
        at.scheduler.Refresh();
        EXPECT_EQ(at.scheduler.UptimeLine(), line) << ms;
    }
}

TEST(TaskScheduler, EachSecondIsClaimedOnce) {
    SchedulerAt at({2012, 1, 1, 8, 5, 9});
    EXPECT_TRUE(at.scheduler.ClaimSecond());
    at.scheduler.Refresh();
    EXPECT_FALSE(at.scheduler.ClaimSecond());
    at.clock.now.second = 11;  // a second skipped is simply gone
    at.scheduler.Refresh();
    EXPECT_TRUE(at.scheduler.ClaimSecond());
    at.clock.now.second = 9;   // the clock set back: that second counts again
    at.scheduler.Refresh();
    EXPECT_TRUE(at.scheduler.ClaimSecond());
}

}  // namespace
}  // namespace mw
