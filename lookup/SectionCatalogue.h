// The calculators a typed designation can lead to, their size lists as one catalogue, and what
// one meaning of a designation weighs and measures.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pages/CalcSettings.h"
#include "pages/SizeTable.h"

namespace mw {

// The calculators sized by a list or by dimensions; fasteners, wire rope, floor plate and mesh
// are chosen in their own calculators.
enum class Calc { Plate, Round, Angle, Channel, IBeam, Tube, Pipe, HT, Hexagon, Octagon, Rebar,
                  ColdAngle, ColdChannel, ColdZ };

struct CalcInfo {
    int page;          // 0, 1, 2
    const char* name;  // the calculator's group box title
};
CalcInfo InfoOf(Calc calc);

// One list of the catalogue: a calculator's list, or one type's list of a typed calculator.
struct SizeList {
    Calc calc;
    int type;                // type-combo position; -1 for calculators without a type list
    const SizeTable* sizes;
    const char* name;        // what precedes a row's text where the row alone is not enough
    const char* symbol;      // the section symbol the rows' texts start with, or ""
};
const std::vector<SizeList>& SizeLists();

// One meaning of a designation: a row of a list, or the dimensions of a plate or round section.
struct Meaning {
    Calc calc = Calc::Plate;
    int type = -1;
    int row = -1;
    double width = 0, thickness = 0;  // plate, mm
    double outer = 0, wall = 0;       // round bar (wall 0) or pipe, mm
    std::string note;                 // how a spelling was read, where the trade reads it two ways

    // "∠50×50×5", "HN窄翼缘 400×200", "钢板 10×200", "Φ89×4".
    std::string Label() const;
    // kg/m at the settings' density.
    double UnitWeight(const CalcSettings& settings) const;
    // m²/m; nothing where the list has no surfaces.
    std::optional<double> Surface() const;
    // The sized list it was found in; nothing for a plate or a round.
    const SizeList* List() const;
    const SizeRow* Row() const;
};

// The numbers of a row's text ("∠63×40×5" → 63, 40, 5; "[20a" → 20), and its a/b/c suffix.
std::vector<double> RowNumbers(const char* model, char* suffix = nullptr);

}  // namespace mw
