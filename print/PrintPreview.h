// The print preview window's behaviour: which page shows, paging forward and back, the page
// count, and the way to the page setup and the print dialog.
#pragma once

#include <functional>

#include "kit/ControlSurface.h"

namespace mw {

class CPrintPreview : public CommandTarget {
public:
    explicit CPrintPreview(ControlSurface& surface) : surface_(surface) {}

    // A new document or new paper: back to the first page, or the same one while it exists.
    void SetPageCount(int count, bool keepPage);
    void OnCommand(int id, Notify what) override;
    int Shown() const { return shown_; }  // from 0
    int Count() const { return count_; }

    std::function<void()> onPageShown;  // the binding draws page Shown()
    std::function<void()> onPageSetup;
    std::function<void()> onPrint;

private:
    void Show(int page);

    ControlSurface& surface_;
    int count_ = 0;
    int shown_ = 0;
};

}  // namespace mw
