// Paging through the preview.
#include "print/PrintPreview.h"

#include <string>

#include "res/resource.h"

namespace mw {

void CPrintPreview::SetPageCount(int count, bool keepPage) {
    count_ = count < 1 ? 1 : count;
    Show(keepPage && shown_ < count_ ? shown_ : 0);
}

void CPrintPreview::OnCommand(int id, Notify what) {
    if (what != Notify::Click) return;
    switch (id) {
        case IDC_PREVIEW_PREV:  Show(shown_ - 1); break;
        case IDC_PREVIEW_NEXT:  Show(shown_ + 1); break;
        case IDC_PREVIEW_SETUP: if (onPageSetup) onPageSetup(); break;
        case IDC_PREVIEW_PRINT: if (onPrint) onPrint(); break;
        default: break;
    }
}

void CPrintPreview::Show(int page) {
    if (page < 0 || page >= count_) return;
    shown_ = page;
    surface_.SetText(IDC_PREVIEW_PAGE, "第 " + std::to_string(shown_ + 1) + " 页 / 共 " + std::to_string(count_) + " 页");
    surface_.SetEnabled(IDC_PREVIEW_PREV, shown_ > 0);
    surface_.SetEnabled(IDC_PREVIEW_NEXT, shown_ + 1 < count_);
    if (onPageShown) onPageShown();
}

}  // namespace mw
