// Every file and folder the program keeps or writes beside its executable, each as its owner
// declares it (name, replacement, copies). A file the program comes to keep there is declared by
// its owner and listed here; the update check refuses to write any of them.
#pragma once

#include <iterator>
#include <vector>

#include "cutplan/CutPlanDlg.h"
#include "update/UpdateList.h"
#include "settings/SettingsFile.h"
#include "tools/WeightList.h"

namespace mw {

inline std::vector<KeptFile> ProgramFiles() {
    std::vector<KeptFile> files = {kSettingsFile, kWeightListFile, kCutJobFile, kOffcutStockFile};
    files.insert(files.end(), std::begin(kUpdateFiles), std::end(kUpdateFiles));
    return files;
}

}  // namespace mw
