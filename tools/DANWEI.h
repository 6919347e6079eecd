// The unit conversion window: a quantity, a unit from and a unit to, a value, its conversion.
#pragma once

#include <string>

#include "kit/ControlSurface.h"

namespace mw {

class CDANWEI : public CommandTarget {
public:
    // Characters of the value edit that are read.
    static constexpr std::size_t kMaxValueText = 44;

    explicit CDANWEI(ControlSurface& surface) : surface_(surface) {}

    // The value "1", the first quantity, its units, the conversion.
    void OnInitDialog();
    void OnCommand(int id, Notify what) override;

    // Both unit lists hold the selected quantity's units; their first unit is selected.
    void FillUnitLists();
    // Shows the typed value converted from one unit to the other.
    void ConvertUnits();

    // What one unit `from` is in units `to` of the same quantity.
    static double Factor(int quantity, int from, int to);
    // "%.16f" without trailing zeros and without a trailing point.
    static std::string FormatConverted(double value);

private:
    ControlSurface& surface_;
};

}  // namespace mw
