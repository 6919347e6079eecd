// Outer surface a metre: every sized list has one figure a row, and the figures follow the
// sections' geometry (the generator's own check, `data.surface`, holds them to the standard).
#include "pages/SurfaceTables.h"

#include <gtest/gtest.h>

#include "pages/ColdFormed.h"
#include "pages/HTSection.h"
#include "pages/PlateMesh.h"
#include "pages/Tab1Tables.h"
#include "pages/Tab2Tables.h"
#include "pages/Tab3Tables.h"

namespace mw {
namespace {

void ExpectEveryRow(const SizeTable& sizes) {
    for (int row = 0; row < static_cast<int>(sizes.count); ++row) {
        SCOPED_TRACE(sizes.rows[row].model);
        const std::optional<double> s = SurfacePerMetre(sizes, row);
        ASSERT_TRUE(s);
        EXPECT_GT(*s, 0.01);
        EXPECT_LT(*s, 4.0);
    }
    EXPECT_FALSE(SurfacePerMetre(sizes, -1));
    EXPECT_FALSE(SurfacePerMetre(sizes, static_cast<int>(sizes.count)));
}

TEST(SurfaceTables, EverySizedListRowForRow) {
    for (const SizeTable* t : {&kAngleSizes, &kChannelSizes, &kIBeamSizes, &kTubeSizes, &kPipeSizes,
                               &kHexagonSizes, &kOctagonSizes, &kRebarSizes})
        ExpectEveryRow(*t);
    for (const TypedSizes* typed : {&kHTSection, &kColdAngle, &kColdChannel, &kColdZ})
        for (std::size_t t = 0; t < typed->count; ++t) ExpectEveryRow(*typed->types[t].sizes);
    // Weighed by area: no surface a metre.
    EXPECT_FALSE(SurfacePerMetre(*kPlateMesh.types[0].sizes, 0));
}

TEST(SurfaceTables, FiguresFollowTheGeometry) {
    // ∠50×5: 4 × 50 less the root (5.5) and the toes (5/3 each), GB/T 706 prints 0.196.
    EXPECT_NEAR(*SurfacePerMetre(kAngleSizes, 18), 0.196, 0.0005);
    // HN400×200×8×13, r 16: 2·400 + 4·200 − 2·8 − 4·(2−π/2)·16.
    EXPECT_NEAR(*SurfacePerMetre(*kHTSection.types[2].sizes, 14), 1.5565, 0.0001);
    // TN200×200 is half of it on the web side: 2·200 + 2·200 − 2·(2−π/2)·16.
    EXPECT_NEAR(*SurfacePerMetre(*kHTSection.types[6].sizes, 13), 0.7863, 0.0001);
    // Welded pipe 2": the outside of φ60.
    EXPECT_NEAR(*SurfacePerMetre(kPipeSizes, 16), 0.1885, 0.0001);
    // Square tube 40×2, outer corners 2t: 160 − 4·(2−π/2)·4.
    EXPECT_NEAR(*SurfacePerMetre(kTubeSizes, 15), 0.1531, 0.0001);
    // Hexagon 20 across flats: six sides of 20/√3.
    EXPECT_NEAR(*SurfacePerMetre(kHexagonSizes, 12), 0.0693, 0.0001);
    EXPECT_NEAR(PlateSurfacePerMetre(200, 10), 0.42, 1e-12);
    EXPECT_NEAR(RoundSurfacePerMetre(100), 0.314159, 1e-6);
}

TEST(SurfaceTables, WebAndFlangeOfTheHSections) {
    const std::optional<WebFlange> hn400 = HWebFlange(2, 14);
    ASSERT_TRUE(hn400);
    EXPECT_EQ(hn400->web, 8);
    EXPECT_EQ(hn400->flange, 13);
    EXPECT_FALSE(HWebFlange(4, 0));  // T sections are looked up by their H
    EXPECT_FALSE(HWebFlange(0, 21));
}

}  // namespace
}  // namespace mw
