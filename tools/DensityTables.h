// The material density table: the materials and their densities in t/m3, as the table shows them.
#pragma once

namespace mw {

struct DensityRow {
    const char* name;
    // A single value ("7.85") or a range with a full-width tilde between the bounds ("8.3～8.7").
    const char* density;
};

constexpr int kDensityRowCount = 124;
// In table order; a row's number is its position plus one.
extern const DensityRow kDensityRows[kDensityRowCount];

}  // namespace mw
