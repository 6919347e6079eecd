// What the program's own files do with the file system beyond its single operations.
#include "settings/FileSystem.h"

namespace mw {

std::string SetAsideDamaged(FileSystem& files, const std::string& path, const std::string& suffix,
                            const std::string& bytes) {
    for (int n = 1; n < 1000; ++n) {
        const std::string candidate = path + suffix + (n > 1 ? "-" + std::to_string(n) : "");
        if (files.Exists(candidate)) continue;
        if (!files.ReplaceWhole(candidate, bytes)) return std::string();
        files.Remove(path);
        return candidate;
    }
    return std::string();
}

}  // namespace mw
