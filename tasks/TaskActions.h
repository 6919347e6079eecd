// What due tasks do to the machine. Tests put a recorder in its place: none of it may ever run
// there.
#pragma once

#include <string>

namespace mw {

class TaskActions {
public:
    virtual ~TaskActions() = default;
    virtual void LogOff() = 0;
    virtual void Restart() = 0;
    virtual void PowerOff() = 0;
    virtual void Standby() = 0;
    virtual void MonitorOff() = 0;
    // A program is started only by its full path, and only when a file is there.
    virtual bool ProgramExists(const std::string& path) const = 0;
    virtual void StartProgram(const std::string& path) = 0;
};

}  // namespace mw
