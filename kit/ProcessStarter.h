// Starting another program, behind an interface so that tests record the start instead.
#pragma once

#include <functional>
#include <string>

namespace mw {

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the program at `path` without arguments, with normal priority. The new process runs
    // only once `beforeItRuns` has returned, so this program can first let go of what the new one
    // takes at its start. False, and `beforeItRuns` not called, when the program cannot start.
    virtual bool StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) = 0;
};

}  // namespace mw
