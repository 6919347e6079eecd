// The product's name: the caption of the program's own message boxes, the notification-area
// tip, the update check's agent name and the start-with-Windows entry.
#pragma once

namespace mw {

inline constexpr char kProductName[] = "Telvar材料重量计算器";

}  // namespace mw
