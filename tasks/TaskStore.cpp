// Reading and writing the task sections through the one settings store.
#include "tasks/TaskStore.h"

#include <cassert>
#include <cstdio>

#include "settings/SettingsFile.h"

namespace mw {

namespace {

std::string Numbered(const char* format, int number) {
    char text[32];
    std::snprintf(text, sizeof text, format, number);
    return text;
}

// Which time keys each period writes.
struct PeriodKeys { bool month, date, week, hour, minute; };
const PeriodKeys kPeriodKeys[kTaskPeriodCount] = {
    //  month  date   week   hour   minute
    {true,  true,  false, true,  true },  // once
    {false, false, false, false, false},  // every minute
    {false, false, false, false, true },  // every hour
    {false, false, false, true,  true },  // every day
    {false, false, true,  true,  true },  // every week
    {false, true,  false, true,  true },  // every month
};

}  // namespace

std::string TaskStore::SectionName(int number) { return Numbered("任务%02d", number); }

std::vector<TimedTask> TaskStore::Load() {
    ProfileStore& store = settings_.Store();
    std::vector<TimedTask> tasks;
    for (int number = 1; number <= kMaxTasks; ++number) {
        const std::string section = SectionName(number);
        auto read = [&](const char* format) { return store.ReadInt(section, Numbered(format, number), 0); };
        TimedTask t;
        t.renwuxiang = store.ReadInt(section, Numbered("renwuxiang%02d", number), -1);
        if (t.renwuxiang < 0 || t.renwuxiang >= kTaskKindCount) break;
        t.zhouqi = read("zhouqi%02d");
        t.month = read("month%02d");
        t.date = read("date%02d");
        t.week = read("week%02d");
        t.hour = read("hour%02d");
        t.minute = read("minute%02d");
        t.second = read("second%02d");
        t.txy = store.ReadString(section, Numbered("txy%02d", number));
        tasks.push_back(t);
    }
    return tasks;
}

void TaskStore::Save(const std::vector<TimedTask>& tasks) {
    assert(tasks.size() <= static_cast<std::size_t>(kMaxTasks));
    settings_.RemoveIfEmpty();
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const TimedTask& t = tasks[i];
        const int number = static_cast<int>(i) + 1;
        const std::string section = SectionName(number);
        auto put = [&](const char* format, int value) { Put(section, format, number, std::to_string(value)); };
        put("renwuxiang%02d", t.renwuxiang);
        put("zhouqi%02d", t.zhouqi);
        if (t.zhouqi >= 0 && t.zhouqi < kTaskPeriodCount) {
            const PeriodKeys& keys = kPeriodKeys[t.zhouqi];
            if (keys.month) put("month%02d", t.month);
            if (keys.date) put("date%02d", t.date);
            if (keys.week) put("week%02d", t.week);
            if (keys.hour) put("hour%02d", t.hour);
            if (keys.minute) put("minute%02d", t.minute);
        }
        put("second%02d", t.second);
        Put(section, "txy%02d", number, StoredText(t));
    }
    settings_.Hide();
}

void TaskStore::RemoveSection(int number) { settings_.Store().DeleteSection(SectionName(number)); }

// Each write rewrites the whole file, and the whole set is saved after every change; a key that
// already holds its value is left alone, so adding a task to a long list writes only what is new.
void TaskStore::Put(const std::string& section, const char* keyFormat, int number, const std::string& value) {
    ProfileStore& store = settings_.Store();
    const std::string key = Numbered(keyFormat, number);
    if (store.ReadString(section, key) != value) store.WriteString(section, key, value);
}

}  // namespace mw
