// The application object: settings path, single instance, hidden owner window, main window.
#pragma once

namespace mw {

class CWeightApp {
public:
    // Runs the program from start to end; returns the process exit code.
    int Run();
};

}  // namespace mw
