// The real actions of due tasks: log off, restart, power off, standby, monitor off, programs.
#pragma once

#include "tasks/TaskActions.h"

namespace mw {

class Win32TaskActions : public TaskActions {
public:
    void LogOff() override;
    void Restart() override;
    void PowerOff() override;
    void Standby() override;
    void MonitorOff() override;
    bool ProgramExists(const std::string& path) const override;
    void StartProgram(const std::string& path) override;
};

}  // namespace mw
