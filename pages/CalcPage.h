// The frame every calculator page shares: how a notification reaches a compute operation, how
// input text becomes numbers, how weights are shown and echoed, the "重量" button, size lists
// with the user's own sizes, and tooltips. A page adds its calculators by binding controls.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "custom/CustomEntry.h"
#include "expr/CalcExpression.h"
#include "pages/PageHost.h"
#include "pages/SizeTable.h"
#include "pages/TypedSizes.h"

namespace mw {

class CalcPage : public Page {
public:
    CalcPage(ControlSurface& surface, PageHost& host) : surface_(surface), host_(host) {}

    void OnCommand(int id, Notify what) override;
    std::string TooltipText(int id) const override;
    std::optional<CurrentMaterial> Material() override;

    // The page's own way to turn input text into a number (0 for empty or invalid text).
    double EvaluateText(const std::string& text) const { return mw::CalcExpression(text); }

protected:
    using Compute = std::function<void()>;

    // A calculator that takes its unit weight from a size list, built-in sizes first.
    struct TableCalculator {
        int combo;
        int unitWeightEdit;
        int specEdit;        // 0 where the calculator has none
        int lengthEdit;
        int resultEdit;
        SizeTable table;
        std::vector<CustomEntry> custom;
    };

    // A calculator whose size list depends on its type list.
    struct TypedCalculator {
        const TypedSizes& section;
        int typeCombo, sizeCombo, unitWeightEdit, quantityEdit, resultEdit;
        QuantityWeight weightOf;  // length or area to weight
    };

    // Bindings, made in the page's constructor.
    void OnInput(int edit, Compute compute);      // edit change: compute, then echo to the hint line
    void OnEdit(int edit, Compute handler);       // edit change handled entirely by the page
    void OnSelection(int combo, Compute compute); // size or type list change
    void OnClick(int button, Compute compute);    // mode radios

    // What a "重量" press puts in the weight list besides the weight: the calculator's name, its
    // size as the page shows it, and the length, area or count.
    enum class Quantity { None, Length, Area, Pieces };
    struct WeighingSource {
        const char* calculator;
        std::function<std::string()> size;
        int quantityEdit = 0;
        Quantity quantity = Quantity::None;
        // Outer surface a metre of the size weighed (m²/m), for a calculator weighed by length.
        std::function<std::optional<double>()> surfacePerMetre = nullptr;
    };
    void WeightButton(int button, int resultEdit, WeighingSource source);
    // Size descriptions: the selected item of a list; the values of edits joined by "×".
    std::string Item(int combo) const;
    std::string Dimensions(std::initializer_list<int> edits) const;
    // A table calculator weighs its selected size; a typed one its type and size.
    WeighingSource Weighed(const char* calculator, const TableCalculator& calc) {
        return {calculator, [this, &calc] { return Item(calc.combo); }, calc.lengthEdit, Quantity::Length,
                [this, &calc] { return ListSurface(calc); }};
    }
    WeighingSource Weighed(const char* calculator, const TypedCalculator& calc, Quantity quantity) {
        return {calculator, [this, &calc] { return Item(calc.typeCombo) + " " + Item(calc.sizeCombo); },
                calc.quantityEdit, quantity, [this, &calc] { return TypedSurface(calc); }};
    }
    // Surface a metre of the selected built-in size; nothing for the user's own sizes.
    std::optional<double> ListSurface(const TableCalculator& calc) const;
    std::optional<double> TypedSurface(const TypedCalculator& calc) const;
    void Tooltip(int id, const char* text);

    // Steps of a compute operation.
    double Value(int edit) const { return EvaluateText(InputText(edit)); }
    // The value of an edit as the hint line shows it: "2*500" reads "1000", "0.50" reads "0.5".
    std::string PlainValue(int edit) const;
    // The text of an input edit. An edit reports every change of its text, so a text once read
    // stays good until the next change: a global recomputation reads no control.
    const std::string& InputText(int edit) const;
    // Writes an output edit (result, unit weight, specification; read-only, so only the page
    // writes it) only when its text changes: a recomputation then costs no redraw and no
    // notification where nothing changed.
    void Show(int edit, const std::string& text);
    const CalcSettings& Settings() const { return host_.Settings(); }
    void ShowWeight(int resultEdit, double weight);
    // Unit weight of the selected size (built-in, then custom), scaled to the density; writes the
    // unit-weight and specification edits and the weight of the given length.
    void ComputeTable(const TableCalculator& calc);
    // Selected row's unit weight (kg/m at 7.85) and spec; false when nothing is selected.
    bool SelectedUnitWeight(const TableCalculator& calc, double& unitWeight, std::string& spec) const;

    // Refills the size list from the selected type, selects its first size and sets its font.
    void FillTypedSizes(const TypedCalculator& calc);
    void ComputeTyped(const TypedCalculator& calc);
    // The type list of the template.
    void FillTypes(const TypedCalculator& calc);

    // Fills a size list with the built-in sizes.
    void FillSizes(const TableCalculator& calc);
    // Reads the user's own sizes of one calculator and appends their models to its list.
    void LoadCustomEntries(TableCalculator& calc, const CustomSource& source);

    ControlSurface& surface_;
    PageHost& host_;

    // A chosen size for a table or typed calculator; false when it is not that calculator's.
    bool ChooseRow(const TableCalculator& calc, const SizeChoice& choice);
    bool ChooseTyped(const TypedCalculator& calc, const SizeChoice& choice);
    // Puts the chosen length in a calculator's length edit (through its change notification,
    // as typing does) and the focus there.
    void FillLength(int lengthEdit, const std::string& length);

    // Shows the value of an input edit in the main window's hint line.
    void Echo(int edit);

private:
    void CopyAndCount(int resultEdit, const WeighingSource& source);
    std::string QuantityText(const WeighingSource& source) const;

    struct Binding {
        Compute compute;
        bool echo = false;
        int copyFrom = 0;  // result edit of a "重量" button
        WeighingSource weighing{};
    };
    std::map<std::pair<int, Notify>, Binding> bindings_;
    mutable std::map<int, std::string> inputTexts_;
    std::map<int, std::string> shown_;  // what Show last wrote to each output edit
    std::map<int, const char*> tooltips_;
    // The result edit of the calculator last computed for the user, and, while a weight a metre
    // is being computed, what the compute would have shown instead of showing it.
    int lastResult_ = 0;
    std::set<int> lengthResults_;  // the result edits of the calculators weighed by length
    bool userCompute_ = false;
    std::map<int, std::string>* captured_ = nullptr;
};

}  // namespace mw
