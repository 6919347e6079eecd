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
    // Writes every task's section: kind, period, text and the time keys its period uses. Keys the
    // period does not use keep what the file holds.
    void Save(const std::vector<TimedTask>& tasks);
    // Deletes the section of task `number` (1-based) as a whole.
    void RemoveSection(int number);

    static std::string SectionName(int number);

private:
    void Put(const std::string& section, const char* keyFormat, int number, const std::string& value);

    SettingsFile& settings_;
};

}  // namespace mw
