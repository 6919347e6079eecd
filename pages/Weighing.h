// One press of a calculator's "重量" button, as the weight list records it.
#pragma once

#include <optional>
#include <string>

namespace mw {

struct Weighing {
    std::string calculator;  // the calculator's group box title
    std::string size;        // model text, or the dimensions typed ("1000×1000×10")
    std::string quantity;    // length, area or count with its unit ("6000 mm"); may be empty
    double kilograms = 0;
    std::optional<double> squareMetres = std::nullopt;  // outer surface of what was weighed, where known
};

}  // namespace mw
