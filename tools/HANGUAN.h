// The welded pipe size window: two fixed lists, thin and thick wall.
#pragma once

#include "kit/ControlSurface.h"

namespace mw {

class CHANGUAN {
public:
    explicit CHANGUAN(ControlSurface& surface) : surface_(surface) {}

    void OnInitDialog();

private:
    ControlSurface& surface_;
};

}  // namespace mw
