// Timed task records for tests, every field given in one call.
#pragma once

#include <string>

#include "tasks/TimedTask.h"

namespace mw {

inline TimedTask MakeTask(int kind, int period, const std::string& text, int month, int date, int week,
                          int hour, int minute, int second) {
    TimedTask t;
    t.kind = kind;
    t.period = period;
    t.text = text;
    t.month = month;
    t.date = date;
    t.week = week;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    return t;
}

}  // namespace mw
