// The user's own sizes in the settings file, sections "角钢" … "螺纹钢": read and written here only.
#include "custom/CustomEntry.h"

#include <cassert>

#include "settings/ProfileStore.h"

namespace mw {

const CustomSource kCustomSources[kCustomKindCount] = {
    {kCustomAngle,   "角钢(热轧)", "角钢",   false},
    {kCustomChannel, "槽钢(热轧)", "槽钢",   true},
    {kCustomIBeam,   "工字钢",     "工字钢", true},
    {kCustomTube,    "方管",       "方管",   false},
    {kCustomPipe,    "钢管",       "钢管",   false},
    {kCustomHexagon, "六角钢",     "六角钢", false},
    {kCustomOctagon, "八角钢",     "八角钢", false},
    {kCustomRebar,   "螺纹钢",     "螺纹钢", false},
};

std::vector<CustomEntry> ReadCustomEntries(ProfileStore& profile, const CustomSource& source) {
    std::vector<CustomEntry> entries;
    profile.BeginBatch();  // one read of the file for all the keys
    for (int n = 1; n <= kMaxCustomEntries; ++n) {
        const std::string number = std::to_string(n);
        CustomEntry entry;
        entry.kind = source.kind;
        entry.type = source.type;
        entry.model = profile.ReadString(source.section, "型号" + number);
        if (source.hasSpec) entry.spec = profile.ReadString(source.section, "规格" + number);
        entry.unitWeight = profile.ReadString(source.section, "单重" + number);
        if (entry.model.empty()) break;
        entries.push_back(std::move(entry));
    }
    profile.CommitBatch();
    return entries;
}

void WriteCustomEntry(ProfileStore& profile, const CustomEntry& entry, int number) {
    assert(entry.kind >= 0 && entry.kind < kCustomKindCount);
    const CustomSource& source = kCustomSources[entry.kind];
    const std::string n = std::to_string(number);
    profile.WriteString(source.section, "型号" + n, entry.model);
    if (source.hasSpec) profile.WriteString(source.section, "规格" + n, entry.spec);
    profile.WriteString(source.section, "单重" + n, entry.unitWeight);
}

}  // namespace mw
