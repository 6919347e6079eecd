// The platform's file-open dialog, owned by the window that asks.
#pragma once

#include <windows.h>

#include "tasks/ProgramChooser.h"

namespace mw {

class Win32ProgramChooser : public ProgramChooser {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool ChooseProgram(std::string& path) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace mw
