// Where a window's export goes (the save dialog and the file), behind an interface so that tests
// read what was written; and the export that the user hears of when the file cannot be written.
#pragma once

#include <optional>
#include <string>

namespace mw {

class ControlSurface;

class ExportFiles {
public:
    virtual ~ExportFiles() = default;
    // The path the user chose, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> AskSavePath(const std::string& suggestedName) = 0;
    virtual bool Write(const std::string& path, const std::string& bytes) = 0;
};

// What a window says when an export's file cannot be written (the path follows).
extern const char kExportFailedText[];

// Asks where to save, suggesting `suggestedName`, and writes `bytes` there; when the file cannot
// be written, tells the user in a message box of `window`. False when nothing was written
// (the dialog cancelled, or the write failed).
bool ExportOrSay(ExportFiles& exports, ControlSurface& window, const std::string& suggestedName,
                 const std::string& bytes);

}  // namespace mw
