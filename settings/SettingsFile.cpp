// Settings file place and clean-up rule.
#include "settings/SettingsFile.h"

#include "kit/Captions.h"

namespace mw {

namespace {
const char* const kOptions[] = {"autorun", "minirun", "danwei", "hidetubiao"};
}  // namespace

std::string PathBesideExecutable(const std::string& executablePath, const std::string& fileName) {
    // The exe's folder, whatever the exe is called.
    const std::size_t slash = executablePath.find_last_of("\\/");
    return slash == std::string::npos ? fileName : executablePath.substr(0, slash + 1) + fileName;
}

std::string SettingsPathFor(const std::string& executablePath) {
    return PathBesideExecutable(executablePath, kSettingsFile.name);
}

bool SettingsFile::SaveOption(const char* key, int value) {
    if (value != 0) {
        const bool written = store_.WriteInt(kSection, key, value);
        Hide();
        return written;
    }
    bool written = store_.DeleteKey(kSection, key);
    Hide();
    bool allZero = true;
    for (const char* option : kOptions) allZero = allZero && store_.ReadInt(kSection, option, 0) == 0;
    if (allZero) written = store_.DeleteSection(kSection) && written;
    RemoveIfEmpty();
    return written;
}

void SettingsFile::RemoveIfEmpty() {
    if (files_.Exists(store_.Path()) && files_.Size(store_.Path()) == 0) files_.Remove(store_.Path());
}

}  // namespace mw
