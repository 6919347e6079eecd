// The application object: settings path, single instance, hidden owner window, main window.
#pragma once

#include <string>

namespace mw {

// The full path of the running executable.
std::string ExecutablePath();

class CWeightApp {
public:
    // Runs the program from start to end; returns the process exit code.
    int Run();
};

}  // namespace mw
