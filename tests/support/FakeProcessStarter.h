// Program starts, recorded instead of made; can pretend that the program does not start.
#pragma once

#include <string>
#include <vector>

#include "kit/ProcessStarter.h"

namespace mw {

class FakeProcessStarter : public ProcessStarter {
public:
    bool StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) override {
        if (fails) return false;
        started.push_back(path);
        beforeItRuns();
        return true;
    }
    std::vector<std::string> started;
    bool fails = false;
};

}  // namespace mw
