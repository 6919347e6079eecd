// The local date and time from the system clock.
#pragma once

#include "app/WeightDlg.h"

namespace mw {

class Win32WallClock : public WallClock {
public:
    std::string Now() const override;
};

}  // namespace mw
