// Built-in size lists of the table-based calculators: one row per list item.
#pragma once

#include <cstddef>

namespace mw {

// One item of a size combo: the text shown, the 规格 text (empty where the
// calculator has no specification edit) and the unit weight in kg/m for steel of 7.85 t/m3.
struct SizeRow {
    const char* model;
    const char* spec;
    double unitWeight;
};

// A size list as the calculators see it: rows indexed by combo position.
struct SizeTable {
    const SizeRow* rows;
    std::size_t count;

    const SizeRow* At(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < count ? &rows[index] : nullptr;
    }
};

template <std::size_t N>
constexpr SizeTable MakeTable(const SizeRow (&rows)[N]) { return SizeTable{rows, N}; }

}  // namespace mw
