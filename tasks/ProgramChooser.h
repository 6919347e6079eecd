// The file-open dialog that picks the program a task starts.
#pragma once

#include <string>

namespace mw {

class ProgramChooser {
public:
    virtual ~ProgramChooser() = default;
    // The full path of the chosen file; false when the user cancels.
    virtual bool ChooseProgram(std::string& path) = 0;
};

}  // namespace mw
