// The lookup window's behaviour: read as the user types, show, send, and the length a weight buys.
#include "lookup/LookupDlg.h"

#include "expr/CalcExpression.h"
#include "lookup/LengthForWeight.h"
#include "res/resource.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

const char* const kPageNames[] = {"第一页", "第二页", "第三页"};
const char kDefaultStock[] = "6000";

}  // namespace

void CLookupDlg::OnInitDialog() {
    surface_.AddItem(IDC_LOOKUP_MASS_UNIT, "kg");
    surface_.AddItem(IDC_LOOKUP_MASS_UNIT, "t");
    surface_.SetSelection(IDC_LOOKUP_MASS_UNIT, 0);
    surface_.SetText(IDC_LOOKUP_STOCK, kDefaultStock);
    Refresh();
}

void CLookupDlg::OnCommand(int id, Notify what) {
    switch (id) {
        case IDC_LOOKUP_TEXT:
            if (what == Notify::Change) OnText();
            break;
        case IDC_LOOKUP_CHOICES:
            if (what == Notify::SelChange) OnCandidate();
            if (what == Notify::DoubleClick) Send();  // the selection change came first
            break;
        case IDC_LOOKUP_SEND:
            if (what == Notify::Click) Send();
            break;
        case IDC_LOOKUP_MASS: case IDC_LOOKUP_STOCK:
            if (what == Notify::Change) ShowInverse();
            break;
        case IDC_LOOKUP_MASS_UNIT:
            if (what == Notify::SelChange) ShowInverse();
            break;
        default: break;
    }
}

// A candidate the user picked stays picked.
void CLookupDlg::Refresh() {
    const int picked = surface_.Selection(IDC_LOOKUP_CHOICES);
    OnText();
    if (picked < 0 || picked >= surface_.ItemCount(IDC_LOOKUP_CHOICES)) return;
    surface_.SetSelection(IDC_LOOKUP_CHOICES, picked);
    OnCandidate();
}

void CLookupDlg::OnText() {
    read_ = ReadDesignation(surface_.Text(IDC_LOOKUP_TEXT));
    shown_.reset();
    if (read_.status == Designation::kFound) shown_ = read_.meanings[0];
    surface_.ClearItems(IDC_LOOKUP_CHOICES);
    if (read_.status == Designation::kAmbiguous || read_.status == Designation::kNearMiss)
        for (const Meaning& m : read_.meanings)
            surface_.AddItem(IDC_LOOKUP_CHOICES, std::string(kPageNames[InfoOf(m.calc).page]) + " " + m.Label());
    surface_.SetText(IDC_LOOKUP_MESSAGE, read_.message);
    ShowMeaning();
}

// A candidate picked from the list is the meaning from then on: the user chose it.
void CLookupDlg::OnCandidate() {
    const int picked = surface_.Selection(IDC_LOOKUP_CHOICES);
    if (picked < 0 || picked >= static_cast<int>(read_.meanings.size())) return;
    shown_ = read_.meanings[picked];
    ShowMeaning();
}

void CLookupDlg::ShowMeaning() {
    if (!shown_) {
        for (int id : {IDC_LOOKUP_MEANING, IDC_LOOKUP_UNIT_WEIGHT, IDC_LOOKUP_WEIGHT, IDC_LOOKUP_SURFACE})
            surface_.SetText(id, "");
        ShowInverse();
        return;
    }
    const CalcSettings& s = target_.Settings();
    const CalcInfo info = InfoOf(shown_->calc);
    surface_.SetText(IDC_LOOKUP_MEANING,
                     std::string(kPageNames[info.page]) + " · " + info.name + " · " + shown_->Label());
    const double kgPerMetre = shown_->UnitWeight(s);
    surface_.SetText(IDC_LOOKUP_UNIT_WEIGHT, "每米重: " + FixedNumber(kgPerMetre, 3) + " kg/m");

    const bool tonnes = s.unitSystem == kTM;
    std::string weight;
    std::string surface;
    const std::optional<double> perMetre = shown_->Surface();
    if (perMetre) surface = "外表面积: " + FixedNumber(*perMetre, 4) + " m²/m";
    else surface = "外表面积: 无";
    if (read_.lengthMm) {
        const double metres = *read_.lengthMm / 1000 * read_.count;
        const double kilograms = kgPerMetre * metres;
        weight = "重量: " + PlainNumber(*read_.lengthMm) + " mm";
        if (read_.count > 1)
            weight += " × " + std::to_string(read_.count) + (shown_->calc == Calc::Plate ? " 块" : " 根");
        weight += " = " + FormatWeight(tonnes ? kilograms / 1000 : kilograms, s.decimals) + (tonnes ? " t" : " kg");
        if (perMetre) surface += ",共 " + SquareMetres(*perMetre * metres) + " m²";
    } else {
        weight = "重量: 写上长度(如 6m、L=6000)即算";
    }
    surface_.SetText(IDC_LOOKUP_WEIGHT, weight);
    surface_.SetText(IDC_LOOKUP_SURFACE, surface);
    ShowInverse();
}

void CLookupDlg::ShowInverse() {
    const std::string mass = surface_.Text(IDC_LOOKUP_MASS);
    if (!shown_ || mass.empty()) {
        surface_.SetText(IDC_LOOKUP_INVERSE, "");
        return;
    }
    const double kilograms = CalcExpression(mass) * (surface_.Selection(IDC_LOOKUP_MASS_UNIT) == 1 ? 1000 : 1);
    const double stockMm = CalcExpression(surface_.Text(IDC_LOOKUP_STOCK));
    const std::optional<LengthBought> bought = LengthForWeight(kilograms, shown_->UnitWeight(target_.Settings()), stockMm);
    if (!bought) {
        surface_.SetText(IDC_LOOKUP_INVERSE, "重量和定尺须为正数");
        return;
    }
    surface_.SetText(IDC_LOOKUP_INVERSE, "合 " + FixedNumber(bought->metres, 3) + " m,即 " + FixedNumber(bought->bars, 2) +
                                             " 根定尺(整 " + std::to_string(bought->wholeBars) + " 根,余 " +
                                             FixedNumber(bought->restMetres, 3) + " m)");
}

// The length edit's text: mm under "kg;mm", m under the others; a count as a factor.
std::string CLookupDlg::LengthText() const {
    if (!read_.lengthMm) return "";
    const bool millimetres = target_.Settings().unitSystem == kKgMm;
    std::string text = PlainNumber(millimetres ? *read_.lengthMm : *read_.lengthMm / 1000);
    if (read_.count > 1) text += "*" + std::to_string(read_.count);
    return text;
}

std::optional<SizeChoice> CLookupDlg::Choice() const {
    if (!shown_) return std::nullopt;
    SizeChoice choice;
    choice.length = LengthText();
    switch (shown_->calc) {
        case Calc::Plate:
            choice.kind = SizeChoice::kPlate;
            choice.width = shown_->width;
            choice.thickness = shown_->thickness;
            return choice;
        case Calc::Round:
            choice.kind = SizeChoice::kRound;
            choice.outer = shown_->outer;
            choice.wall = shown_->wall;
            return choice;
        default:
            break;
    }
    const SizeList* list = shown_->List();
    if (!list) return std::nullopt;
    choice.rows = list->sizes->rows;
    choice.type = list->type;
    choice.row = shown_->row;
    return choice;
}

void CLookupDlg::Send() {
    const std::optional<SizeChoice> choice = Choice();
    if (!choice) {
        if (read_.status == Designation::kEmpty) surface_.SetText(IDC_LOOKUP_MESSAGE, "先写一个型号,例如:" + std::string(kDesignationExamples));
        else if (read_.status != Designation::kUnreadable) surface_.SetText(IDC_LOOKUP_MESSAGE, read_.message + "(先在下面选一个)");
        return;
    }
    if (!target_.SendToCalculator(InfoOf(shown_->calc).page, *choice))
        surface_.SetText(IDC_LOOKUP_MESSAGE, "计算器还没有准备好,请稍后再试");
}

}  // namespace mw
