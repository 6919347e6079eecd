// The timed tasks window: the task list and its storage, the three window options of its bottom
// line, and the once-a-second clock that fires due tasks, also while the window is hidden.
#pragma once

#include <string>
#include <vector>

#include "kit/ControlSurface.h"
#include "res/ProductName.h"
#include "tasks/ProgramChooser.h"
#include "tasks/RunRegistry.h"
#include "tasks/TaskActions.h"
#include "tasks/TaskScheduler.h"
#include "tasks/TaskStore.h"

namespace mw {

class SettingsFile;

// What the window needs of the platform besides its controls.
struct RENWUServices {
    const Clock& clock;
    RunRegistry& registry;
    TaskActions& actions;
    ProgramChooser& chooser;
    std::string executablePath;  // what the Run value starts
};

class CRENWU : public CommandTarget {
public:
    static constexpr int kClockTimer = 1;
    static constexpr unsigned kClockPeriodMs = 1000;
    static constexpr int kListExtentPixels = 680;
    static constexpr const char* kRunValueName = kProductName;

    CRENWU(ControlSurface& surface, SettingsFile& settings, const RENWUServices& services);

    // Fills the lists, reads the options and the tasks, shows the clock and presets the date and
    // time to the present. The binding then starts the clock timer.
    void OnInitDialog();
    void OnCommand(int id, Notify what) override;
    void OnTimer(int id);

    void LoadTasks();
    // Writes every task, drops the sections of tasks gone since `formerCount`, shows the list again.
    // When the file cannot be written the user is told, and the list shows the tasks the file
    // really holds, which are those of the next start.
    void SaveTasks(int formerCount);
    void AddTask();
    void RemoveTask(int index);
    void ClearTasks();
    void OnKindChange();
    void OnPeriodChange();
    void OnOptionToggle(int checkBox);

    void RefreshClock();
    void CheckDueTasks();

    const std::vector<TimedTask>& Tasks() const { return tasks_; }
    int LastIndex() const { return static_cast<int>(tasks_.size()) - 1; }
    bool Autorun() const { return autorun_; }
    bool StartHidden() const { return startHidden_; }
    bool HideTrayIcon() const { return hideTrayIcon_; }

private:
    // The check boxes of the bottom line, their keys in the settings file and their flags.
    struct Option { int box; const char* key; bool CRENWU::*flag; };
    static constexpr int kOptionCount = 3;
    static const Option kOptions[kOptionCount];

    void ShowTasks();
    // Writes or removes the Run value; false (and says why) when the registry refuses.
    bool ApplyStartWithWindows(bool on);
    // Performs a due task of kinds 1 to 6; what the user must learn goes into `reminders`.
    void Perform(const TimedTask& task, std::string& reminders);

    ControlSurface& surface_;
    SettingsFile& settings_;
    RENWUServices services_;
    TaskStore store_;
    TaskScheduler scheduler_;
    std::vector<TimedTask> tasks_;
    bool autorun_ = false, startHidden_ = false, hideTrayIcon_ = false;
};

}  // namespace mw
