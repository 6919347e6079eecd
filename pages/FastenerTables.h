// Built-in data of the fastener calculator: the 71 types, their size lists and piece coefficients.
#pragma once

#include <cstddef>

namespace mw {

// The family decides the formula: bolts by length, nuts and washers by the piece, split pins by
// length plus a constant part.
enum class FastenerFamily { kNone, kBolt, kNut, kWasher, kSplitPin };

constexpr int kFastenerTypeCount = 71;

template <typename T>
struct Span {
    const T* data;
    std::size_t count;
};

template <typename T, std::size_t N>
constexpr Span<T> MakeSpan(const T (&items)[N]) { return Span<T>{items, N}; }

// One item of the type list. Coefficients are in kg for steel of 7.85 t/m3, by size-list position:
// a bolt's is the weight of one bolt per 100 mm of length, a nut's or washer's that of one piece.
// A list may be shorter than the sizes: the sizes past its end have no coefficient.
struct FastenerTypeRow {
    const char* name;
    FastenerFamily family;
    Span<const char*> sizes;
    Span<double> coefficients;  // empty for the split pin, whose figures are SplitPinRow
};

// One split pin size: weight = b * length (mm) + c, kg at 7.85 t/m3.
struct SplitPinRow {
    double b;  // kg per mm of length
    double c;  // kg, the eye
};

// nullptr outside 0 .. kFastenerTypeCount - 1.
const FastenerTypeRow* FastenerTypeAt(int type);

// The split pin's figures by position in its size list; nullptr outside it.
const SplitPinRow* SplitPinAt(int size);

}  // namespace mw
