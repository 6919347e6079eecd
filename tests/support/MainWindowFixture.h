// The main window's logic with in-memory controls, clipboard and settings file, started the
// way the real window starts it; page one optional.
#pragma once

#include <memory>

#include "app/WeightDlg.h"
#include "pages/TAB1.h"
#include "pages/TAB2.h"
#include "pages/TAB3.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"
#include "tests/support/FakeMainWindow.h"
#include "tests/support/FakeTaskServices.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/MemorySurface.h"
#include "tools/WeightList.h"

namespace mw {

struct MainWindowFixture {
    static constexpr const char* kSettingsPath = "/app/ConfigKq.ini";
    static constexpr const char* kWeightListPath = "/app/WeightListKq.txt";

    MainWindowFixture() {
        dlg.SetWeightList(&weights, &clock, [this] { ++displayChanges; });
        host.controls[IDC_SEPARATOR] = {103, 300, 537, 302};
        surface.Bind(&dlg);
        surface.DefineRadioGroup({IDC_STAT_ADD, IDC_STAT_SUB});
        pageSurface.DefineRadioGroup({IDC_ROUND_INNER_MODE, IDC_ROUND_WALL_MODE});
    }

    // Starts the window: its settings bar first, then, with `withPages`, the pages one by one.
    void Start(bool withPages = true) {
        dlg.InitTabs();
        dlg.MeasureFullSize();
        dlg.InitSettingsBar();
        dlg.StartDelayedCollapse();
        if (!withPages) return;
        page1 = std::make_unique<CTAB1>(pageSurface, dlg);
        AddPage(0, *page1, pageSurface);
        page2 = std::make_unique<CTAB2>(page2Surface, dlg);
        AddPage(1, *page2, page2Surface);
        page3 = std::make_unique<CTAB3>(page3Surface, dlg);
        AddPage(2, *page3, page3Surface);
    }

    // A click on a page's tab: a hidden page computes what changed while it was hidden.
    void ShowTab(int index) {
        surface.SetSelection(IDC_TAB, index);
        dlg.OnTabChange();
    }

    void AddPage(int index, CalcPage& page, MemorySurface& on) {
        on.Bind(&page);
        page.OnInitDialog();
        dlg.AddPage(index, &page);
    }

    MemorySurface surface;
    MemorySurface pageSurface;   // page one
    MemorySurface page2Surface;
    MemorySurface page3Surface;
    FakeMainWindow host;
    MemoryClipboard clipboard;
    MemoryFileSystem files;
    SettingsFile settings{files, kSettingsPath};
    CWeightDlg dlg{surface, host, clipboard, settings};
    WeightList weights{files, kWeightListPath};
    FakeClock clock;
    int displayChanges = 0;
    std::unique_ptr<CTAB1> page1;
    std::unique_ptr<CTAB2> page2;
    std::unique_ptr<CTAB3> page3;
};

}  // namespace mw
