// Every window at the display's dots per inch (scripts/wine-test.sh runs this suite at 96, 120,
// 144 and 192): each label, button and check box's text fits its control in the control's font,
// no control reaches outside its window, the pages cover neither the settings bar nor the tab
// headers, the tool windows open beside the main window without covering it, and a picture of
// each window is saved with the dots per inch in its name.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

// The test sees the program's windows in the display's own pixels, as the program does: without
// this, the system would hand a process that is not aware of the scale coordinates at 96.
const bool kTestIsDpiAware = [] {
    using SetAware = BOOL(WINAPI*)();
    if (auto set = reinterpret_cast<SetAware>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDPIAware"))))
        return set() != FALSE;
    return false;
}();

int DisplayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Scaled(int pixelsAt96) { return MulDiv(pixelsAt96, DisplayDpi(), 96); }

std::string Describe(const RECT& r) {
    std::ostringstream out;
    out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
    return out.str();
}

std::string NameOf(HWND control) {
    std::ostringstream out;
    out << ClassOf(control) << " " << GetDlgCtrlID(control) << " \"" << WindowText(control) << "\"";
    return out.str();
}

// A control's rectangle in its parent's client coordinates.
RECT RectInParent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> Children(HWND window) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// The font a dialog's controls are drawn in, made in this process: a font handle belongs to the
// process that made it. The dialog manager makes it from the template's 9-point "宋体" at the
// display's dots per inch; CheckTexts makes sure a control uses the dialog's font.
class DialogFont {
public:
    DialogFont() {
        LOGFONTW font = {};
        font.lfHeight = -MulDiv(9, DisplayDpi(), 72);
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = GB2312_CHARSET;
        wcscpy(font.lfFaceName, L"宋体");
        font_ = CreateFontIndirectW(&font);
        dc_ = CreateCompatibleDC(nullptr);
        old_ = SelectObject(dc_, font_);
    }
    ~DialogFont() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(font_);
    }
    // The size `text` takes, drawn as DrawText draws it with `format` within `width`.
    SIZE Measure(const std::wstring& text, UINT format, int width) const {
        RECT r = {0, 0, width, 0};
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
        return {r.right - r.left, r.bottom - r.top};
    }

private:
    HFONT font_;
    HDC dc_;
    HGDIOBJ old_;
};

enum class TextKind { None, Static, Push, Check, Group };

TextKind KindOf(HWND control) {
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const std::string cls = ClassOf(control);
    if (cls == "Static") {
        switch (style & SS_TYPEMASK) {
            case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_LEFTNOWORDWRAP: case SS_SIMPLE:
                return TextKind::Static;
            default:
                return TextKind::None;
        }
    }
    if (cls != "Button" || (style & BS_BITMAP) || (style & BS_ICON)) return TextKind::None;
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: return TextKind::Push;
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE:
        case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON: return TextKind::Check;
        case BS_GROUPBOX: return TextKind::Group;
        default: return TextKind::None;
    }
}

struct Checker {
    explicit Checker(std::string where) : where(std::move(where)) {}

    void Problem(const std::string& what) { ADD_FAILURE() << where << ": " << what; }

    // Each label, button and check box shows its whole text in the dialog's font.
    void CheckTexts(HWND window) {
        const auto dialogFont = SendMessageW(window, WM_GETFONT, 0, 0);
        const int edge = GetSystemMetrics(SM_CXEDGE);
        const int glyph = GetSystemMetrics(SM_CXMENUCHECK) + Scaled(4);  // box or circle and the gap
        for (HWND control : Children(window)) {
            const TextKind kind = KindOf(control);
            const std::wstring text = Widen(WindowText(control));
            if (kind == TextKind::None || text.empty() || !IsWindowVisible(control)) continue;
            if (SendMessageW(control, WM_GETFONT, 0, 0) != dialogFont) {
                Problem(NameOf(control) + " is not in the dialog's font");
                continue;
            }
            RECT client;
            GetClientRect(control, &client);
            const LONG style = GetWindowLongW(control, GWL_STYLE);
            int width = client.right, height = client.bottom;
            UINT format = DT_EXPANDTABS;
            switch (kind) {
                case TextKind::Static:
                    if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP && (style & SS_TYPEMASK) != SS_SIMPLE)
                        format |= DT_WORDBREAK;
                    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
                    break;
                case TextKind::Push:
                    width -= 4 * edge;  // the raised edge and the focus rectangle
                    height -= 2 * edge;
                    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
                    break;
                case TextKind::Check:
                    width -= glyph;
                    format |= (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
                    break;
                case TextKind::Group:
                    width -= Scaled(16);  // the frame's corner on either side of the title
                    format |= DT_SINGLELINE;
                    break;
                case TextKind::None:
                    break;
            }
            ++measured;
            const SIZE need = dialogFont_.Measure(text, format, std::max(width, 1));
            if (need.cx > width || need.cy > height)
                Problem(NameOf(control) + " needs " + std::to_string(need.cx) + " x " + std::to_string(need.cy) +
                        " pixels, has " + std::to_string(width) + " x " + std::to_string(height));
        }
    }

    // No control reaches outside its window's client area. Controls wholly below it are out of
    // sight by design (the main window's About button and banner).
    void CheckInside(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        for (HWND control : Children(window)) {
            const RECT r = RectInParent(control);
            if (r.top >= client.bottom) continue;
            if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
                Problem(NameOf(control) + " at " + Describe(r) + " reaches outside " + Describe(client));
        }
    }

    void CheckWindow(HWND window) {
        CheckTexts(window);
        CheckInside(window);
    }

    std::string where;
    DialogFont dialogFont_;
    int measured = 0;
};

std::string ShotName(const std::string& what) { return "dpi" + std::to_string(DisplayDpi()) + "-" + what; }

// The page shown covers neither a tab header nor any control of the main window outside the tab.
void CheckPagePlace(Checker& check, HWND main, HWND page) {
    HWND tab = GetDlgItem(main, IDC_TAB);
    RECT pageOnScreen;
    GetWindowRect(page, &pageOnScreen);
    for (int i = 0; i < 3; ++i) {
        RECT item = TabItemRect(tab, i);
        MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&item), 2);
        RECT both;
        if (IntersectRect(&both, &item, &pageOnScreen))
            check.Problem("the page " + Describe(pageOnScreen) + " covers tab header " + std::to_string(i) + " " +
                          Describe(item));
    }
    for (HWND control : Children(main)) {
        if (control == tab || !IsWindowVisible(control)) continue;
        RECT r, both;
        GetWindowRect(control, &r);
        if (IntersectRect(&both, &r, &pageOnScreen))
            check.Problem("the page " + Describe(pageOnScreen) + " covers " + NameOf(control) + " " + Describe(r));
    }
}

HWND ShownPage(HWND main) {
    for (HWND page : Children(GetDlgItem(main, IDC_TAB)))
        if (ClassOf(page) == kDialogClass && IsWindowVisible(page)) return page;
    return nullptr;
}

// The exe tells the system it lays itself out at the display's scale, so that the system does not
// stretch its windows as pictures; per-monitor awareness is not declared.
TEST(DisplayScaling, ProgramDeclaresItselfSystemAware) {
    const char* exe = std::getenv("MW_EXE");
    ASSERT_NE(exe, nullptr);
    HMODULE module = LoadLibraryExW(Widen(exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    std::string manifest;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        if (bytes) manifest.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(DisplayScaling, MainWindowAndPagesFitAtTheDisplaysScale) {
    ASSERT_TRUE(kTestIsDpiAware);
    const int dpi = DisplayDpi();
    std::cout << "display: " << dpi << " dots per inch" << std::endl;
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    if (Text(r.main, IDC_COLLAPSE) == "↓") Click(r.main, IDC_COLLAPSE);  // the full window
    // The start has built every page once a command has been handled.
    Choose(r.main, IDC_DECIMALS, 2);

    Checker main("main window at " + std::to_string(dpi));
    main.CheckWindow(r.main);
    const RECT whole = WindowRect(r.main);
    std::cout << "main window: " << whole.right - whole.left << " x " << whole.bottom - whole.top
              << "; frame " << GetSystemMetrics(SM_CXFRAME) << ", check box " << GetSystemMetrics(SM_CXMENUCHECK)
              << " pixels" << std::endl;
    // The banner's picture is 425 x 87 pixels at 96 dots per inch; its control takes that size at
    // the display's scale.
    const RECT banner = WindowRect(GetDlgItem(r.main, IDC_BANNER));
    EXPECT_EQ(banner.right - banner.left, Scaled(425));
    EXPECT_EQ(banner.bottom - banner.top, Scaled(87));

    const char* names[3] = {"page1", "page2", "page3"};
    for (int index = 0; index < 3; ++index) {
        ClickTab(GetDlgItem(r.main, IDC_TAB), index);
        ASSERT_TRUE(WaitUntil([&] { return ShownPage(r.main) != nullptr; }, 3000));
        HWND page = ShownPage(r.main);
        Checker check(std::string(names[index]) + " at " + std::to_string(dpi));
        CheckPagePlace(check, r.main, page);
        check.CheckWindow(page);
        RECT at;
        GetWindowRect(page, &at);
        const RECT header = TabItemRect(GetDlgItem(r.main, IDC_TAB), index);
        std::cout << names[index] << ": " << Describe(at) << ", tab header " << Describe(header) << ", "
                  << check.measured << " texts measured" << std::endl;
        EXPECT_GT(check.measured, 5);
        SaveScreenshot(r.main, ShotName("main-" + std::string(names[index])));
    }
}

TEST(DisplayScaling, ToolWindowsOpenBesideTheMainWindowAndFit) {
    ASSERT_TRUE(kTestIsDpiAware);
    const int dpi = DisplayDpi();
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    struct Tool { int command; const char* caption; const char* name; };
    const Tool tools[] = {
        {IDM_HANGUAN, "焊管尺寸", "hanguan"},          {IDM_AILIAOMIDU, "常用材料密度", "ailiaomidu"},
        {IDM_DANWEI, "常用单位换算", "danwei"},        {IDM_ZHOUCHENG, "轴承查询", "zhoucheng"},
        {IDM_RENWU, "定时任务", "renwu"},              {IDM_DINGYICAILIAO, "自定义材料", "dingyicailiao"},
        {IDM_WEIGHTLIST, "重量清单", "weightlist"},    {IDM_CUTPLAN, "下料优化", "cutplan"},
        {IDM_LOOKUP, "型号速查", "lookup"},
    };
    for (const Tool& tool : tools) {
        Command(r.main, tool.command);
        HWND window = r.app.WaitForWindow(tool.caption, 5000);
        ASSERT_NE(window, nullptr) << tool.caption;
        Checker check(std::string(tool.caption) + " at " + std::to_string(dpi));
        const RECT at = WindowRect(window), main = WindowRect(r.main);
        // A window too wide for the room right of the main window may be pushed back onto the
        // screen by the window manager (some do, as the tool window is mapped); the program put
        // it beside the main window all the same.
        const bool room = main.right + (at.right - at.left) <= GetSystemMetrics(SM_CXSCREEN);
        if (room || at.left == main.right) {
            RECT both;
            if (IntersectRect(&both, &at, &main))
                check.Problem("covers the main window: " + Describe(at) + " and " + Describe(main));
            EXPECT_EQ(at.left, main.right) << tool.caption;
        } else {
            std::cout << tool.caption << ": kept on the screen by the window manager" << std::endl;
        }
        if (tool.command == IDM_LOOKUP) {  // its texts as a typed designation and a weight fill them
            SetText(window, IDC_LOOKUP_TEXT, "[20a 6m ×2");
            SetText(window, IDC_LOOKUP_MASS, "1000");
        }
        check.CheckWindow(window);
        // Column widths are given in pixels at 96 dots per inch.
        if (tool.command == IDM_AILIAOMIDU) {
            EXPECT_EQ(SendMessageW(GetDlgItem(window, IDC_AILIAOMIDU_TABLE), LVM_GETCOLUMNWIDTH, 1, 0), Scaled(120));
        }
        if (tool.command == IDM_WEIGHTLIST) {
            EXPECT_EQ(SendMessageW(GetDlgItem(window, IDC_WEIGHTLIST_LIST), LVM_GETCOLUMNWIDTH, 2, 0), Scaled(120));
        }
        std::cout << tool.name << ": " << Describe(at) << ", " << check.measured << " texts measured" << std::endl;
        // A large scale on a small screen puts the window partly past the screen's edge; its
        // picture is taken where the whole of it shows.
        if (at.right > GetSystemMetrics(SM_CXSCREEN) || at.bottom > GetSystemMetrics(SM_CYSCREEN))
            SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        SaveScreenshot(window, ShotName(tool.name));
        Command(r.main, tool.command);  // hidden again, out of the next one's way
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, 2000)) << tool.caption;
    }

    PostMessageW(r.main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = OwnedDialog(r.main);
    ASSERT_NE(about, nullptr);
    Checker check("About at " + std::to_string(dpi));
    check.CheckWindow(about);
    SaveScreenshot(about, ShotName("about"));
    PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

}  // namespace
}  // namespace mw::e2e
