// The user's own sizes, shown in a calculator's size list after the built-in sizes: the one
// reader and writer of their sections of the settings file.
#pragma once

#include <string>
#include <vector>

namespace mw {

class ProfileStore;

struct CustomEntry {
    int kind = 0;           // position of the section type in the custom material editor's list
    std::string type;       // the calculator's caption
    std::string model;      // the text shown in the size list
    std::string spec;       // shown in the 规格 edit, where the calculator has one
    std::string unitWeight; // kg/m as typed; read as a leading number each time it is used
};

// Where a calculator's custom sizes live in the settings file and what they are called.
struct CustomSource {
    int kind;
    const char* type;     // caption, e.g. "角钢(热轧)"
    const char* section;  // settings section, e.g. "角钢"
    bool hasSpec;         // reads "规格%d" as well
};

// The kinds of section that take the user's own sizes, numbered as the editor's type list.
enum CustomKind { kCustomAngle, kCustomChannel, kCustomIBeam, kCustomTube, kCustomPipe,
                  kCustomHexagon, kCustomOctagon, kCustomRebar, kCustomKindCount };
extern const CustomSource kCustomSources[kCustomKindCount];  // indexed by CustomKind

constexpr int kMaxCustomEntries = 86;  // of one kind: as many as a calculator reads

// Reads "型号N", ("规格N",) "单重N" for N = 1.. until the first empty model, at most 86 entries.
std::vector<CustomEntry> ReadCustomEntries(ProfileStore& profile, const CustomSource& source);
// Writes an entry as the given number of its type (counted from 1).
void WriteCustomEntry(ProfileStore& profile, const CustomEntry& entry, int number);

}  // namespace mw
