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
    store.BeginBatch();  // the file is read once
    std::vector<TimedTask> tasks;
    for (int number = 1; number <= kMaxTasks; ++number) {
        const std::string section = SectionName(number);
        auto read = [&](const char* format) { return store.ReadInt(section, Numbered(format, number), 0); };
        TimedTask t;
        t.kind = store.ReadInt(section, Numbered("renwuxiang%02d", number), -1);
        if (t.kind < 0 || t.kind >= kTaskKindCount) break;
        t.period = read("zhouqi%02d");
        t.month = read("month%02d");
        t.date = read("date%02d");
        t.week = read("week%02d");
        t.hour = read("hour%02d");
        t.minute = read("minute%02d");
        t.second = read("second%02d");
        t.text = store.ReadString(section, Numbered("txy%02d", number));
        tasks.push_back(t);
    }
    store.CommitBatch();
    return tasks;
}

bool TaskStore::Save(const std::vector<TimedTask>& tasks, int formerCount) {
    assert(tasks.size() <= static_cast<std::size_t>(kMaxTasks));
    ProfileStore& store = settings_.Store();
    // One replace of the file: a rewrite cut short would lose or muddle the tasks after the cut.
    store.BeginBatch();
    for (int number = formerCount; number > static_cast<int>(tasks.size()); --number)
        store.DeleteSection(SectionName(number));
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const TimedTask& t = tasks[i];
        const int number = static_cast<int>(i) + 1;
        const std::string section = SectionName(number);
        auto put = [&](const char* format, int value) { store.WriteInt(section, Numbered(format, number), value); };
        put("renwuxiang%02d", t.kind);
        put("zhouqi%02d", t.period);
        if (t.period >= 0 && t.period < kTaskPeriodCount) {
            const PeriodKeys& keys = kPeriodKeys[t.period];
            if (keys.month) put("month%02d", t.month);
            if (keys.date) put("date%02d", t.date);
            if (keys.week) put("week%02d", t.week);
            if (keys.hour) put("hour%02d", t.hour);
            if (keys.minute) put("minute%02d", t.minute);
        }
        put("second%02d", t.second);
        store.WriteString(section, Numbered("txy%02d", number), StoredText(t));
    }
    const bool written = store.CommitBatch();
    settings_.Hide();
    settings_.RemoveIfEmpty();
    return written;
}

}  // namespace mw
