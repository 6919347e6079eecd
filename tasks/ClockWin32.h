// The system's local clock and tick count.
#pragma once

#include "tasks/Clock.h"

namespace mw {

class Win32Clock : public Clock {
public:
    Win32Clock();
    LocalTime Now() const override;
    std::uint64_t MillisecondsSinceStart() const override;

private:
    using TickCount64 = unsigned long long(__stdcall*)();
    TickCount64 tickCount64_;  // null on systems older than the 64-bit count
};

}  // namespace mw
