// The weight list window: the weighings with their prices and costs, the totals, row price,
// delete and clear, copy for a spreadsheet and export to a CSV file.
#pragma once

#include <string>

#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"
#include "kit/ExportFiles.h"
#include "pages/CalcSettings.h"
#include "tools/WeightList.h"

namespace mw {

class CWeightListDlg : public CommandTarget {
public:
    CWeightListDlg(ControlSurface& surface, WeightList& list, const CalcSettings& settings, Clipboard& clipboard,
             ExportFiles& exports);

    // Columns and rows; a damaged list file found at start (`setAside`) is reported once.
    void OnInitDialog(const std::string& setAside = {});
    void OnCommand(int id, Notify what) override;
    // Rows, totals and row price again, after the list or the weight unit changed.
    void Refresh();

    WeightDisplay Display() const { return {settings_.unitSystem == kTM, settings_.decimals}; }

private:
    void OnDefaultPrice();
    void OnRowSelected();
    void OnSetRowPrice();
    void OnDelete();
    void OnClear();
    void OnExport();
    // The selected row, or -1 after telling the user to choose one.
    int SelectedRow();

    ControlSurface& surface_;
    WeightList& list_;
    const CalcSettings& settings_;
    Clipboard& clipboard_;
    ExportFiles& exports_;
};

}  // namespace mw
