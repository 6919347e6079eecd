// The length a weight buys.
#include "lookup/LengthForWeight.h"

#include <algorithm>
#include <cmath>

namespace mw {

std::optional<LengthBought> LengthForWeight(double kilograms, double kgPerMetre, double stockMm) {
    const auto positive = [](double v) { return std::isfinite(v) && v > 0; };
    if (!positive(kilograms) || !positive(kgPerMetre) || !positive(stockMm)) return std::nullopt;
    LengthBought bought;
    bought.metres = kilograms / kgPerMetre;
    const double stockMetres = stockMm / 1000;
    bought.bars = bought.metres / stockMetres;
    if (!std::isfinite(bought.bars) || bought.bars > 1e9) return std::nullopt;
    // A weight that buys 3 bars to within rounding buys 3 whole bars, not 2 and a sliver short.
    double whole = std::floor(bought.bars + 1e-9);
    bought.wholeBars = static_cast<int>(whole);
    bought.restMetres = std::max(0.0, bought.metres - whole * stockMetres);
    return bought;
}

}  // namespace mw
