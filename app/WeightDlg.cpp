// The main window's behaviour, apart from the platform: settings bar, statistics, tool windows.
#include "app/WeightDlg.h"

#include <cstdio>

#include "expr/Atof.h"
#include "expr/CalcExpression.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "settings/TextFields.h"
#include "tasks/Clock.h"
#include "tools/WeightList.h"

namespace mw {

namespace {

const char* const kTabTitles[] = {" 第 一 页 ", " 第 二 页 ", " 第 三 页 "};
const char* const kUnitSystems[] = {"kg;mm", "kg;m", "t;m"};
const char kTopMostOff[] = "置 顶";
const char kTopMostOn[] = "不置顶";
const char kExpanded[] = "↑";
const char kCollapsed[] = "↓";
constexpr std::size_t kDensityTextMax = 29;  // the density edit is read into a 30-byte buffer

struct Tooltip { int id; const char* text; };
const Tooltip kTooltips[] = {
    {IDC_TOPMOST,     "窗口置顶"},
    {IDC_COLLAPSE,    "显示隐藏广告区"},
    {IDC_STAT_COPY,   "点击复制右侧结果"},
    {IDC_RESET,       "重置清零"},
    {IDC_TOOLS,       "更多工具和设置项"},
    {IDC_ATTACH,      "勾选后附加窗体附着于主窗体"},
    {IDC_CALCULATOR,  "点击调用系统计算器"},
    {IDC_STAT_SWITCH, "勾选后重量值自动进入计算器第一格"},
    {IDC_HINT,        "即时表达式计算结果"},
};

// Order in which the follow timer moves the tool windows.
const ToolWindow kFollowOrder[] = {kToolHANGUAN, kToolAILIAOMIDU, kToolDANWEI, kToolZHOUCHENG,
                                   kToolDINGYICAILIAO, kToolRENWU, kToolWeightListDlg, kToolCutPlanDlg,
                                   kToolLookupDlg};

}  // namespace

// Tools-menu entry, the window it toggles and the timer that keeps it beside the main window.
const CWeightDlg::ToolEntry CWeightDlg::kTools[kToolCount] = {
    {IDM_HANGUAN,   kToolHANGUAN,   3},
    {IDM_AILIAOMIDU,      kToolAILIAOMIDU,      4},
    {IDM_DANWEI,    kToolDANWEI,    5},
    {IDM_ZHOUCHENG, kToolZHOUCHENG, 6},
    {IDM_DINGYICAILIAO,    kToolDINGYICAILIAO,    7},
    {IDM_RENWU,     kToolRENWU,     8},
    {IDM_WEIGHTLIST,   kToolWeightListDlg,   9},
    {IDM_CUTPLAN,      kToolCutPlanDlg,     10},
    {IDM_LOOKUP,       kToolLookupDlg,      13},  // 11 and 12 were taken by then
};

CWeightDlg::CWeightDlg(ControlSurface& surface, MainWindowHost& host, Clipboard& clipboard,
                       SettingsFile& settings)
    : surface_(surface), host_(host), clipboard_(clipboard), settingsFile_(settings) {}

void CWeightDlg::InitTabs() {
    for (const char* title : kTabTitles) surface_.AddItem(IDC_TAB, title);
    surface_.SetSelection(IDC_TAB, 0);
}

void CWeightDlg::InitSettingsBar() {
    for (int i = 0; i <= 9; ++i) surface_.AddItem(IDC_DECIMALS, std::to_string(i));
    for (const char* units : kUnitSystems) surface_.AddItem(IDC_UNITSYSTEM, units);
    surface_.SetChecked(IDC_STAT_SWITCH, true);
    surface_.SetChecked(IDC_STAT_ADD, true);
    surface_.SetChecked(IDC_ATTACH, true);
    surface_.SetText(IDC_TOPMOST, kTopMostOff);
    surface_.SetText(IDC_COLLAPSE, kExpanded);
    surface_.SetEnabled(IDC_COLLAPSE, false);

    char density[64];
    std::snprintf(density, sizeof density, "%f", settings_.density);
    std::string text = density;
    while (!text.empty() && text.back() == '0') text.pop_back();
    surface_.SetText(IDC_DENSITY, text);  // raises the density handler once

    surface_.SetSelection(IDC_DECIMALS, settings_.decimals);
    settings_.unitSystem = settingsFile_.ReadUnitSystem();
    surface_.SetSelection(IDC_UNITSYSTEM, settings_.unitSystem);
}

void CWeightDlg::MeasureFullSize() {
    const ScreenRect window = host_.WindowRect();
    fullWidth_ = window.Width();
    fullHeight_ = window.Height();
    const ScreenRect separator = host_.ControlRect(IDC_SEPARATOR);
    collapsed_ = {window.left, window.top, window.right, separator.bottom};
}

void CWeightDlg::StartDelayedCollapse() { host_.StartTimer(kCollapseTimer, kCollapseDelayMs); }

void CWeightDlg::OnCommand(int id, Notify what) {
    switch (id) {
        case IDC_DECIMALS:    if (what == Notify::SelChange) OnDecimalsChange(); break;
        case IDC_UNITSYSTEM:  if (what == Notify::SelChange) OnUnitSystemChange(); break;
        case IDC_DENSITY:     if (what == Notify::Change) OnDensityChange(); break;
        case IDC_STAT_EXPR:   if (what == Notify::Change) OnStatisticsChange(); break;
        case IDC_STAT_SWITCH: if (what == Notify::Click) OnStatisticsSwitch(); break;
        case IDC_STAT_COPY:   if (what == Notify::Click) OnCopyTotal(); break;
        case IDC_RESET:       if (what == Notify::Click) OnReset(); break;
        case IDC_TOPMOST:     if (what == Notify::Click) OnTopMost(); break;
        case IDC_TOOLS:       if (what == Notify::Click) host_.TrackToolsMenu(); break;
        case IDC_ATTACH:      if (what == Notify::Click) attached_ = !attached_; break;
        case IDC_CALCULATOR:  if (what == Notify::Click) host_.StartCalculator(); break;
        case IDC_COLLAPSE:    if (what == Notify::Click) OnCollapse(); break;
        case IDC_ABOUT:       if (what == Notify::Click) host_.ShowAbout(); break;
        case IDC_BANNER_LINK: if (what == Notify::Click) host_.OpenVendorPage(); break;
        case IDM_EXIT:        host_.Exit(); break;
        case IDM_HANGUAN: case IDM_AILIAOMIDU: case IDM_DANWEI:
        case IDM_ZHOUCHENG: case IDM_DINGYICAILIAO: case IDM_RENWU: case IDM_WEIGHTLIST: case IDM_CUTPLAN:
        case IDM_LOOKUP:      OnToolCommand(id); break;
        default: break;
    }
}

void CWeightDlg::OnTimer(int id) {
    if (id == kCollapseTimer) Collapse();
    else if (id >= kTools[0].timer && id <= kTools[kToolCount - 1].timer) FollowMainWindow();
}

void CWeightDlg::AddPage(int index, Page* page) {
    pages_[index] = page;
    if (page) page->Outdate();
    OnTabChange();
}

int CWeightDlg::ShownPage() const {
    const int shown = surface_.Selection(IDC_TAB);
    return shown == 1 || shown == 2 ? shown : 0;
}

void CWeightDlg::OnTabChange() {
    const int shown = ShownPage();
    if (pages_[shown]) pages_[shown]->CatchUp();  // before it shows: its first paint is current
    for (int page = 0; page < kPageCount; ++page) host_.ShowPage(page, page == shown);
}

std::string CWeightDlg::TooltipText(int id) const {
    for (const Tooltip& tip : kTooltips)
        if (tip.id == id) return tip.text;
    return {};
}

void CWeightDlg::OnDecimalsChange() {
    settings_.decimals = surface_.Selection(IDC_DECIMALS);
    OnStatisticsChange();
    RecomputeAll();
    if (displayChanged_) displayChanged_();
}

void CWeightDlg::OnUnitSystemChange() {
    settings_.unitSystem = surface_.Selection(IDC_UNITSYSTEM);
    // Should the file refuse it, the choice still holds for this run; the user learns it is not kept.
    settingsFile_.Told(settingsFile_.SaveUnitSystem(settings_.unitSystem), surface_);
    RecomputeAll();
    if (displayChanged_) displayChanged_();
}

void CWeightDlg::OnDensityChange() {
    settings_.density = AtofPrefix(surface_.Text(IDC_DENSITY).substr(0, kDensityTextMax));
    RecomputeAll();
}

void CWeightDlg::OnStatisticsChange() {
    statistics_ = surface_.Text(IDC_STAT_EXPR);
    const double total = CalcExpression(statistics_);
    const std::string text = FormatWeight(total, surface_.Selection(IDC_DECIMALS));
    // A keystroke may leave the sum as it was ("12" to "12.0"): then nothing is set.
    surface_.SetTextIfChanged(IDC_STAT_TOTAL, text);
}

void CWeightDlg::OnStatisticsSwitch() { statisticsOn_ = surface_.Checked(IDC_STAT_SWITCH); }

void CWeightDlg::OnCopyTotal() { CopyText(surface_.Text(IDC_STAT_TOTAL)); }

bool CWeightDlg::CopyText(const std::string& text) { return CopyOrSay(clipboard_, surface_, text); }

void CWeightDlg::OnTopMost() {
    const bool makeTopMost = surface_.Text(IDC_TOPMOST) == kTopMostOff;
    host_.SetTopMost(makeTopMost);
    surface_.SetText(IDC_TOPMOST, makeTopMost ? kTopMostOn : kTopMostOff);
}

void CWeightDlg::OnReset() {
    for (Page* page : pages_)
        if (page) page->ResetPage();
}

void CWeightDlg::OnCollapse() {
    const ScreenRect window = host_.WindowRect();
    const ScreenRect separator = host_.ControlRect(IDC_SEPARATOR);
    collapsed_ = {window.left, window.top, window.right, separator.bottom};
    if (surface_.Text(IDC_COLLAPSE) == kExpanded) {
        host_.ResizeWindow(collapsed_.Width(), collapsed_.Height());
        surface_.SetText(IDC_COLLAPSE, kCollapsed);
        host_.ReleaseBanner();
    } else {
        host_.ResizeWindow(fullWidth_, fullHeight_);
        surface_.SetText(IDC_COLLAPSE, kExpanded);
        host_.LoadBanner();
    }
}

void CWeightDlg::Collapse() {
    host_.ResizeWindow(collapsed_.Width(), collapsed_.Height());
    surface_.SetText(IDC_COLLAPSE, kCollapsed);
    surface_.SetEnabled(IDC_COLLAPSE, true);
    host_.ReleaseBanner();
    host_.StopTimer(kCollapseTimer);
}

void CWeightDlg::OnToolCommand(int command) {
    for (const ToolEntry& entry : kTools) {
        if (entry.command != command) continue;
        if (toolShown_[entry.tool]) {
            host_.ShowToolWindow(entry.tool, false);
            toolShown_[entry.tool] = false;
            host_.StopTimer(entry.timer);
        } else {
            lastSeen_ = host_.WindowRect();
            host_.MoveToolWindow(entry.tool, lastSeen_.left + fullWidth_, lastSeen_.top, true);
            host_.ShowToolWindow(entry.tool, true);
            toolShown_[entry.tool] = true;
            host_.StartTimer(entry.timer, kFollowPeriodMs);
        }
        return;
    }
}

void CWeightDlg::OpenLookup() {
    if (!toolShown_[kToolLookupDlg]) OnToolCommand(IDM_LOOKUP);
}

bool CWeightDlg::SendToCalculator(int page, const SizeChoice& choice) {
    if (page < 0 || page >= kPageCount || !pages_[page]) return false;
    surface_.SetSelection(IDC_TAB, page);
    OnTabChange();
    return pages_[page]->Choose(choice);
}

void CWeightDlg::FollowMainWindow() {
    const ScreenRect window = host_.WindowRect();
    if (!attached_ || (window.left == lastSeen_.left && window.top == lastSeen_.top)) return;
    lastSeen_ = window;
    for (ToolWindow tool : kFollowOrder)
        host_.MoveToolWindow(tool, window.left + fullWidth_, window.top, false);
}

void CWeightDlg::RecomputeAll() {
    for (Page* page : pages_)
        if (page) page->Outdate();
    if (Page* shown = pages_[ShownPage()]) shown->CatchUp();
}

std::string CWeightDlg::NowText() const {
    if (!clock_) return {};
    const LocalTime now = clock_->Now();
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return text;
}

void CWeightDlg::RecordWeighing(const Weighing& weighing) {
    if (weightList_) weightList_->Told(weightList_->Add(weighing, NowText()), surface_);
}

std::optional<CurrentMaterial> CWeightDlg::ShownMaterial() {
    Page* shown = pages_[ShownPage()];
    if (!shown) return std::nullopt;
    shown->CatchUp();
    return shown->Material();
}

double CWeightDlg::CalcExpression(const std::string& text) const { return mw::CalcExpression(text); }

void CWeightDlg::SetHint(const std::string& text) {
    surface_.SetTextIfChanged(IDC_HINT, text);
}

int CWeightDlg::AddSubtractChoice() { return surface_.Checked(IDC_STAT_SUB) ? 1 : 0; }

void CWeightDlg::SetStatisticsExpression(const std::string& text) {
    statistics_ = text;
    surface_.SetText(IDC_STAT_EXPR, text);  // the edit's change handler sums it at once
}

ProfileStore& CWeightDlg::Profile() { return settingsFile_.Store(); }

}  // namespace mw
