// The job files used last, newest first, and the one the window's job came from, in the
// settings file's section of their own (the other sections and keys are left as they are).
#pragma once

#include <string>
#include <vector>

#include "settings/ProfileStore.h"

namespace mw {

class RecentCutJobs {
public:
    static constexpr int kMost = 8;
    static constexpr const char* kSection = "CutJobs";

    explicit RecentCutJobs(ProfileStore& store) : store_(store) {}

    std::vector<std::string> Paths();
    // `path` first, once (names differing in letter case only are the same file), at most kMost.
    // False when the settings file could not be written.
    bool Add(const std::string& path);
    bool Remove(const std::string& path);

    // The job file the window's job was last opened from or saved as; empty for a new job.
    std::string OpenPath();
    bool SetOpenPath(const std::string& path);

private:
    bool Write(const std::vector<std::string>& paths);

    ProfileStore& store_;
};

// The file's name without its folder and extension: the job's name.
std::string CutJobName(const std::string& path);

}  // namespace mw
