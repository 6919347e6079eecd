// The tests' update server (scripts/ftp-test-server.py, started by scripts/wine-test.sh): what it
// serves under updateKq\, the events it reports, settings that point a program at it, and the
// message boxes of the update.
#pragma once

#include <windows.h>

#include <string>

namespace mw::e2e {

class UpdateServer {
public:
    UpdateServer();  // empties updateKq\; events count from here on
    bool Ready() const { return !root_.empty() && !events_.empty() && !port_.empty(); }
    std::string Address() const { return "127.0.0.1:" + port_; }

    void Put(const std::string& name, const std::string& bytes) const;  // into updateKq\ (a name, ASCII)
    // How often the server has reported `event` ("sent updateKq/x", "cut updateKq/x", "disconnect").
    int Count(const std::string& event) const;
    bool WaitFor(const std::string& event, int times = 1, int timeoutMs = 60000) const;

private:
    std::wstring root_, events_;
    std::string port_;
    std::size_t seen_ = 0;
};

// The settings file (code page 936) of a program that asks `address` for updates.
std::string SettingsAskingServer(const std::string& address);
// The bytes of the exe under test, to serve as the new version.
std::string ProgramBytes();

// A message box of any process whose text is `text`; null after the timeout.
HWND FindMessageBox(const std::string& text, int timeoutMs = 15000);
// The main window of a copy of the program other than process `notId`; null after the timeout.
HWND FindOtherMainWindow(DWORD notId, int timeoutMs = 15000);
// Ends the process that owns `window`.
void EndProcessOf(HWND window);

}  // namespace mw::e2e
