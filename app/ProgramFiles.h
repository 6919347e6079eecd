// Every file and folder the program keeps or writes, each as its owner declares it (name,
// replacement, copies). A file the program comes to keep is declared by its owner and listed in
// CarriedFiles: it then lives where the others do (settings/FilesPlace) and is carried over with
// them; the update check refuses to write any of them.
#pragma once

#include <iterator>
#include <vector>

#include "cutplan/CutPlanDlg.h"
#include "update/UpdateList.h"
#include "settings/FilesPlace.h"
#include "settings/SettingsFile.h"
#include "tools/WeightList.h"

namespace mw {

// The user's own files: in the folder chosen at start, and carried into it from beside the
// executable when that folder is new.
inline std::vector<KeptFile> CarriedFiles() { return {kSettingsFile, kWeightListFile, kCutJobFile, kOffcutStockFile}; }

inline std::vector<KeptFile> ProgramFiles() {
    std::vector<KeptFile> files = CarriedFiles();
    files.push_back(kWriteTestFile);
    files.insert(files.end(), std::begin(kUpdateFiles), std::end(kUpdateFiles));
    return files;
}

}  // namespace mw
