// The cutting plan window driven as a user fills it in: bars and pieces typed and added a row at a
// time, and the job planned.
#pragma once

#include <windows.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

// A row of bars: length and count typed (an empty count leaves the box empty), then added.
inline void AddStock(HWND cut, const char* length, const char* count = "") {
    SetText(cut, IDC_CUT_STOCK_LENGTH, length);
    SetText(cut, IDC_CUT_STOCK_COUNT, count);
    Click(cut, IDC_CUT_STOCK_ADD);
}

// A row of pieces: length and count typed, then added.
inline void AddPiece(HWND cut, const char* length, const char* count) {
    SetText(cut, IDC_CUT_PIECE_LENGTH, length);
    SetText(cut, IDC_CUT_PIECE_COUNT, count);
    Click(cut, IDC_CUT_PIECE_ADD);
}

// Plans the job: true once the plan's rows are listed and the window can plan again, false when
// that has not come about within the timeout.
inline bool Solve(HWND cut, int timeoutMs) {
    Click(cut, IDC_CUT_SOLVE);
    return WaitUntil([&] { return Enabled(cut, IDC_CUT_SOLVE) && ItemCount(cut, IDC_CUT_RESULT) > 0; }, timeoutMs);
}

}  // namespace mw::e2e
