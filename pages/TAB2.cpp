// Page two's calculators: tube and pipe from tables with the user's own sizes, four calculators
// whose size list depends on a type.
#include "pages/TAB2.h"

#include "pages/Fastener.h"
#include "pages/HTSection.h"
#include "pages/PlateMesh.h"
#include "pages/Tab2Tables.h"
#include "pages/WireRope.h"
#include "res/resource.h"

namespace mw {

namespace {
constexpr std::size_t kLengthTextMax = 29;  // the fastener length is read into a 30-byte buffer
}  // namespace

CTAB2::CTAB2(ControlSurface& surface, PageHost& host)
    : CalcPage(surface, host),
      tube_{IDC_TUBE_COMBO, IDC_TUBE_UNIT_WEIGHT, 0, IDC_TUBE_LENGTH, IDC_TUBE_RESULT, kTubeSizes, {}},
      pipe_{IDC_PIPE_COMBO, IDC_PIPE_UNIT_WEIGHT, 0, IDC_PIPE_LENGTH, IDC_PIPE_RESULT, kPipeSizes, {}},
      ht_{kHTSection, IDC_HT_TYPE, IDC_HT_SIZE, IDC_HT_UNIT_WEIGHT, IDC_HT_LENGTH, IDC_HT_RESULT, TableWeight},
      plateMesh_{kPlateMesh, IDC_MESH_TYPE, IDC_MESH_SIZE, IDC_MESH_UNIT_WEIGHT, IDC_MESH_AREA,
                 IDC_MESH_RESULT, AreaWeight} {
    OnSelection(IDC_TUBE_COMBO, [this] { ComputeTube(); });
    OnInput(IDC_TUBE_LENGTH, [this] { ComputeTube(); });
    OnSelection(IDC_PIPE_COMBO, [this] { ComputePipe(); });
    OnInput(IDC_PIPE_LENGTH, [this] { ComputePipe(); });
    OnSelection(IDC_FASTENER_TYPE, [this] { OnFastenerType(); });
    OnSelection(IDC_FASTENER_SIZE, [this] { ComputeFastener(); });
    OnEdit(IDC_FASTENER_LENGTH, [this] { OnFastenerLength(); });
    OnSelection(IDC_HT_TYPE, [this] { FillHTSizes(); ComputeHT(); });
    OnSelection(IDC_HT_SIZE, [this] { ComputeHT(); });
    OnInput(IDC_HT_LENGTH, [this] { ComputeHT(); });
    OnSelection(IDC_MESH_TYPE, [this] { FillPlateMeshSizes(); ComputePlateMesh(); });
    OnSelection(IDC_MESH_SIZE, [this] { ComputePlateMesh(); });
    OnInput(IDC_MESH_AREA, [this] { ComputePlateMesh(); });
    OnSelection(IDC_ROPE_TYPE, [this] { FillRopeSizes(); ComputeRope(); });
    OnSelection(IDC_ROPE_SIZE, [this] { ComputeRope(); });
    OnInput(IDC_ROPE_LENGTH, [this] { ComputeRope(); });

    WeightButton(IDC_TUBE_BUTTON, IDC_TUBE_RESULT, Weighed("方管/矩形管", tube_));
    WeightButton(IDC_PIPE_BUTTON, IDC_PIPE_RESULT, Weighed("焊管/钢管", pipe_));
    WeightButton(IDC_FASTENER_BUTTON, IDC_FASTENER_RESULT,
                 {"螺栓/螺母/垫圈/开口销", [this] { return FastenerSize(); }, 0, Quantity::Pieces});
    WeightButton(IDC_HT_BUTTON, IDC_HT_RESULT, Weighed("H钢/T钢", ht_, Quantity::Length));
    WeightButton(IDC_MESH_BUTTON, IDC_MESH_RESULT, Weighed("花纹板/钢板网", plateMesh_, Quantity::Area));
    WeightButton(IDC_ROPE_BUTTON, IDC_ROPE_RESULT,
                 {"钢丝绳", [this] { return Item(IDC_ROPE_TYPE) + " " + Item(IDC_ROPE_SIZE); }, IDC_ROPE_LENGTH,
                  Quantity::Length});
}

void CTAB2::OnInitDialog() {
    // The template's fixed lists.
    FillSizes(tube_);
    FillSizes(pipe_);
    FillList(IDC_FASTENER_TYPE, FastenerTypeItems(), -1);
    FillTypes(ht_);
    FillTypes(plateMesh_);
    FillList(IDC_ROPE_TYPE, RopeConstructionItems(), -1);

    surface_.SetSelection(IDC_TUBE_COMBO, 0);
    ComputeTube();
    surface_.SetSelection(IDC_PIPE_COMBO, 0);
    ComputePipe();
    surface_.SetSelection(IDC_FASTENER_TYPE, 0);
    FillFastenerSizes();
    ComputeFastener();
    surface_.SetSelection(IDC_HT_TYPE, 0);
    FillHTSizes();
    ComputeHT();
    surface_.SetSelection(IDC_MESH_TYPE, 0);
    FillPlateMeshSizes();
    ComputePlateMesh();
    surface_.SetSelection(IDC_ROPE_TYPE, 0);
    FillRopeSizes();
    ComputeRope();
    LoadCustomEntries(tube_, kCustomSources[kCustomTube]);
    LoadCustomEntries(pipe_, kCustomSources[kCustomPipe]);
}

void CTAB2::RecomputeAll() {
    ComputeTube();
    ComputePipe();
    ComputeFastener();
    ComputeHT();
    ComputePlateMesh();
    ComputeRope();
}

void CTAB2::ResetPage() {
    for (int combo : {IDC_HT_TYPE, IDC_MESH_TYPE, IDC_ROPE_TYPE, IDC_TUBE_COMBO, IDC_PIPE_COMBO,
                      IDC_FASTENER_TYPE})
        surface_.SetSelection(combo, 0);
    for (int edit : {IDC_HT_LENGTH, IDC_MESH_AREA, IDC_ROPE_LENGTH, IDC_TUBE_LENGTH, IDC_PIPE_LENGTH,
                     IDC_FASTENER_LENGTH})
        surface_.SetText(edit, "");
    ComputeTube();
    ComputePipe();
    FillFastenerSizes();
    ComputeFastener();
    FillHTSizes();
    ComputeHT();
    FillPlateMeshSizes();
    ComputePlateMesh();
    FillRopeSizes();
    ComputeRope();
}

bool CTAB2::Choose(const SizeChoice& choice) {
    return ChooseRow(tube_, choice) || ChooseRow(pipe_, choice) || ChooseTyped(ht_, choice);
}

void CTAB2::FillList(int combo, const std::vector<std::string>& items, int selection) {
    surface_.SetItems(combo, items);
    if (selection >= 0) surface_.SetSelection(combo, selection);
}

void CTAB2::ComputeTube() { ComputeTable(tube_); }
void CTAB2::ComputePipe() { ComputeTable(pipe_); }

void CTAB2::FillFastenerSizes() {
    const std::vector<std::string> sizes = FastenerSizeItems(surface_.Selection(IDC_FASTENER_TYPE));
    FillList(IDC_FASTENER_SIZE, sizes, sizes.empty() ? -1 : 0);
}

// Bolts and split pins need a length: the nut and washer placeholder gives way to an empty field.
void CTAB2::OnFastenerType() {
    const std::string length = surface_.Text(IDC_FASTENER_LENGTH).substr(0, kLengthTextMax);
    if (FastenerTypeChangeClearsLength(surface_.Selection(IDC_FASTENER_TYPE), length))
        surface_.SetText(IDC_FASTENER_LENGTH, "");
    FillFastenerSizes();
    ComputeFastener();
}

void CTAB2::OnFastenerLength() {
    if (!FastenerLengthChangeComputes(surface_.Text(IDC_FASTENER_LENGTH))) return;
    ComputeFastener();
    Echo(IDC_FASTENER_LENGTH);
}

void CTAB2::ComputeFastener() {
    FastenerInput in;
    in.length = Value(IDC_FASTENER_LENGTH);
    in.type = surface_.Selection(IDC_FASTENER_TYPE);
    in.size = surface_.Selection(IDC_FASTENER_SIZE);
    const FastenerResult result = mw::ComputeFastener(in, Settings());
    // Only when the field does not hold it yet: a recomputation writes no input edit.
    if (result.showPlaceholder && InputText(IDC_FASTENER_LENGTH) != kFastenerPlaceholder)
        surface_.SetText(IDC_FASTENER_LENGTH, kFastenerPlaceholder);
    Show(IDC_FASTENER_RESULT, result.weightText);
}

// Standard and size; a bolt or split pin adds its length.
std::string CTAB2::FastenerSize() const {
    std::string size = Item(IDC_FASTENER_TYPE) + " " + Item(IDC_FASTENER_SIZE);
    if (surface_.Text(IDC_FASTENER_LENGTH) != kFastenerPlaceholder)
        size += "×" + PlainValue(IDC_FASTENER_LENGTH);
    return size;
}

void CTAB2::FillHTSizes() { FillTypedSizes(ht_); }
void CTAB2::ComputeHT() { ComputeTyped(ht_); }
void CTAB2::FillPlateMeshSizes() { FillTypedSizes(plateMesh_); }
void CTAB2::ComputePlateMesh() { ComputeTyped(plateMesh_); }

void CTAB2::FillRopeSizes() {
    const RopeSizeList list = mw::FillRopeSizes(surface_.Selection(IDC_ROPE_TYPE));
    FillList(IDC_ROPE_SIZE, list.items, list.selection);
}

void CTAB2::ComputeRope() {
    RopeInput in;
    in.construction = surface_.Selection(IDC_ROPE_TYPE);
    in.size = surface_.Selection(IDC_ROPE_SIZE);
    in.length = Value(IDC_ROPE_LENGTH);
    const RopeResult result = mw::ComputeRope(in, Settings());
    Show(IDC_ROPE_UNIT_WEIGHT, result.unitWeightText);
    Show(IDC_ROPE_RESULT, result.weightText);
}

}  // namespace mw
