// The welded pipe size window: both lists item by item, and their agreement with page two's pipes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/Tab2Tables.h"
#include "res/resource.h"
#include "tests/support/MemorySurface.h"
#include "tools/HANGUAN.h"

namespace mw {
namespace {

std::vector<std::string> Filled(int list) {
    MemorySurface surface;
    CHANGUAN window(surface);
    window.OnInitDialog();
    return surface.At(list).items;
}

TEST(HANGUAN, ThinWallList) {
    EXPECT_EQ(Filled(IDC_HANGUAN_THIN), (std::vector<std::string>{
        "1/8×2.00→φ10.0×2.00", "1/4×2.25→φ13.5×2.25", "3/8×2.25→φ17.0×2.25", "1/2×2.75→φ21.3×2.75",
        "3/4×2.75→φ26.8×2.75", "1×3.25  →φ33.5×3.25", "5/4×3.25→φ42.3×3.25", "3/2×3.50→φ48.0×3.50",
        "2×3.50  →φ60.0×3.50", "5/2×3.75→φ75.5×3.75", "3×4.00  →φ88.5×4.00", "4×4.00 →φ114.0×4.00",
        "5×4.50 →φ140.0×4.50", "6×4.50 →φ165.0×4.50"}));
}

TEST(HANGUAN, ThickWallList) {
    EXPECT_EQ(Filled(IDC_HANGUAN_THICK), (std::vector<std::string>{
        "1/8×2.50→φ10.0×2.50", "1/4×2.75→φ13.5×2.75", "3/8×2.75→φ17.0×2.75", "1/2×3.25→φ21.3×3.25",
        "3/4×3.50→φ26.8×3.50", "1×4.00  →φ33.5×4.00", "5/4×4.00→φ42.3×4.00", "3/2×4.25→φ48.0×4.25",
        "2×4.50  →φ60.0×4.50", "5/2×4.50→φ75.5×4.50", "3×4.75  →φ88.5×4.75", "4×5.00 →φ114.0×5.00",
        "5×5.50 →φ140.0×5.50", "6×5.50 →φ165.0×5.50"}));
}

// The part before the arrow, blanks left out, with the inch mark the pipe list writes.
std::string PipeModel(const std::string& item) {
    std::string model;
    for (char c : item.substr(0, item.find("→")))
        if (c != ' ') model += c;
    return model.insert(model.find("×"), "'");
}

TEST(HANGUAN, SameSizesAndWallsAsThePipeCalculator) {
    const std::vector<std::string> thin = Filled(IDC_HANGUAN_THIN), thick = Filled(IDC_HANGUAN_THICK);
    ASSERT_EQ(kPipeSizes.count, 2 * thin.size());
    for (std::size_t i = 0; i < thin.size(); ++i) {
        EXPECT_EQ(PipeModel(thin[i]), kPipeSizes.rows[2 * i].model);
        EXPECT_EQ(PipeModel(thick[i]), kPipeSizes.rows[2 * i + 1].model);
        // The wall is repeated after the outer diameter, which both versions share.
        const std::string thinTail = thin[i].substr(thin[i].find("→")), thickTail = thick[i].substr(thick[i].find("→"));
        EXPECT_EQ(thinTail.substr(thinTail.rfind("×") + 2), thin[i].substr(thin[i].find("×") + 2, 4));
        EXPECT_EQ(thinTail.substr(0, thinTail.rfind("×")), thickTail.substr(0, thickTail.rfind("×")));
    }
}

}  // namespace
}  // namespace mw
