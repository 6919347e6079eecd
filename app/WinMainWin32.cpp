// Entry point of MaterialWeight.exe.
#include <windows.h>

#include "app/WeightAppWin32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return mw::CWeightApp().Run(); }
