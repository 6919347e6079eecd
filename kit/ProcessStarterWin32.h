// Starting programs with the platform's process functions.
#pragma once

#include "kit/ProcessStarter.h"

namespace mw {

class Win32ProcessStarter : public ProcessStarter {
public:
    bool StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) override;
};

// The full path of the running executable.
std::string ExecutablePath();

}  // namespace mw
