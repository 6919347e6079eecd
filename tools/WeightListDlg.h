// The weight list window: the weighings with their prices and costs, the totals, row price,
// delete and clear, copy for a spreadsheet and export to a CSV file.
#pragma once

#include <string>

#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"
#include "kit/ExportFiles.h"
#include "pages/CalcSettings.h"
#include "print/PrintService.h"
#include "settings/SettingsFile.h"
#include "tools/QuoteDocument.h"
#include "tools/WeightList.h"

namespace mw {

class CWeightListDlg : public CommandTarget {
public:
    // The seller's name and phone live in `settingsFile` (none: they are neither shown nor kept).
    CWeightListDlg(ControlSurface& surface, WeightList& list, const CalcSettings& settings, Clipboard& clipboard,
             ExportFiles& exports, SettingsFile* settingsFile = nullptr);

    // Columns and rows; a damaged list file found at start (`setAside`) is reported once.
    void OnInitDialog(const std::string& setAside = {});
    void OnCommand(int id, Notify what) override;
    // Rows, totals and row price again, after the list or the weight unit changed.
    void Refresh();

    WeightDisplay Display() const { return {settings_.unitSystem == kTM, settings_.decimals}; }
    // The seller as the settings file keeps it.
    QuoteSeller Seller() const;
    // Where "打印预览..." and Ctrl+P (IDM_PRINT) go; none: they do nothing.
    void SetPrinting(PrintService* printing) { printing_ = printing; }
    // The quote as it prints today.
    PrintDocument Quote() const;

private:
    void OnDefaultPrice();
    void OnRowSelected();
    void OnSetRowPrice();
    void OnSetRowCount();
    void OnHeader();
    void OnSeller(int id);
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
    SettingsFile* settingsFile_;
    PrintService* printing_ = nullptr;
    bool showing_ = false;  // the window writes its own fields: nothing to keep
};

}  // namespace mw
