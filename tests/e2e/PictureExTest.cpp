// The banner under Wine: it plays, its thread ends when the window collapses, and collapsing and
// expanding the window a hundred times leaves the process's GDI objects as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

// While the banner plays, its thread holds a brush for the length of a frame: the lowest of a few
// samples is the count that stays.
int SettledGdiObjectCount(HANDLE process) {
    int lowest = GdiObjectCount(process);
    for (int sample = 0; sample < 10; ++sample) {
        Sleep(20);
        lowest = std::min(lowest, GdiObjectCount(process));
    }
    return lowest;
}

TEST(PictureEx, PlaysStopsWithTheCollapseAndLeaksNoGdiObjects) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    // Expanding by hand after the delayed collapse starts the banner again, for good.
    ASSERT_TRUE(WaitUntil([&] { return Enabled(r.main, IDC_COLLAPSE); }, 15000));
    const int collapsedThreads = ThreadCount(r.app.ProcessId());
    Click(r.main, IDC_COLLAPSE);
    ASSERT_EQ(Text(r.main, IDC_COLLAPSE), "↑");
    EXPECT_EQ(ThreadCount(r.app.ProcessId()), collapsedThreads + 1);  // the animation thread

    // The banner lies below the window's height: make the window tall enough to show it.
    HWND banner = GetDlgItem(r.main, IDC_BANNER);
    const RECT at = WindowRect(banner);
    EXPECT_EQ(at.right - at.left, 425);  // the control takes the picture's size
    EXPECT_EQ(at.bottom - at.top, 87);
    const RECT window = WindowRect(r.main);
    SetWindowPos(r.main, nullptr, 0, 0, window.right - window.left, at.bottom - window.top + 8,
                 SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return !ScreenPixels(banner).empty(); }));
    const std::vector<unsigned char> first = ScreenPixels(banner);
    SaveScreenshot(banner, "banner-1");
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixels(banner) != first; }, 4000));
    SaveScreenshot(banner, "banner-2");

    Click(r.main, IDC_COLLAPSE);  // returns once the thread has ended
    EXPECT_EQ(ThreadCount(r.app.ProcessId()), collapsedThreads);
    const int withoutBanner = GdiObjectCount(r.app.Process());
    Click(r.main, IDC_COLLAPSE);
    const int before = SettledGdiObjectCount(r.app.Process());
    ASSERT_GT(withoutBanner, 0);
    EXPECT_GT(before, withoutBanner);  // the count sees the banner's canvas and frames
    std::printf("GDI objects: %d collapsed, %d expanded\n", withoutBanner, before);
    for (int cycle = 0; cycle < 100; ++cycle) {
        Click(r.main, IDC_COLLAPSE);
        Click(r.main, IDC_COLLAPSE);
    }
    EXPECT_EQ(Text(r.main, IDC_COLLAPSE), "↑");
    EXPECT_EQ(SettledGdiObjectCount(r.app.Process()), before);
    EXPECT_EQ(ThreadCount(r.app.ProcessId()), collapsedThreads + 1);
    EXPECT_TRUE(r.app.Running());
}

}  // namespace
}  // namespace mw::e2e
