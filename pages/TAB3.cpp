// Page three's calculators: three bars from tables with the user's own sizes, three cold-formed
// sections whose size list depends on their type.
#include "pages/TAB3.h"

#include "pages/Tab3Tables.h"
#include "res/resource.h"

namespace mw {

CTAB3::CTAB3(ControlSurface& surface, PageHost& host)
    : CalcPage(surface, host),
      hexagon_{IDC_HEX_COMBO, IDC_HEX_UNIT_WEIGHT, 0, IDC_HEX_LENGTH, IDC_HEX_RESULT, kHexagonSizes, {}},
      octagon_{IDC_OCT_COMBO, IDC_OCT_UNIT_WEIGHT, 0, IDC_OCT_LENGTH, IDC_OCT_RESULT, kOctagonSizes, {}},
      rebar_{IDC_REBAR_COMBO, IDC_REBAR_UNIT_WEIGHT, 0, IDC_REBAR_LENGTH, IDC_REBAR_RESULT, kRebarSizes, {}},
      coldAngle_{kColdAngle, IDC_CANGLE_TYPE, IDC_CANGLE_SIZE, IDC_CANGLE_UNIT_WEIGHT,
                 IDC_CANGLE_LENGTH, IDC_CANGLE_RESULT, TableWeight},
      coldChannel_{kColdChannel, IDC_CCHANNEL_TYPE, IDC_CCHANNEL_SIZE, IDC_CCHANNEL_UNIT_WEIGHT,
                   IDC_CCHANNEL_LENGTH, IDC_CCHANNEL_RESULT, TableWeight},
      coldZ_{kColdZ, IDC_CZ_TYPE, IDC_CZ_SIZE, IDC_CZ_UNIT_WEIGHT, IDC_CZ_LENGTH, IDC_CZ_RESULT,
             TableWeight} {
    OnSelection(IDC_HEX_COMBO, [this] { ComputeHexagon(); });
    OnInput(IDC_HEX_LENGTH, [this] { ComputeHexagon(); });
    OnSelection(IDC_OCT_COMBO, [this] { ComputeOctagon(); });
    OnInput(IDC_OCT_LENGTH, [this] { ComputeOctagon(); });
    OnSelection(IDC_REBAR_COMBO, [this] { ComputeRebar(); });
    OnInput(IDC_REBAR_LENGTH, [this] { ComputeRebar(); });

    OnSelection(IDC_CANGLE_TYPE, [this] { FillColdAngleSizes(); ComputeColdAngle(); });
    OnSelection(IDC_CANGLE_SIZE, [this] { ComputeColdAngle(); });
    OnInput(IDC_CANGLE_LENGTH, [this] { ComputeColdAngle(); });
    OnSelection(IDC_CCHANNEL_TYPE, [this] { FillColdChannelSizes(); ComputeColdChannel(); });
    OnSelection(IDC_CCHANNEL_SIZE, [this] { ComputeColdChannel(); });
    OnInput(IDC_CCHANNEL_LENGTH, [this] { ComputeColdChannel(); });
    OnSelection(IDC_CZ_TYPE, [this] { FillColdZSizes(); ComputeColdZ(); });
    OnSelection(IDC_CZ_SIZE, [this] { ComputeColdZ(); });
    OnInput(IDC_CZ_LENGTH, [this] { ComputeColdZ(); });

    WeightButton(IDC_HEX_BUTTON, IDC_HEX_RESULT, Weighed("六角钢", hexagon_));
    WeightButton(IDC_OCT_BUTTON, IDC_OCT_RESULT, Weighed("八角钢", octagon_));
    WeightButton(IDC_REBAR_BUTTON, IDC_REBAR_RESULT, Weighed("螺纹钢", rebar_));
    WeightButton(IDC_CANGLE_BUTTON, IDC_CANGLE_RESULT, Weighed("角钢(冷弯)", coldAngle_, Quantity::Length));
    WeightButton(IDC_CCHANNEL_BUTTON, IDC_CCHANNEL_RESULT, Weighed("槽钢(冷弯)", coldChannel_, Quantity::Length));
    WeightButton(IDC_CZ_BUTTON, IDC_CZ_RESULT, Weighed("Z型钢(冷弯)", coldZ_, Quantity::Length));
}

void CTAB3::OnInitDialog() {
    // The template's fixed lists.
    FillSizes(hexagon_);
    FillSizes(octagon_);
    FillSizes(rebar_);
    for (const TypedCalculator* calc : {&coldAngle_, &coldChannel_, &coldZ_}) FillTypes(*calc);

    surface_.SetSelection(IDC_HEX_COMBO, 0);
    ComputeHexagon();
    surface_.SetSelection(IDC_OCT_COMBO, 0);
    ComputeOctagon();
    surface_.SetSelection(IDC_REBAR_COMBO, 0);
    ComputeRebar();
    surface_.SetSelection(IDC_CANGLE_TYPE, 0);
    FillColdAngleSizes();
    ComputeColdAngle();
    surface_.SetSelection(IDC_CCHANNEL_TYPE, 0);
    FillColdChannelSizes();
    ComputeColdChannel();
    surface_.SetSelection(IDC_CZ_TYPE, 0);
    FillColdZSizes();
    ComputeColdZ();
    LoadCustomEntries(hexagon_, kCustomSources[kCustomHexagon]);
    LoadCustomEntries(octagon_, kCustomSources[kCustomOctagon]);
    LoadCustomEntries(rebar_, kCustomSources[kCustomRebar]);
}

void CTAB3::RecomputeAll() {
    ComputeHexagon();
    ComputeOctagon();
    ComputeRebar();
    ComputeColdAngle();
    ComputeColdChannel();
    ComputeColdZ();
}

void CTAB3::ResetPage() {
    for (int combo : {IDC_HEX_COMBO, IDC_OCT_COMBO, IDC_REBAR_COMBO, IDC_CANGLE_TYPE,
                      IDC_CCHANNEL_TYPE, IDC_CZ_TYPE})
        surface_.SetSelection(combo, 0);
    for (int edit : {IDC_HEX_LENGTH, IDC_OCT_LENGTH, IDC_REBAR_LENGTH, IDC_CANGLE_LENGTH,
                     IDC_CCHANNEL_LENGTH, IDC_CZ_LENGTH})
        surface_.SetText(edit, "");
    ComputeHexagon();
    ComputeOctagon();
    ComputeRebar();
    FillColdAngleSizes();
    ComputeColdAngle();
    FillColdChannelSizes();
    ComputeColdChannel();
    FillColdZSizes();
    ComputeColdZ();
}

bool CTAB3::Choose(const SizeChoice& choice) {
    return ChooseRow(hexagon_, choice) || ChooseRow(octagon_, choice) || ChooseRow(rebar_, choice) ||
           ChooseTyped(coldAngle_, choice) || ChooseTyped(coldChannel_, choice) || ChooseTyped(coldZ_, choice);
}

void CTAB3::ComputeHexagon() { ComputeTable(hexagon_); }
void CTAB3::ComputeOctagon() { ComputeTable(octagon_); }
void CTAB3::ComputeRebar() { ComputeTable(rebar_); }
void CTAB3::ComputeColdAngle() { ComputeTyped(coldAngle_); }
void CTAB3::ComputeColdChannel() { ComputeTyped(coldChannel_); }
void CTAB3::ComputeColdZ() { ComputeTyped(coldZ_); }
void CTAB3::FillColdAngleSizes() { FillTypedSizes(coldAngle_); }
void CTAB3::FillColdChannelSizes() { FillTypedSizes(coldChannel_); }
void CTAB3::FillColdZSizes() { FillTypedSizes(coldZ_); }

}  // namespace mw
