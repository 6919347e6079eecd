// The program's π, in the short decimals its weights and angles have always been computed with:
// full precision would change figures users have had for years, and every window that weighs a
// round section uses this one so that the same size weighs the same everywhere.
#pragma once

namespace mw {

inline constexpr double kProgramPi = 3.1415926;

}  // namespace mw
