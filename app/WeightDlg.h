// The main window: the shared settings, the statistics line, the hint line, the page tabs,
// the tool windows and the buttons of the settings bar.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"
#include "app/MainWindowHost.h"
#include "pages/PageHost.h"

namespace mw {

class Clock;
class SettingsFile;
class WeightList;

class CWeightDlg : public CommandTarget, public PageHost {
public:
    static constexpr int kPageCount = 3;
    static constexpr int kCollapseTimer = 11;
    static constexpr unsigned kCollapseDelayMs = 10000;
    static constexpr unsigned kFollowPeriodMs = 200;

    CWeightDlg(ControlSurface& surface, MainWindowHost& host, Clipboard& clipboard,
               SettingsFile& settings);

    // A page built after the settings bar, as the start builds them: it joins the others and
    // shows if its tab is the one selected, computing every calculator first; a hidden page
    // computes them when it is first shown (or first reached).
    void AddPage(int index, Page* page);
    // Where "重量" presses are recorded; `displayChanged` runs after a change of weight unit or
    // decimal places, so that the list shows them.
    void SetWeightList(WeightList* list, const Clock* clock, std::function<void()> displayChanged) {
        weightList_ = list;
        clock_ = clock;
        displayChanged_ = std::move(displayChanged);
    }

    // Initialisation steps that belong to the window's logic, in their order.
    void InitTabs();
    void InitSettingsBar();   // density, decimal places, unit system
    void StartDelayedCollapse();
    void MeasureFullSize();   // the full size and the collapsed rectangle

    void OnCommand(int id, Notify what) override;
    void OnTimer(int id);
    void OnTabChange();
    std::string TooltipText(int id) const;

    // Handlers of the settings bar and the statistics line.
    void OnDecimalsChange();
    void OnUnitSystemChange();
    void OnDensityChange();
    void OnStatisticsChange();
    void OnStatisticsSwitch();
    void OnCopyTotal();
    void OnTopMost();
    void OnReset();
    void OnCollapse();
    void OnToolCommand(int command);
    // A tool window hid itself through its own close box.
    void ToolWindowClosed(ToolWindow tool) { toolShown_[tool] = false; }
    bool ToolShown(ToolWindow tool) const { return toolShown_[tool]; }

    // After a change of density, decimal places or unit system: the page shown computes again
    // at once, the hidden pages when they are shown (Page::CatchUp).
    void RecomputeAll();

    // The evaluator, as the statistics line uses it.
    double CalcExpression(const std::string& text) const;

    // PageHost
    void SetHint(const std::string& text) override;
    const CalcSettings& Settings() const override { return settings_; }
    bool StatisticsOn() const override { return statisticsOn_; }
    int AddSubtractChoice() override;
    std::string StatisticsExpression() const override { return statistics_; }
    void SetStatisticsExpression(const std::string& text) override;
    bool CopyText(const std::string& text) override;
    ProfileStore& Profile() override;
    void RecordWeighing(const Weighing& weighing) override;

    // Opens the lookup window if it is not open (Ctrl+F never closes it).
    void OpenLookup();
    // Shows the page and hands it a size chosen in the lookup window; false when no calculator
    // of the page took it (or the page is not built yet).
    bool SendToCalculator(int page, const SizeChoice& choice);

    // The current calculator of the page shown, for the cutting plan.
    std::optional<CurrentMaterial> ShownMaterial();
    // Local time as the weight list records it ("2026-12-09 14:05:03"); empty without a clock.
    std::string NowText() const;

private:
    struct ToolEntry { int command; ToolWindow tool; int timer; };
    static const ToolEntry kTools[kToolCount];

    void Collapse();
    void FollowMainWindow();
    int ShownPage() const;  // the index of the page whose tab is selected

    ControlSurface& surface_;
    MainWindowHost& host_;
    Clipboard& clipboard_;
    SettingsFile& settingsFile_;
    std::array<Page*, kPageCount> pages_{};

    CalcSettings settings_;
    std::string statistics_;
    bool statisticsOn_ = true;
    bool attached_ = true;
    std::array<bool, kToolCount> toolShown_{};
    int fullWidth_ = 0, fullHeight_ = 0;
    ScreenRect collapsed_;
    ScreenRect lastSeen_;
    WeightList* weightList_ = nullptr;
    const Clock* clock_ = nullptr;
    std::function<void()> displayChanged_;
};

}  // namespace mw
