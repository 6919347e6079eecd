// The calculator frame: recompute on every change, echo, copy-and-count, size lists.
#include "pages/CalcPage.h"

#include <cctype>
#include <cstdio>

#include "kit/ControlSurface.h"
#include "expr/Atof.h"
#include "expr/TrimZeros.h"
#include "pages/SurfaceTables.h"
#include "pages/Weighing.h"
#include "settings/TextFields.h"

namespace mw {

namespace {
const char kWeightButtonTip[] = "点击复制右侧重量值";
}  // namespace

void CalcPage::OnInput(int edit, Compute compute) {
    bindings_[{edit, Notify::Change}] = Binding{std::move(compute), true, 0};
}

void CalcPage::OnEdit(int edit, Compute handler) {
    bindings_[{edit, Notify::Change}] = Binding{std::move(handler), false, 0};
}

void CalcPage::OnSelection(int combo, Compute compute) {
    bindings_[{combo, Notify::SelChange}] = Binding{std::move(compute), false, 0};
}

void CalcPage::OnClick(int button, Compute compute) {
    bindings_[{button, Notify::Click}] = Binding{std::move(compute), false, 0};
}

void CalcPage::WeightButton(int button, int resultEdit, WeighingSource source) {
    if (source.quantity == Quantity::Length) lengthResults_.insert(resultEdit);
    bindings_[{button, Notify::Click}] = Binding{nullptr, false, resultEdit, std::move(source)};
    tooltips_[button] = kWeightButtonTip;
}

std::string CalcPage::Item(int combo) const { return surface_.ItemText(combo, surface_.Selection(combo)); }

std::string CalcPage::PlainValue(int edit) const { return mw::TrimZeros(FixedNumber(Value(edit), 6)); }

std::string CalcPage::Dimensions(std::initializer_list<int> edits) const {
    std::string text;
    for (int edit : edits) {
        if (!text.empty()) text += "×";
        text += PlainValue(edit);
    }
    return text;
}

void CalcPage::Tooltip(int id, const char* text) { tooltips_[id] = text; }

void CalcPage::OnCommand(int id, Notify what) {
    if (what == Notify::Change) inputTexts_.erase(id);
    const auto found = bindings_.find({id, what});
    if (found == bindings_.end()) return;
    CatchUp();  // a hidden page reached from outside: its other figures are current as well
    const Binding& binding = found->second;
    if (binding.copyFrom) {
        lastResult_ = binding.copyFrom;
        CopyAndCount(binding.copyFrom, binding.weighing);
        return;
    }
    userCompute_ = true;
    binding.compute();
    userCompute_ = false;
    if (binding.echo) Echo(id);
}

std::string CalcPage::TooltipText(int id) const {
    const auto found = tooltips_.find(id);
    return found == tooltips_.end() ? std::string() : found->second;
}

const std::string& CalcPage::InputText(int edit) const {
    auto known = inputTexts_.find(edit);
    if (known == inputTexts_.end()) known = inputTexts_.emplace(edit, surface_.Text(edit)).first;
    return known->second;
}

void CalcPage::Show(int edit, const std::string& text) {
    if (captured_) {
        (*captured_)[edit] = text;
        return;
    }
    if (userCompute_ && lengthResults_.count(edit)) lastResult_ = edit;
    const auto shown = shown_.find(edit);
    if (shown != shown_.end() && shown->second == text) return;
    shown_[edit] = text;
    surface_.SetText(edit, text);
}

void CalcPage::ShowWeight(int resultEdit, double weight) {
    Show(resultEdit, FormatWeight(weight, Settings().decimals));
}

bool CalcPage::SelectedUnitWeight(const TableCalculator& calc, double& unitWeight,
                                  std::string& spec) const {
    const int index = surface_.Selection(calc.combo);
    if (const SizeRow* row = calc.table.At(index)) {
        unitWeight = row->unitWeight;
        spec = row->spec;
        return true;
    }
    const int customIndex = index - static_cast<int>(calc.table.count);
    if (index >= 0 && customIndex < static_cast<int>(calc.custom.size())) {
        unitWeight = AtofPrefix(calc.custom[customIndex].unitWeight);
        spec = calc.custom[customIndex].spec;
        return true;
    }
    unitWeight = 0.0;
    return false;
}

void CalcPage::ComputeTable(const TableCalculator& calc) {
    double unitWeight = 0.0;
    std::string spec;
    const bool selected = SelectedUnitWeight(calc, unitWeight, spec);
    const double length = Value(calc.lengthEdit);
    const double scaled = ScaledUnitWeight(unitWeight, Settings());
    Show(calc.unitWeightEdit, FormatUnitWeight(scaled));
    if (calc.specEdit && selected) Show(calc.specEdit, spec);
    ShowWeight(calc.resultEdit, TableWeight(scaled, length, Settings()));
}

void CalcPage::FillTypes(const TypedCalculator& calc) { surface_.SetItems(calc.typeCombo, TypeItems(calc.section)); }

void CalcPage::FillTypedSizes(const TypedCalculator& calc) {
    const TypedSizeList list = mw::FillTypedSizes(calc.section, surface_.Selection(calc.typeCombo));
    surface_.SetItems(calc.sizeCombo, list.items);
    if (list.font) surface_.SetFont(calc.sizeCombo, *list.font);
    surface_.SetSelection(calc.sizeCombo, list.selection);
}

void CalcPage::ComputeTyped(const TypedCalculator& calc) {
    const TypedResult result =
        mw::ComputeTyped(calc.section, surface_.Selection(calc.typeCombo), surface_.Selection(calc.sizeCombo),
                         Value(calc.quantityEdit), Settings(), calc.weightOf);
    Show(calc.unitWeightEdit, result.unitWeightText);
    Show(calc.resultEdit, result.weightText);
}

void CalcPage::FillSizes(const TableCalculator& calc) {
    std::vector<std::string> models;
    models.reserve(calc.table.count);
    for (std::size_t i = 0; i < calc.table.count; ++i) models.emplace_back(calc.table.rows[i].model);
    surface_.SetItems(calc.combo, models);
}

void CalcPage::LoadCustomEntries(TableCalculator& calc, const CustomSource& source) {
    calc.custom = ReadCustomEntries(host_.Profile(), source);
    for (const CustomEntry& entry : calc.custom) surface_.AddItem(calc.combo, entry.model);
}

void CalcPage::Echo(int edit) {
    host_.SetHint(PlainValue(edit));
}

void CalcPage::CopyAndCount(int resultEdit, const WeighingSource& source) {
    const std::string shown = surface_.Text(resultEdit);
    // A press whose copy failed counts nowhere: the user, told so, presses again.
    if (!host_.CopyText(shown)) return;
    // A weight (not a message such as a wall-thickness error) joins the weight list, in kg.
    if (!shown.empty() && (std::isdigit(static_cast<unsigned char>(shown[0])) || shown[0] == '-')) {
        Weighing weighing;
        weighing.calculator = source.calculator ? source.calculator : "";
        weighing.size = source.size ? source.size() : std::string();
        weighing.quantity = QuantityText(source);
        weighing.kilograms = EvaluateText(shown) * (Settings().unitSystem == kTM ? 1000.0 : 1.0);
        if (source.quantity == Quantity::Length && source.surfacePerMetre) {
            if (const std::optional<double> perMetre = source.surfacePerMetre()) {
                const double metres = Value(source.quantityEdit) * (Settings().unitSystem == kKgMm ? 0.001 : 1.0);
                weighing.squareMetres = *perMetre * metres;
            }
        }
        host_.RecordWeighing(weighing);
    }
    if (!host_.StatisticsOn()) return;
    const std::string value = mw::TrimZeros(FixedNumber(EvaluateText(shown), 6));
    const std::string expression = host_.StatisticsExpression();
    const char sign = host_.AddSubtractChoice() == 0 ? '+' : '-';
    host_.SetStatisticsExpression(expression.empty() || expression == "0" ? value
                                                                         : expression + sign + value);
}

// The calculator's own compute with the length read as 1000 m (a million under t;m), shown
// nowhere: the user's fields and results stay as they are. The long length keeps the decimals of
// a metre's weight through the result's rounding.
std::optional<CurrentMaterial> CalcPage::Material() {
    const Binding* button = nullptr;
    for (const auto& entry : bindings_) {
        const Binding& b = entry.second;
        if (!b.copyFrom || b.weighing.quantity != Quantity::Length) continue;
        if (b.copyFrom == lastResult_) { button = &b; break; }
        if (!button) button = &b;
    }
    if (!button) return std::nullopt;
    const int lengthEdit = button->weighing.quantityEdit;
    const auto compute = bindings_.find({lengthEdit, Notify::Change});
    if (compute == bindings_.end() || !compute->second.compute) return std::nullopt;

    const bool millimetres = Settings().unitSystem == kKgMm;
    const double metres = Settings().unitSystem == kTM ? 1e6 : 1e3;
    const auto saved = inputTexts_.find(lengthEdit);
    const std::optional<std::string> savedText =
        saved == inputTexts_.end() ? std::nullopt : std::optional<std::string>(saved->second);
    inputTexts_[lengthEdit] = FixedNumber(millimetres ? metres * 1000 : metres, 6);
    std::map<int, std::string> shown;
    captured_ = &shown;
    compute->second.compute();
    captured_ = nullptr;
    if (savedText) inputTexts_[lengthEdit] = *savedText;
    else inputTexts_.erase(lengthEdit);

    const auto result = shown.find(button->copyFrom);
    if (result == shown.end() || result->second.empty() ||
        !(std::isdigit(static_cast<unsigned char>(result->second[0]))))
        return std::nullopt;
    const double weight = EvaluateText(result->second) * (Settings().unitSystem == kTM ? 1000.0 : 1.0);
    if (!(weight > 0)) return std::nullopt;
    CurrentMaterial material;
    material.section = button->weighing.calculator ? button->weighing.calculator : "";
    const std::string size = button->weighing.size ? button->weighing.size() : std::string();
    if (!size.empty()) material.section += (material.section.empty() ? "" : " ") + size;
    material.kilogramsPerMetre = weight / metres;
    return material;
}

std::string CalcPage::QuantityText(const WeighingSource& source) const {
    const bool millimetres = Settings().unitSystem == kKgMm;
    switch (source.quantity) {
        case Quantity::Length:
            return PlainValue(source.quantityEdit) + (millimetres ? " mm" : " m");
        case Quantity::Area:
            return PlainValue(source.quantityEdit) + (millimetres ? " mm²" : " m²");
        case Quantity::Pieces:  // fasteners weigh one piece under kg;mm, a thousand otherwise
            return millimetres ? "1 件" : "1000 件";
        default:
            return {};
    }
}

std::optional<double> CalcPage::ListSurface(const TableCalculator& calc) const {
    return SurfacePerMetre(calc.table, surface_.Selection(calc.combo));
}

std::optional<double> CalcPage::TypedSurface(const TypedCalculator& calc) const {
    const SectionType* type = calc.section.At(surface_.Selection(calc.typeCombo));
    if (!type) return std::nullopt;
    return SurfacePerMetre(*type->sizes, surface_.Selection(calc.sizeCombo));
}

// The list's selection change goes through OnCommand, so the calculator counts as the one the
// user last worked with ("取当前材料" of the cutting plan takes it).
bool CalcPage::ChooseRow(const TableCalculator& calc, const SizeChoice& choice) {
    if (choice.kind != SizeChoice::kRow || choice.rows != calc.table.rows || !calc.table.At(choice.row)) return false;
    surface_.SetSelection(calc.combo, choice.row);
    OnCommand(calc.combo, Notify::SelChange);
    FillLength(calc.lengthEdit, choice.length);
    return true;
}

bool CalcPage::ChooseTyped(const TypedCalculator& calc, const SizeChoice& choice) {
    const SectionType* type = calc.section.At(choice.type);
    if (choice.kind != SizeChoice::kRow || !type || type->sizes->rows != choice.rows ||
        !type->sizes->At(choice.row))
        return false;
    surface_.SetSelection(calc.typeCombo, choice.type);
    OnCommand(calc.typeCombo, Notify::SelChange);  // refills the size list
    surface_.SetSelection(calc.sizeCombo, choice.row);
    OnCommand(calc.sizeCombo, Notify::SelChange);
    FillLength(calc.quantityEdit, choice.length);
    return true;
}

void CalcPage::FillLength(int lengthEdit, const std::string& length) {
    if (!length.empty()) surface_.SetText(lengthEdit, length);
    surface_.SetFocus(lengthEdit);
}

}  // namespace mw
