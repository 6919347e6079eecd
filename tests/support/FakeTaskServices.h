// The timed tasks window's platform, recorded: a clock the test sets, actions that only count,
// a registry that can refuse either Run key, a file-open dialog with a prepared answer.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tasks/Clock.h"
#include "tasks/ProgramChooser.h"
#include "tasks/RunRegistry.h"
#include "tasks/TaskActions.h"

namespace mw {

class FakeClock : public Clock {
public:
    LocalTime Now() const override { return now; }
    std::uint64_t MillisecondsSinceStart() const override { return uptimeMs; }
    LocalTime now{2012, 7, 22, 8, 30, 0};
    std::uint64_t uptimeMs = 5000;
};

class FakeTaskActions : public TaskActions {
public:
    void LogOff() override { calls.push_back("logoff"); }
    void Restart() override { calls.push_back("restart"); }
    void PowerOff() override { calls.push_back("poweroff"); }
    void Standby() override { calls.push_back("standby"); }
    void MonitorOff() override { calls.push_back("monitoroff"); }
    bool ProgramExists(const std::string& path) const override { return programs.count(path) != 0; }
    void StartProgram(const std::string& path) override { calls.push_back("run " + path); }

    std::vector<std::string> calls;
    std::map<std::string, bool> programs;  // the files that exist
};

class FakeRunRegistry : public RunRegistry {
public:
    bool SetValue(Scope scope, const std::string& name, const std::string& data) override {
        if (refused[scope]) return false;
        values[scope][name] = data;
        return true;
    }
    bool RemoveValue(Scope scope, const std::string& name) override {
        if (!values[scope].count(name)) return true;
        if (refused[scope]) return false;
        values[scope].erase(name);
        return true;
    }
    bool Has(Scope scope, const std::string& name) const { return values[scope].count(name) != 0; }

    bool refused[2] = {false, false};
    mutable std::map<std::string, std::string> values[2];
};

class FakeProgramChooser : public ProgramChooser {
public:
    bool ChooseProgram(std::string& path) override {
        ++opened;
        if (answer.empty()) return false;
        path = answer;
        return true;
    }
    std::string answer;  // empty: the user cancels
    int opened = 0;
};

}  // namespace mw
