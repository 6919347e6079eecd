// The captions of the program's message boxes, spelled once so that every window says the same.
#pragma once

namespace mw {

inline constexpr char kHintCaption[] = "提示";          // information, questions
inline constexpr char kWarningCaption[] = "警告";       // something failed or was refused
inline constexpr char kInputHintCaption[] = "输入提示";  // a field or a choice is missing

}  // namespace mw
