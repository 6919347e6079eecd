// Unit conversion window: unit lists, conversion factors and the converted value's text.
#include "tools/DANWEI.h"

#include <cassert>

#include "expr/Atof.h"
#include "expr/TrimZeros.h"
#include "res/resource.h"
#include "settings/TextFields.h"
#include "tools/UnitTables.h"

namespace mw {

namespace {

bool ValidUnit(int quantity, int unit) {
    return quantity >= 0 && quantity < kQuantityCount && unit >= 0 && unit < kQuantities[quantity].unitCount;
}

}  // namespace

void CDANWEI::OnInitDialog() {
    for (const QuantityRow& quantity : kQuantities) surface_.AddItem(IDC_DANWEI_QUANTITY, quantity.label);
    surface_.SetText(IDC_DANWEI_VALUE, "1");
    surface_.SetSelection(IDC_DANWEI_QUANTITY, 0);
    FillUnitLists();
    ConvertUnits();
}

void CDANWEI::OnCommand(int id, Notify what) {
    switch (id) {
        case IDC_DANWEI_QUANTITY:
            if (what != Notify::SelChange) return;
            FillUnitLists();
            ConvertUnits();
            return;
        case IDC_DANWEI_FROM:
        case IDC_DANWEI_TO:
            if (what == Notify::SelChange) ConvertUnits();
            return;
        case IDC_DANWEI_VALUE:
            if (what == Notify::Change) ConvertUnits();
            return;
        default:
            return;
    }
}

void CDANWEI::FillUnitLists() {
    surface_.ClearItems(IDC_DANWEI_FROM);
    surface_.ClearItems(IDC_DANWEI_TO);
    const int quantity = surface_.Selection(IDC_DANWEI_QUANTITY);
    if (quantity < 0 || quantity >= kQuantityCount) return;
    const QuantityRow& row = kQuantities[quantity];
    for (int unit = 0; unit < row.unitCount; ++unit) surface_.AddItem(IDC_DANWEI_FROM, row.units[unit].label);
    for (int unit = 0; unit < row.unitCount; ++unit) surface_.AddItem(IDC_DANWEI_TO, row.units[unit].label);
    surface_.SetSelection(IDC_DANWEI_FROM, 0);
    surface_.SetSelection(IDC_DANWEI_TO, 0);
}

double CDANWEI::Factor(int quantity, int from, int to) {
    assert(ValidUnit(quantity, from) && ValidUnit(quantity, to));
    if (from == to) return 1;
    const UnitRow& target = kQuantities[quantity].units[to];
    return kQuantities[quantity].units[from].base / (target.baseAsTarget ? target.baseAsTarget : target.base);
}

std::string CDANWEI::FormatConverted(double value) {
    return TrimZeros(FixedNumber(value, 16));
}

void CDANWEI::ConvertUnits() {
    const int quantity = surface_.Selection(IDC_DANWEI_QUANTITY);
    const int from = surface_.Selection(IDC_DANWEI_FROM);
    const int to = surface_.Selection(IDC_DANWEI_TO);
    if (!ValidUnit(quantity, from) || !ValidUnit(quantity, to)) return;
    const double value = AtofPrefix(surface_.Text(IDC_DANWEI_VALUE).substr(0, kMaxValueText));
    surface_.SetText(IDC_DANWEI_RESULT, FormatConverted(value * Factor(quantity, from, to)));
}

}  // namespace mw
