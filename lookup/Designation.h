// A section written as drawings and bills of materials write it ("∠50×5", "[20a 6m×2",
// "HN400×200×8×13", "-10×200", "DN50"), read into what the calculators hold: the meaning, the
// length and the count. Nothing is guessed: a spelling two sizes fit lists both, one no size fits
// lists the nearest.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lookup/SectionCatalogue.h"

namespace mw {

struct Designation {
    enum Status {
        kEmpty,       // nothing typed
        kFound,       // meanings holds the one meaning
        kAmbiguous,   // meanings holds the candidates
        kNearMiss,    // the section was read but no size fits: meanings holds the nearest
        kUnreadable,  // message says so, with example spellings
    };
    Status status = kEmpty;
    std::vector<Meaning> meanings;
    std::optional<double> lengthMm;  // as typed: "6000", "6m", "L=6000"
    int count = 1;                   // "×2" after a length, "12根", "12件"
    std::string message;             // what the window shows besides the meaning
};

Designation ReadDesignation(const std::string& text);

// The example spellings the message for unreadable text gives.
extern const char kDesignationExamples[];

}  // namespace mw
