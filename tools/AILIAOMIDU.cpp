// Material density window: the table and its find-next search.
#include "tools/AILIAOMIDU.h"

#include "kit/Captions.h"
#include "res/resource.h"
#include "tools/DensityTables.h"

namespace mw {

void CAILIAOMIDU::OnInitDialog() {
    lastFound_ = -1;
    surface_.AddColumn(IDC_AILIAOMIDU_TABLE, "NO.", 38);
    surface_.AddColumn(IDC_AILIAOMIDU_TABLE, "名     称", 120);
    surface_.AddColumn(IDC_AILIAOMIDU_TABLE, "密度(t/m^3)", 90);
    for (int row = 0; row < kDensityRowCount; ++row)
        surface_.AddRow(IDC_AILIAOMIDU_TABLE,
                        {std::to_string(row + 1), kDensityRows[row].name, kDensityRows[row].density});
}

void CAILIAOMIDU::OnCommand(int id, Notify what) {
    if (id == IDC_AILIAOMIDU_FIND && what == Notify::Click) FindNext();
}

bool CAILIAOMIDU::Matches(int row, const std::string& text) {
    // Whole UTF-8 sequences only: a match never starts or ends inside a character.
    return std::string(kDensityRows[row].name).find(text) != std::string::npos ||
           std::string(kDensityRows[row].density).find(text) != std::string::npos;
}

void CAILIAOMIDU::FindNext() {
    const std::string text = surface_.Text(IDC_AILIAOMIDU_SEARCH);
    // Every row once, the row found last at the end, so a lone match is found again.
    for (int step = 1; step <= kDensityRowCount; ++step) {
        const int row = (lastFound_ + step) % kDensityRowCount;
        if (!Matches(row, text)) continue;
        surface_.SetSelection(IDC_AILIAOMIDU_TABLE, row);
        surface_.SetFocus(IDC_AILIAOMIDU_TABLE);
        lastFound_ = row;
        return;
    }
    surface_.ShowMessage(kNotFound, kHintCaption, kMbOk);
}

}  // namespace mw
