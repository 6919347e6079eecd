// The place of the program's files on Windows: the folders the choice is made between, and the
// one choice made for the run.
#pragma once

#include <vector>

#include "settings/FilesPlace.h"

namespace mw {

// Makes the choice for this run; called once, at start, before any of the files is read.
const FilesPlace& SettleFilesPlace(const std::vector<KeptFile>& carried);
// The choice made at start (beside the executable, before it is made).
const FilesPlace& ProgramFilesPlace();

}  // namespace mw
