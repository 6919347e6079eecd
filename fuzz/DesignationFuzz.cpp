// Fuzz target: any bytes typed into the lookup window's designation edit. Whatever is read must
// be one of the answers the window knows how to show, with its meanings within their lists.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "lookup/Designation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const mw::Designation d = mw::ReadDesignation(text);
    const bool listed = d.status == mw::Designation::kFound || d.status == mw::Designation::kAmbiguous ||
                        d.status == mw::Designation::kNearMiss;
    if (listed == d.meanings.empty()) std::abort();
    if (d.status == mw::Designation::kFound && d.meanings.size() != 1) std::abort();
    if (d.count < 1 || (d.lengthMm && !(std::isfinite(*d.lengthMm) && *d.lengthMm > 0))) std::abort();
    const mw::CalcSettings steel;
    for (const mw::Meaning& m : d.meanings) {
        if (m.Label().empty() || !std::isfinite(m.UnitWeight(steel))) std::abort();
        if (m.calc != mw::Calc::Plate && m.calc != mw::Calc::Round && !m.Row()) std::abort();
        m.Surface();
    }
    return 0;
}
