// The length a weight buys (反算): metres of a section, and bars of a stock length.
#pragma once

#include <optional>

namespace mw {

struct LengthBought {
    double metres = 0;
    double bars = 0;        // metres in stock lengths, with the fraction
    int wholeBars = 0;
    double restMetres = 0;  // past the whole bars
};

// Nothing when the weight, the weight a metre or the stock length is not a positive number.
std::optional<LengthBought> LengthForWeight(double kilograms, double kgPerMetre, double stockMm);

}  // namespace mw
