// The fonts a list (a size combo of the calculator pages) can be shown in: long item texts need a
// narrower font to fit the combo.
#pragma once

namespace mw {

enum class ListFont { Dialog, Small, Wide, Narrow };

}  // namespace mw
