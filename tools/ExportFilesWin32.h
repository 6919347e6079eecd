// Where a window's exports go on Windows: the CSV save dialog over the window, and the file
// written whole.
#pragma once

#include "kit/DialogWin32.h"
#include "kit/ExportFiles.h"

namespace mw {

class Win32ExportFiles : public ExportFiles {
public:
    explicit Win32ExportFiles(const DialogWindow& owner) : owner_(owner) {}

    std::optional<std::string> AskSavePath(const std::string& suggestedName) override;
    bool Write(const std::string& path, const std::string& bytes) override;

private:
    const DialogWindow& owner_;  // the window exporting; its handle is asked for when needed
};

}  // namespace mw
