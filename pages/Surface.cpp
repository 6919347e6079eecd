// Which surface list belongs to which size list, and the surfaces of sections sized by hand.
#include <cstddef>
#include <iterator>

#include "pages/ColdFormed.h"
#include "pages/ColdFormedTables.h"
#include "pages/HTSection.h"
#include "pages/SurfaceTables.h"
#include "pages/Tab1Tables.h"
#include "pages/Tab2Tables.h"
#include "pages/Tab3Tables.h"

namespace mw {

namespace {

struct SurfaceList {
    const SizeTable* sizes;
    const double* perMetre;
    std::size_t count;
};

template <std::size_t N>
SurfaceList Beside(const SizeTable& sizes, const double (&perMetre)[N]) { return {&sizes, perMetre, N}; }

// Built at the first call: the typed lists' tables are reached through their type lists, which
// live in other files.
const SurfaceList* FindList(const SizeTable& sizes) {
    static const SurfaceList lists[] = {
        Beside(kAngleSizes, kAngleSurface),
        Beside(kChannelSizes, kChannelSurface),
        Beside(kIBeamSizes, kIBeamSurface),
        Beside(kTubeSizes, kTubeSurface),
        Beside(kPipeSizes, kPipeSurface),
        Beside(*kHTSection.types[0].sizes, kHT0Surface),
        Beside(*kHTSection.types[1].sizes, kHT1Surface),
        Beside(*kHTSection.types[2].sizes, kHT2Surface),
        Beside(*kHTSection.types[3].sizes, kHT3Surface),
        Beside(*kHTSection.types[4].sizes, kHT4Surface),
        Beside(*kHTSection.types[5].sizes, kHT5Surface),
        Beside(*kHTSection.types[6].sizes, kHT6Surface),
        Beside(kColdEqualAngleSizes, kColdEqualAngleSurface),
        Beside(kColdUnequalAngleSizes, kColdUnequalAngleSurface),
        Beside(kColdEqualChannelSizes, kColdEqualChannelSurface),
        Beside(kColdUnequalChannelSizes, kColdUnequalChannelSurface),
        Beside(kColdInnerLippedChannelSizes, kColdInnerLippedChannelSurface),
        Beside(kColdOuterLippedChannelSizes, kColdOuterLippedChannelSurface),
        Beside(kColdZSizes, kColdZSurface),
        Beside(kColdLippedZSizes, kColdLippedZSurface),
        Beside(kHexagonSizes, kHexagonSurface),
        Beside(kOctagonSizes, kOctagonSurface),
        Beside(kRebarSizes, kRebarSurface),
    };
    for (const SurfaceList& list : lists)
        if (list.sizes->rows == sizes.rows) return &list;
    return nullptr;
}

constexpr double kPi = 3.14159265358979;

}  // namespace

std::optional<double> SurfacePerMetre(const SizeTable& sizes, int row) {
    const SurfaceList* list = FindList(sizes);
    if (!list || row < 0 || static_cast<std::size_t>(row) >= list->count || list->count != sizes.count)
        return std::nullopt;
    return list->perMetre[row];
}

std::optional<WebFlange> HWebFlange(int type, int row) {
    static const WebFlange* const lists[] = {kHT0WebFlange, kHT1WebFlange, kHT2WebFlange, kHT3WebFlange};
    static const std::size_t counts[] = {std::size(kHT0WebFlange), std::size(kHT1WebFlange),
                                         std::size(kHT2WebFlange), std::size(kHT3WebFlange)};
    if (type < 0 || type > 3 || row < 0 || static_cast<std::size_t>(row) >= counts[type]) return std::nullopt;
    return lists[type][row];
}

double PlateSurfacePerMetre(double width, double thickness) { return 2 * (width + thickness) / 1000; }

double RoundSurfacePerMetre(double outerDiameter) { return kPi * outerDiameter / 1000; }

}  // namespace mw
