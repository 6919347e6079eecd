// Page one's calculators: three by volume, three by the rolled-section tables.
#include "pages/TAB1.h"

#include "expr/ProgramPi.h"
#include "pages/SurfaceTables.h"
#include "pages/Tab1Tables.h"
#include "res/resource.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

const char kWallError[] = "壁厚输入错误";
const char kSolidWall[] = "r";  // wall text meaning solid round steel

// Volume in mm³ times density in t/m3, to the weight unit of each unit system.
double PlateFactor(int unitSystem) {
    switch (unitSystem) {
        case kKgMm: return 1e-6;
        case kKgM:  return 1.0;
        case kTM:   return 0.001;
        default:    return 0.0;
    }
}

}  // namespace

CTAB1::CTAB1(ControlSurface& surface, PageHost& host)
    : CalcPage(surface, host),
      angle_{IDC_ANGLE_COMBO, IDC_ANGLE_UNIT_WEIGHT, 0, IDC_ANGLE_LENGTH, IDC_ANGLE_RESULT,
             kAngleSizes, {}},
      channel_{IDC_CHANNEL_COMBO, IDC_CHANNEL_UNIT_WEIGHT, IDC_CHANNEL_SPEC,
               IDC_CHANNEL_LENGTH, IDC_CHANNEL_RESULT, kChannelSizes, {}},
      ibeam_{IDC_IBEAM_COMBO, IDC_IBEAM_UNIT_WEIGHT, IDC_IBEAM_SPEC, IDC_IBEAM_LENGTH,
             IDC_IBEAM_RESULT, kIBeamSizes, {}} {
    for (int edit : {IDC_PLATE1_LENGTH, IDC_PLATE1_WIDTH, IDC_PLATE1_THICKNESS}) OnInput(edit, [this] { ComputePlate1(); });
    for (int edit : {IDC_PLATE2_AREA, IDC_PLATE2_THICKNESS}) OnInput(edit, [this] { ComputePlate2(); });
    for (int edit : {IDC_ROUND_OUTER, IDC_ROUND_INNER, IDC_ROUND_WALL, IDC_ROUND_LENGTH}) OnInput(edit, [this] { ComputeRound(); });
    for (int radio : {IDC_ROUND_INNER_MODE, IDC_ROUND_WALL_MODE})
        OnClick(radio, [this, radio] { ChooseRoundMode(radio); });
    OnSelection(IDC_ANGLE_COMBO, [this] { ComputeAngle(); });
    OnInput(IDC_ANGLE_LENGTH, [this] { ComputeAngle(); });
    OnSelection(IDC_CHANNEL_COMBO, [this] { ComputeChannel(); });
    OnInput(IDC_CHANNEL_LENGTH, [this] { ComputeChannel(); });
    OnSelection(IDC_IBEAM_COMBO, [this] { ComputeIBeam(); });
    OnInput(IDC_IBEAM_LENGTH, [this] { ComputeIBeam(); });

    WeightButton(IDC_PLATE1_BUTTON, IDC_PLATE1_RESULT,
                 {"钢板一", [this] { return Dimensions({IDC_PLATE1_LENGTH, IDC_PLATE1_WIDTH, IDC_PLATE1_THICKNESS}); }});
    WeightButton(IDC_PLATE2_BUTTON, IDC_PLATE2_RESULT,
                 {"钢板二", [this] { return Dimensions({IDC_PLATE2_THICKNESS}); }, IDC_PLATE2_AREA, Quantity::Area});
    WeightButton(IDC_ANGLE_BUTTON, IDC_ANGLE_RESULT, Weighed("角钢(热轧)", angle_));
    WeightButton(IDC_ROUND_BUTTON, IDC_ROUND_RESULT,
                 {"圆钢/钢管", [this] { return RoundSize(); }, IDC_ROUND_LENGTH, Quantity::Length,
                  [this] { return std::optional<double>(RoundSurfacePerMetre(Value(IDC_ROUND_OUTER))); }});
    WeightButton(IDC_CHANNEL_BUTTON, IDC_CHANNEL_RESULT, Weighed("槽钢(热轧)", channel_));
    WeightButton(IDC_IBEAM_BUTTON, IDC_IBEAM_RESULT, Weighed("工字钢", ibeam_));

    Tooltip(IDC_ROUND_OUTER,     "圆钢或钢管外圆直径");
    Tooltip(IDC_ROUND_INNER_MODE, "选择内径模式");
    Tooltip(IDC_ROUND_INNER,     "钢管内圆直径,0表示圆钢");
    Tooltip(IDC_ROUND_WALL_MODE,  "选择壁厚模式");
    Tooltip(IDC_ROUND_WALL,      "钢管壁厚,r表示圆钢");
}

void CTAB1::OnInitDialog() {
    FillSizes(angle_);
    FillSizes(channel_);
    FillSizes(ibeam_);
    surface_.SetChecked(IDC_ROUND_INNER_MODE, roundMode_ == kInnerDiameter);
    surface_.SetChecked(IDC_ROUND_WALL_MODE, roundMode_ == kWallThickness);

    surface_.SetSelection(IDC_ANGLE_COMBO, 0);
    ComputeAngle();
    SetRoundDefaults();
    surface_.SetSelection(IDC_CHANNEL_COMBO, 0);
    ComputeChannel();
    surface_.SetSelection(IDC_IBEAM_COMBO, 0);
    ComputeIBeam();
    LoadCustomEntries(angle_, kCustomSources[kCustomAngle]);
    LoadCustomEntries(channel_, kCustomSources[kCustomChannel]);
    LoadCustomEntries(ibeam_, kCustomSources[kCustomIBeam]);
}

void CTAB1::RecomputeAll() {
    ComputePlate1();
    ComputePlate2();
    ComputeAngle();
    ComputeRound();
    ComputeChannel();
    ComputeIBeam();
}

void CTAB1::ResetPage() {
    for (int combo : {IDC_ANGLE_COMBO, IDC_CHANNEL_COMBO, IDC_IBEAM_COMBO}) surface_.SetSelection(combo, 0);
    SetRoundDefaults();
    for (int edit : {IDC_PLATE1_LENGTH, IDC_PLATE1_WIDTH, IDC_PLATE1_THICKNESS, IDC_PLATE2_AREA, IDC_PLATE2_THICKNESS,
                     IDC_ANGLE_LENGTH, IDC_ROUND_OUTER, IDC_ROUND_LENGTH, IDC_CHANNEL_LENGTH, IDC_IBEAM_LENGTH})
        surface_.SetText(edit, "");
    RecomputeAll();
}

bool CTAB1::Choose(const SizeChoice& choice) {
    if (ChooseRow(angle_, choice) || ChooseRow(channel_, choice) || ChooseRow(ibeam_, choice)) return true;
    if (choice.kind == SizeChoice::kPlate) {
        surface_.SetText(IDC_PLATE1_WIDTH, PlainNumber(choice.width));
        surface_.SetText(IDC_PLATE1_THICKNESS, PlainNumber(choice.thickness));
        FillLength(IDC_PLATE1_LENGTH, choice.length);
        return true;
    }
    if (choice.kind == SizeChoice::kRound) {
        ChooseRoundMode(IDC_ROUND_WALL_MODE);
        surface_.SetText(IDC_ROUND_OUTER, PlainNumber(choice.outer));
        surface_.SetText(IDC_ROUND_WALL, choice.wall > 0 ? PlainNumber(choice.wall) : kSolidWall);
        FillLength(IDC_ROUND_LENGTH, choice.length);
        return true;
    }
    return false;
}

// The two mode radios are one group: the one clicked is on, the other off.
void CTAB1::ChooseRoundMode(int radio) {
    surface_.SetChecked(IDC_ROUND_INNER_MODE, radio == IDC_ROUND_INNER_MODE);
    surface_.SetChecked(IDC_ROUND_WALL_MODE, radio == IDC_ROUND_WALL_MODE);
    ComputeRound();
}

void CTAB1::SetRoundDefaults() {
    surface_.SetText(IDC_ROUND_INNER, "0");
    surface_.SetText(IDC_ROUND_WALL, kSolidWall);
}

void CTAB1::ComputePlate1() {
    const double length = Value(IDC_PLATE1_LENGTH);
    const double width = Value(IDC_PLATE1_WIDTH);
    const double thickness = Value(IDC_PLATE1_THICKNESS);
    const CalcSettings& s = Settings();
    ShowWeight(IDC_PLATE1_RESULT, length * width * thickness * s.density * PlateFactor(s.unitSystem));
}

void CTAB1::ComputePlate2() {
    const double area = Value(IDC_PLATE2_AREA);
    const double thickness = Value(IDC_PLATE2_THICKNESS);
    const CalcSettings& s = Settings();
    ShowWeight(IDC_PLATE2_RESULT, area * thickness * s.density * PlateFactor(s.unitSystem));
}

void CTAB1::ComputeRound() {
    const double outer = Value(IDC_ROUND_OUTER);
    const double inner = Value(IDC_ROUND_INNER);
    const double wall = Value(IDC_ROUND_WALL);
    const double length = Value(IDC_ROUND_LENGTH);
    roundMode_ = surface_.Checked(IDC_ROUND_WALL_MODE) ? kWallThickness : kInnerDiameter;
    const CalcSettings& s = Settings();

    double weight = 0.0;
    if (roundMode_ == kInnerDiameter) {
        weight = (outer * outer - inner * inner) * kProgramPi / 4 * length * s.density * 1e-6;
    } else if (outer / 2 >= wall) {
        if (surface_.Text(IDC_ROUND_WALL) == kSolidWall)
            weight = kProgramPi * outer * outer / 4 * length * s.density * 1e-6;
        else
            weight = (outer * wall - wall * wall) * kProgramPi * length * s.density * 1e-6;
    } else {
        Show(IDC_ROUND_RESULT, kWallError);
        return;
    }
    switch (s.unitSystem) {
        case kKgMm: break;
        case kKgM:  weight *= 1000; break;
        case kTM:   break;
        default:    weight = 0.0; break;
    }
    ShowWeight(IDC_ROUND_RESULT, weight);
}

// Φ outer diameter; a pipe adds "×Φ" inner diameter or "×" wall thickness, as the mode reads it.
std::string CTAB1::RoundSize() const {
    const std::string outer = "Φ" + PlainValue(IDC_ROUND_OUTER);
    if (roundMode_ == kInnerDiameter)
        return Value(IDC_ROUND_INNER) == 0 ? outer : outer + "×Φ" + PlainValue(IDC_ROUND_INNER);
    return surface_.Text(IDC_ROUND_WALL) == kSolidWall ? outer : outer + "×" + PlainValue(IDC_ROUND_WALL);
}

void CTAB1::ComputeAngle() { ComputeTable(angle_); }
void CTAB1::ComputeChannel() { ComputeTable(channel_); }
void CTAB1::ComputeIBeam() { ComputeTable(ibeam_); }

}  // namespace mw
