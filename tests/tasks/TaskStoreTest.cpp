// The task sections of the settings file: what each period writes, round trips, gaps.
#include <gtest/gtest.h>

#include <cstdio>

#include "settings/Cp936.h"
#include "settings/SettingsFile.h"
#include "tasks/TaskStore.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/TaskRecords.h"

namespace mw {
namespace {

constexpr const char* kPath = "/app/ConfigKq.ini";

struct Stored {
    MemoryFileSystem files;
    SettingsFile settings{files, kPath};
    TaskStore store{settings};

    void SetFile(const std::string& utf8) { files.files[kPath] = Utf8ToCp936(utf8); }
    std::string Key(int number, const std::string& key) {
        return settings.Store().ReadString(TaskStore::SectionName(number), key);
    }
    bool HasSection(int number) {
        return Cp936ToUtf8(files.files[kPath]).find("[" + TaskStore::SectionName(number) + "]") != std::string::npos;
    }
};

TEST(TaskStore, EachPeriodWritesItsOwnKeys) {
    Stored s;
    s.store.Save({MakeTask(kReminder, kOnce, "开会", 7, 22, 3, 8, 30, 0),
                  MakeTask(kLogOff, kEveryMinute, "随手", 1, 2, 3, 4, 5, 6),
                  MakeTask(kRunProgram, kEveryHour, "C:\\a.exe", 1, 2, 3, 4, 5, 6),
                  MakeTask(kPowerOff, kEveryDay, "", 1, 2, 3, 4, 5, 6),
                  MakeTask(kMonitorOff, kEveryWeek, "", 1, 2, 6, 17, 0, 0),
                  MakeTask(kStandby, kEveryMonth, "", 1, 31, 3, 4, 5, 6)}, 0);
    const char* const keys[] = {"month", "date", "week", "hour", "minute"};
    const char* const expected[6][5] = {
        {"7", "22", "",  "8",  "30"},
        {"",  "",   "",  "",   ""},
        {"",  "",   "",  "",   "5"},
        {"",  "",   "",  "4",  "5"},
        {"",  "",   "6", "17", "0"},
        {"",  "31", "",  "4",  "5"}};
    const char* const texts[] = {"开会", "系统注销", "C:\\a.exe", "系统关机", "关显示器", "系统待机"};
    for (int n = 1; n <= 6; ++n) {
        char suffix[4];
        std::snprintf(suffix, sizeof suffix, "%02d", n);
        EXPECT_EQ(s.Key(n, std::string("zhouqi") + suffix), std::to_string(n - 1));
        EXPECT_EQ(s.Key(n, std::string("txy") + suffix), texts[n - 1]);
        EXPECT_FALSE(s.Key(n, std::string("second") + suffix).empty());
        for (int k = 0; k < 5; ++k) EXPECT_EQ(s.Key(n, keys[k] + std::string(suffix)), expected[n - 1][k]) << n << keys[k];
    }
    EXPECT_EQ(s.Key(1, "renwuxiang01"), "0");
    EXPECT_EQ(s.Key(6, "renwuxiang06"), "4");
    EXPECT_TRUE(s.files.hidden.count(kPath));
}

TEST(TaskStore, RoundTripGivesKindsTheirLabels) {
    Stored s;
    const std::vector<TimedTask> saved = {MakeTask(kReminder, kOnce, "开会", 7, 22, 0, 8, 30, 0),
                                          MakeTask(kLogOff, kEveryDay, "随手", 0, 0, 0, 23, 59, 59),
                                          MakeTask(kRunProgram, kEveryWeek, "D:\\备份\\b.exe", 0, 0, 6, 0, 0, 1)};
    s.store.Save(saved, 0);
    const std::vector<TimedTask> loaded = s.store.Load();
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0].text, "开会");
    EXPECT_EQ(loaded[0].month, 7);
    EXPECT_EQ(loaded[0].date, 22);
    EXPECT_EQ(loaded[1].text, "系统注销");
    EXPECT_EQ(loaded[1].hour, 23);
    EXPECT_EQ(loaded[1].second, 59);
    EXPECT_EQ(loaded[2].text, "D:\\备份\\b.exe");
    EXPECT_EQ(loaded[2].week, 6);
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(TaskLine(static_cast<int>(i) + 1, loaded[i]), TaskLine(static_cast<int>(i) + 1, saved[i]));
}

TEST(TaskStore, AGapEndsTheListAndLaterSectionsWait) {
    Stored s;
    s.SetFile("[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=1\r\nsecond01=5\r\ntxy01=一\r\n"
              "[任务03]\r\nrenwuxiang03=0\r\nzhouqi03=1\r\nsecond03=7\r\ntxy03=三\r\n");
    std::vector<TimedTask> tasks = s.store.Load();
    ASSERT_EQ(tasks.size(), 1u);
    s.store.Save(tasks, 1);
    EXPECT_TRUE(s.HasSection(3));  // untouched and unread
    tasks.push_back(MakeTask(kReminder, kEveryMinute, "二", 0, 0, 0, 0, 0, 6));
    s.store.Save(tasks, 1);
    tasks = s.store.Load();
    ASSERT_EQ(tasks.size(), 3u);
    EXPECT_EQ(tasks[2].text, "三");
    EXPECT_EQ(tasks[2].second, 7);
}

TEST(TaskStore, MissingKeysReadAsZeroAndUnknownKindsEndTheList) {
    Stored s;
    s.SetFile("[任务01]\r\nrenwuxiang01=5\r\n"
              "[任务02]\r\nrenwuxiang02=7\r\nzhouqi02=1\r\n"
              "[任务03]\r\nrenwuxiang03=0\r\n");
    const std::vector<TimedTask> tasks = s.store.Load();
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].kind, kRunProgram);
    EXPECT_EQ(tasks[0].period, 0);
    EXPECT_EQ(tasks[0].month, 0);
    EXPECT_EQ(tasks[0].text, "");
    s.SetFile("[任务01]\r\nzhouqi01=1\r\n");  // no kind at all
    EXPECT_TRUE(s.store.Load().empty());
}

TEST(TaskStore, KeysThePeriodDoesNotWriteKeepTheirValues) {
    Stored s;
    s.SetFile("[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=0\r\nmonth01=5\r\ndate01=9\r\nweek01=2\r\n");
    s.store.Save({MakeTask(kReminder, kEveryMinute, "x", 1, 1, 1, 1, 1, 30)}, 1);
    EXPECT_EQ(s.Key(1, "month01"), "5");
    EXPECT_EQ(s.Key(1, "date01"), "9");
    EXPECT_EQ(s.Key(1, "week01"), "2");
    EXPECT_EQ(s.Key(1, "zhouqi01"), "1");
    EXPECT_EQ(s.Key(1, "second01"), "30");
}

TEST(TaskStore, SectionsOfTasksGoneAreDeletedAndAnEmptyFileWithThem) {
    Stored s;
    s.files.files[kPath] = "";
    s.store.Save({}, 0);
    EXPECT_FALSE(s.files.Exists(kPath));
    const TimedTask task = MakeTask(kReminder, kEveryMinute, "x", 0, 0, 0, 0, 0, 1);
    s.store.Save({task, task, task}, 0);
    s.store.Save({task}, 3);
    EXPECT_TRUE(s.HasSection(1));
    EXPECT_FALSE(s.HasSection(2) || s.HasSection(3));
    EXPECT_TRUE(s.files.hidden.count(kPath));
    s.SetFile("[Setting]\r\ndanwei=1\r\n" + Cp936ToUtf8(s.files.files[kPath]));
    s.store.Save({}, 1);
    EXPECT_EQ(Cp936ToUtf8(s.files.files[kPath]), "[Setting]\r\ndanwei=1\r\n");
    s.store.Save({task}, 0);
    s.settings.SaveUnitSystem(0);
    s.store.Save({}, 1);
    EXPECT_FALSE(s.files.Exists(kPath));
}

}  // namespace
}  // namespace mw
