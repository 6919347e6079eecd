// Timed tasks window: list, storage, options and the due-task test of every tick.
#include "tasks/RENWU.h"

#include <cstdio>

#include "kit/Captions.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"

namespace mw {

namespace {

const char kTableFull[] = "任务数量超出范围";
const char kReminderCaption[] = "定时提醒";
const char kRunRefused[] = "无法设置开机启动：没有写入注册表的权限。";
const char kRunStays[] = "无法取消开机启动：没有修改注册表的权限。";
const char kProgramMissing[] = "找不到要运行的程序：";

// The date and time lists, first to last item.
struct NumberList { int id, first, last; };
const NumberList kNumberLists[] = {
    {IDC_RENWU_MONTH, 1, 12}, {IDC_RENWU_DAY, 1, 31}, {IDC_RENWU_HOUR, 0, 23},
    {IDC_RENWU_MINUTE, 0, 59}, {IDC_RENWU_SECOND, 0, 59}};

// Which date and time lists a period uses (the weekday list stays on for monthly tasks).
const int kTimeLists[] = {IDC_RENWU_MONTH, IDC_RENWU_DAY, IDC_RENWU_WEEKDAY, IDC_RENWU_HOUR,
                          IDC_RENWU_MINUTE, IDC_RENWU_SECOND};
const bool kEnabledByPeriod[kTaskPeriodCount][6] = {
    // month  day    weekday hour   minute second
    {true,  true,  true,  true,  true,  true},   // once
    {false, false, false, false, false, true},   // every minute
    {false, false, false, false, true,  true},   // every hour
    {false, false, false, true,  true,  true},   // every day
    {false, false, true,  true,  true,  true},   // every week
    {false, true,  true,  true,  true,  true},   // every month
};

}  // namespace

const CRENWU::Option CRENWU::kOptions[kOptionCount] = {
    {IDC_RENWU_AUTORUN, "autorun", &CRENWU::autorun_},
    {IDC_RENWU_MINIRUN, "minirun", &CRENWU::startHidden_},
    {IDC_RENWU_HIDETRAY, "hidetubiao", &CRENWU::hideTrayIcon_},
};

CRENWU::CRENWU(ControlSurface& surface, SettingsFile& settings, const RENWUServices& services)
    : surface_(surface), settings_(settings), services_(services), store_(settings),
      scheduler_(services.clock) {}

void CRENWU::OnInitDialog() {
    for (const char* kind : kTaskKindNames) surface_.AddItem(IDC_RENWU_KIND, kind);
    for (const char* period : kTaskPeriodNames) surface_.AddItem(IDC_RENWU_PERIOD, period);
    for (const NumberList& list : kNumberLists) {
        for (int n = list.first; n <= list.last; ++n) {
            char text[8];
            std::snprintf(text, sizeof text, "%02d", n);
            surface_.AddItem(list.id, text);
        }
    }
    for (const char* day : TaskScheduler::kWeekdayNames) surface_.AddItem(IDC_RENWU_WEEKDAY, day);
    surface_.SetSelection(IDC_RENWU_KIND, kReminder);
    surface_.SetSelection(IDC_RENWU_PERIOD, kOnce);

    ProfileStore& store = settings_.Store();
    for (const Option& option : kOptions) {
        this->*option.flag = store.ReadInt(SettingsFile::kSection, option.key, 0) == 1;
        surface_.SetChecked(option.box, this->*option.flag);
    }

    LoadTasks();
    RefreshClock();
    const LocalTime& now = scheduler_.Now();
    surface_.SetSelection(IDC_RENWU_MONTH, now.month - 1);
    surface_.SetSelection(IDC_RENWU_DAY, now.day - 1);
    surface_.SetSelection(IDC_RENWU_WEEKDAY, scheduler_.Weekday());
    surface_.SetSelection(IDC_RENWU_HOUR, now.hour);
    surface_.SetSelection(IDC_RENWU_MINUTE, now.minute);
    surface_.SetSelection(IDC_RENWU_SECOND, 0);
}

void CRENWU::OnCommand(int id, Notify what) {
    if (what == Notify::Click) {
        switch (id) {
            case IDC_RENWU_ADD:      AddTask(); break;
            case IDC_RENWU_REMOVE:   RemoveTask(surface_.Selection(IDC_RENWU_LIST)); break;
            case IDC_RENWU_CLEAR:    ClearTasks(); break;
            case IDC_RENWU_AUTORUN:
            case IDC_RENWU_MINIRUN:
            case IDC_RENWU_HIDETRAY: OnOptionToggle(id); break;
            default: break;
        }
    } else if (what == Notify::SelChange) {
        if (id == IDC_RENWU_KIND) OnKindChange();
        if (id == IDC_RENWU_PERIOD) OnPeriodChange();
    }
}

void CRENWU::OnTimer(int id) {
    if (id != kClockTimer) return;
    RefreshClock();
    CheckDueTasks();
}

void CRENWU::LoadTasks() {
    tasks_ = store_.Load();
    // The rewrite renumbers what was read; should the file refuse it, what was read stays the
    // same, so nothing needs saying.
    store_.Save(tasks_, static_cast<int>(tasks_.size()));
    ShowTasks();
}

void CRENWU::SaveTasks(int formerCount) {
    if (!settings_.Told(store_.Save(tasks_, formerCount), surface_)) tasks_ = store_.Load();
    ShowTasks();
}

void CRENWU::ShowTasks() {
    surface_.ClearItems(IDC_RENWU_LIST);
    for (std::size_t i = 0; i < tasks_.size(); ++i)
        surface_.AddItem(IDC_RENWU_LIST, TaskLine(static_cast<int>(i) + 1, tasks_[i]));
}

void CRENWU::AddTask() {
    if (tasks_.size() >= static_cast<std::size_t>(TaskStore::kMaxTasks)) {
        surface_.ShowMessage(kTableFull, kWarningCaption, kMbOk);
        return;
    }
    const int formerCount = LastIndex() + 1;
    TimedTask t;
    t.kind = surface_.Selection(IDC_RENWU_KIND);
    t.period = surface_.Selection(IDC_RENWU_PERIOD);
    t.month = surface_.Selection(IDC_RENWU_MONTH) + 1;
    t.date = surface_.Selection(IDC_RENWU_DAY) + 1;
    t.week = surface_.Selection(IDC_RENWU_WEEKDAY);
    t.hour = surface_.Selection(IDC_RENWU_HOUR);
    t.minute = surface_.Selection(IDC_RENWU_MINUTE);
    t.second = surface_.Selection(IDC_RENWU_SECOND);
    t.text = surface_.Text(IDC_RENWU_TEXT);
    tasks_.push_back(t);
    SaveTasks(formerCount);
}

void CRENWU::RemoveTask(int index) {
    if (index < 0 || index > LastIndex()) return;  // no selection
    const int formerCount = LastIndex() + 1;
    tasks_.erase(tasks_.begin() + index);
    SaveTasks(formerCount);
}

void CRENWU::ClearTasks() {
    const int formerCount = LastIndex() + 1;
    tasks_.clear();
    SaveTasks(formerCount);
}

void CRENWU::OnKindChange() {
    const int kind = surface_.Selection(IDC_RENWU_KIND);
    surface_.SetReadOnly(IDC_RENWU_TEXT, kind != kReminder);
    std::string path;
    if (kind == kRunProgram && services_.chooser.ChooseProgram(path)) surface_.SetText(IDC_RENWU_TEXT, path);
}

void CRENWU::OnPeriodChange() {
    int period = surface_.Selection(IDC_RENWU_PERIOD);
    if (period < 0 || period >= kTaskPeriodCount) period = kOnce;
    for (int i = 0; i < 6; ++i) surface_.SetEnabled(kTimeLists[i], kEnabledByPeriod[period][i]);
}

void CRENWU::OnOptionToggle(int checkBox) {
    for (const Option& option : kOptions) {
        if (option.box != checkBox) continue;
        bool on = surface_.Checked(checkBox);
        if (checkBox == IDC_RENWU_AUTORUN && !ApplyStartWithWindows(on)) {
            on = !on;  // the box and the file say what the registry holds
            surface_.SetChecked(checkBox, on);
        }
        if (!settings_.Told(settings_.SaveOption(option.key, on ? 1 : 0), surface_)) {
            // The box shows what the file holds, and so does the Run value.
            const bool stored = settings_.ReadOption(option.key) == 1;
            if (checkBox == IDC_RENWU_AUTORUN && stored != on) ApplyStartWithWindows(stored);
            on = stored;
            surface_.SetChecked(checkBox, on);
        }
        this->*option.flag = on;
    }
}

bool CRENWU::ApplyStartWithWindows(bool on) {
    RunRegistry& registry = services_.registry;
    if (!on) {
        const bool machineGone = registry.RemoveValue(RunRegistry::kMachine, kRunValueName);
        const bool userGone = registry.RemoveValue(RunRegistry::kUser, kRunValueName);
        if (machineGone && userGone) return true;
        surface_.ShowMessage(kRunStays, kWarningCaption, kMbOk | kMbIconWarning);
        return false;
    }
    // For every user where the rights allow it, else for this user; never both, so that the
    // program does not start twice.
    const std::string command = "\"" + services_.executablePath + "\"";
    if (registry.SetValue(RunRegistry::kMachine, kRunValueName, command)) {
        registry.RemoveValue(RunRegistry::kUser, kRunValueName);
        return true;
    }
    if (registry.SetValue(RunRegistry::kUser, kRunValueName, command)) return true;
    surface_.ShowMessage(kRunRefused, kWarningCaption, kMbOk | kMbIconWarning);
    return false;
}

void CRENWU::RefreshClock() {
    scheduler_.Refresh();
    surface_.SetText(IDC_RENWU_NOW, scheduler_.NowLine());
    surface_.SetText(IDC_RENWU_UPTIME, scheduler_.UptimeLine());
}

void CRENWU::CheckDueTasks() {
    if (!scheduler_.ClaimSecond()) return;
    // The tasks due in this second are taken first, then the once-only ones leave the list in
    // one save: a save that fails shows the list as stored, and the loop must not walk a list
    // that changed under it.
    std::vector<TimedTask> due, staying;
    for (const TimedTask& task : tasks_) {
        const bool isDue = scheduler_.IsDue(task);
        if (isDue) due.push_back(task);
        if (!isDue || task.period != kOnce) staying.push_back(task);
    }
    if (due.empty()) return;
    if (staying.size() != tasks_.size()) {
        const int formerCount = LastIndex() + 1;
        tasks_ = std::move(staying);
        SaveTasks(formerCount);
    }
    std::string reminders;
    for (const TimedTask& task : due) {
        if (task.kind == kReminder) reminders += task.text + "\n";
        else Perform(task, reminders);
    }
    if (!reminders.empty())
        surface_.ShowMessage(scheduler_.DateTimeText() + "\n" + reminders, kReminderCaption,
                             kMbOk | kMbTaskModal | kMbTopMost);
}

void CRENWU::Perform(const TimedTask& task, std::string& reminders) {
    TaskActions& actions = services_.actions;
    switch (task.kind) {
        case kLogOff:     actions.LogOff(); break;
        case kRestart:    actions.Restart(); break;
        case kPowerOff:   actions.PowerOff(); break;
        case kStandby:    actions.Standby(); break;
        case kMonitorOff: actions.MonitorOff(); break;
        case kRunProgram:
            if (actions.ProgramExists(task.text)) actions.StartProgram(task.text);
            else reminders += kProgramMissing + task.text + "\n";
            break;
        default: break;
    }
}

}  // namespace mw
