// The custom material editor: the user's own sizes of eight section types, kept in the settings
// file, added and removed here. The calculators read them once, at start, so the editor ends with
// a button that restarts the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kit/ControlSurface.h"
#include "custom/CustomEntry.h"

namespace mw {

class ProcessStarter;
class SettingsFile;

class CDINGYICAILIAO : public CommandTarget {
public:
    // `exitProgram` runs the main window's exit sequence; `executablePath` is the program that
    // the restart starts again.
    CDINGYICAILIAO(ControlSurface& surface, SettingsFile& settings, ProcessStarter& processes,
                   std::string executablePath, std::function<void()> exitProgram);

    void OnInitDialog();
    // Reads every type's entries, in type order, into the list of entries.
    void LoadStore();
    // Rewrites the eight sections from the list of entries, each type numbered from 1 in list
    // order, and shows the list again; false when the file could not be written.
    bool SaveStore();

    void OnCommand(int id, Notify what) override;
    void OnTypeChange();
    void OnAdd();
    void OnRemove();
    void OnRestart();

    const std::vector<CustomEntry>& Entries() const { return entries_; }

private:
    int CountOf(int kind) const;
    void ShowList();

    ControlSurface& surface_;
    SettingsFile& settings_;
    ProcessStarter& processes_;
    std::string executablePath_;
    std::function<void()> exitProgram_;
    std::vector<CustomEntry> entries_;  // in list order
};

// The list's line for the entry at a position counted from 1: "N、type model spec unit weight".
std::string CustomListLine(int number, const CustomEntry& entry);

}  // namespace mw
