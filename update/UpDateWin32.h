// The update check on Windows: its worker thread, the clean-up at start, the own version.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "update/UpDate.h"

namespace mw {

// Starts one update check on a worker thread that shows its own messages. Called on the
// user-interface thread: by the main window at start (after CleanUpAfterUpdate), by the About
// window's button 1089 when pressed (`ByUser`: every outcome is answered). A check asked for
// while another runs does nothing but say so to the user. After a successful update this copy
// runs its exit sequence (its exit button's) as the new one starts. `kept` names every file the
// program keeps beside its executable, as their owners declare them: no list may touch one.
void StartUpdateCheck(std::vector<KeptFile> kept, CheckStart start = CheckStart::AtStart);
DWORD WINAPI UpdateThread(LPVOID request);

// At start, in the new copy: ends the copy it replaces through that program's exit button and
// deletes its file. `afterForcedEnd` runs when the old copy did not end by itself and had to be
// terminated (its notification-area icon is then left behind).
void CleanUpAfterUpdate(void (*afterForcedEnd)() = nullptr);

// "FileVersion" of this executable's version resource, for every language it lists.
std::string GetFileVersion();

}  // namespace mw
