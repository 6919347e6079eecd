// The timed tasks in the settings file: one section a task, 任务01 … 任务68, keys numbered alike.
#pragma once

#include <string>
#include <vector>

#include "tasks/TimedTask.h"

namespace mw {

class SettingsFile;

class TaskStore {
public:
    static constexpr int kMaxTasks = 68;

    explicit TaskStore(SettingsFile& settings) : settings_(settings) {}

    // The leading run of sections whose kind is a known one; the first section that is missing or
    // holds another kind ends the list, and sections after it stay in the file unread.
    std::vector<TimedTask> Load();
    // Writes every task's section: kind, period, text and the time keys its period uses; keys the
    // period does not use keep what the file holds. The sections of tasks `tasks.size()` + 1 up to
    // `formerCount` go as a whole. Then the file is hidden, or deleted when nothing is left in it.
    // False when the file could not be written; it then holds what it held before.
    bool Save(const std::vector<TimedTask>& tasks, int formerCount);

    static std::string SectionName(int number);

private:
    SettingsFile& settings_;
};

}  // namespace mw
