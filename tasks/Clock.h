// The local clock and the time since the system started, as the scheduler reads them.
#pragma once

#include <cstdint>

namespace mw {

struct LocalTime {
    int year = 2000, month = 1, day = 1;  // month 1..12
    int hour = 0, minute = 0, second = 0;
    bool operator==(const LocalTime& o) const {
        return year == o.year && month == o.month && day == o.day && hour == o.hour &&
               minute == o.minute && second == o.second;
    }
    bool operator!=(const LocalTime& o) const { return !(*this == o); }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    // Milliseconds since the system started, without wrapping.
    virtual std::uint64_t MillisecondsSinceStart() const = 0;
};

}  // namespace mw
