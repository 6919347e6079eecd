// The fastener calculator's size lists, the item texts of each type's size list, and the split
// pin's figures, which go by size as its list does. The type list (FastenerTables.cpp) refers to
// them; the bounds are the lists' lengths and the compiler holds the definitions to them.
#pragma once

#include "pages/FastenerTables.h"

namespace mw {

extern const char* const kM5ToM64[18];
extern const char* const kM3ToM64[20];
extern const char* const kM3ToM20[10];
extern const char* const kFineM8ToM64[16];
extern const char* const kM12ToM30[7];
extern const char* const kFineM8ToM48[14];
extern const char* const kFineM10ToM20[3];
extern const char* const kM6ToM48[15];
extern const char* const kM10ToM48[13];
extern const char* const kM5ToM48[16];
extern const char* const kM6ToM24[9];
extern const char* const kM5ToM48TSlot[12];
extern const char* const kM4ToM36[11];
extern const char* const kM6ToM48Anchor[11];
extern const char* const kM8ToM48Stud[16];
extern const char* const kM2ToM56[23];
extern const char* const kM2ToM48[22];
extern const char* const kM3ToM24[13];
extern const char* const kM16ToM48[10];
extern const char* const kFineM4ToM24[18];
extern const char* const kM1p6ToM64[23];
extern const char* const kFineM8ToM64Nut[17];
extern const char* const kM5ToM36[11];
extern const char* const kFineM8ToM36[12];
extern const char* const kM4ToM36Slotted[12];
extern const char* const kFineM8ToM36Slotted[16];
extern const char* const kM12ToM24[7];
extern const char* const kWingM3ToM16[14];
extern const char* const kM6ToM48Lock[15];
extern const char* const kRoundM10ToM200[48];
extern const char* const kD1p6ToD36[16];
extern const char* const kD12ToD30[7];
extern const char* const kD6ToD48[11];
extern const char* const kD6ToD36[12];
extern const char* const kD2ToD48[23];
extern const char* const kD3ToD30[15];
extern const char* const kD6ToD36Heavy[14];
extern const char* const kPhi0p6ToPhi20[16];

extern const SplitPinRow kSplitPins[16];

}  // namespace mw
