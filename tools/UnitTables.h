// The unit converter's quantities and units: each unit's value in the first unit of its quantity.
#pragma once

namespace mw {

struct UnitRow {
    const char* label;
    double base;          // one such unit in the quantity's first unit
    double baseAsTarget = 0;  // the value used when converting to this unit, where it differs
};

struct QuantityRow {
    const char* label;
    const UnitRow* units;
    int unitCount;
};

constexpr int kQuantityCount = 23;
extern const QuantityRow kQuantities[kQuantityCount];

}  // namespace mw
