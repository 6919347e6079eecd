// A calculator page as a child dialog of the main window's tab control.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "kit/DialogSurfaceWin32.h"
#include "kit/DialogWin32.h"
#include "pages/PageHost.h"

namespace mw {

class PageWindow : public DialogWindow {
public:
    // The page's logic is made over this window's surface; none leaves the page blank.
    void SetLogic(std::unique_ptr<Page> logic) { logic_ = std::move(logic); }
    Page* Logic() const { return logic_.get(); }
    DialogSurface& Surface() { return surface_; }
    // A size-list font the page creates at the start of its initialisation and owns.
    void UseListFont(ListFont kind, int width, int quality) { fontSpecs_.push_back({kind, width, quality}); }
    // Tooltips for the page's controls; a later step of the start adds them, not the page's build.
    void EnableTooltips();
    // Deletes the size-list fonts ahead of the window, at the end of the program.
    void DeleteListFonts();
    ~PageWindow() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool FiltersKey(WPARAM) const override { return true; }  // Enter and Esc never close a page

private:
    void OnInitDialog();
    bool OnTooltip(NMHDR* header);

    DialogSurface surface_;
    std::unique_ptr<Page> logic_;
    std::wstring tooltip_;
    struct FontSpec { ListFont kind; int width; int quality; };
    std::vector<FontSpec> fontSpecs_;
    std::vector<HFONT> fonts_;
};

// Tooltips for every child control of a dialog, asking the dialog for their text. The tooltip
// window is owned by the dialog and ends with it.
HWND EnableTooltips(HWND dialog);
// The control ID a tooltip request is about (0 when none).
int TooltipControlId(const NMHDR* header);

}  // namespace mw
