// Type lists, size-list fills and weights of the cold-formed angle, channel and Z calculators.
#include "pages/ColdFormed.h"

#include "pages/ColdFormedTables.h"

namespace mw {

namespace {

// Pointers, not copies, so the lists are ready before any other file's static initialisation.
const SectionType kAngleTypes[] = {
    {"等边角钢",   &kColdEqualAngleSizes,   ListFont::Wide},
    {"不等边角钢", &kColdUnequalAngleSizes, ListFont::Wide},
};

// The equal channel's short texts fit the dialog's font; the others need the narrow one.
const SectionType kChannelTypes[] = {
    {"等边槽钢",   &kColdEqualChannelSizes,       ListFont::Dialog},
    {"不等边槽钢", &kColdUnequalChannelSizes,     ListFont::Narrow},
    {"内卷边槽钢", &kColdInnerLippedChannelSizes, ListFont::Narrow},
    {"外卷边槽钢", &kColdOuterLippedChannelSizes, ListFont::Narrow},
};

const SectionType kZTypes[] = {
    {"Z型钢",     &kColdZSizes,       ListFont::Dialog},
    {"卷边Z型钢", &kColdLippedZSizes, ListFont::Wide},
};

}  // namespace

const TypedSizes kColdAngle   = MakeTypedSizes(kAngleTypes);
const TypedSizes kColdChannel = MakeTypedSizes(kChannelTypes);
const TypedSizes kColdZ       = MakeTypedSizes(kZTypes);

TypedSizeList FillColdAngleSizes(int type)   { return FillColdFormedSizes(kColdAngle, type); }
TypedSizeList FillColdChannelSizes(int type) { return FillColdFormedSizes(kColdChannel, type); }
TypedSizeList FillColdZSizes(int type)       { return FillColdFormedSizes(kColdZ, type); }

TypedResult ComputeColdAngle(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdAngle, type, size, length, settings);
}

TypedResult ComputeColdChannel(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdChannel, type, size, length, settings);
}

TypedResult ComputeColdZ(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdZ, type, size, length, settings);
}

}  // namespace mw
