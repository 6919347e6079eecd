// Job files on Windows: the open and save dialogs over the cutting plan window, files whole.
#pragma once

#include "cutplan/CutJobFiles.h"
#include "kit/DialogWin32.h"

namespace mw {

class Win32CutJobFiles : public CutJobFiles {
public:
    explicit Win32CutJobFiles(const DialogWindow& owner) : owner_(owner) {}

    std::optional<std::string> AskOpenPath() override;
    std::optional<std::string> AskSavePath(const std::string& suggestedName) override;
    bool Exists(const std::string& path) override;
    bool Read(const std::string& path, std::string& bytes) override;
    bool Write(const std::string& path, const std::string& bytes) override;

private:
    std::optional<std::string> Ask(const std::string& suggestedName, bool save);

    const DialogWindow& owner_;  // asked for its handle when a dialog opens
};

}  // namespace mw
