// A change of density, decimals or unit system recomputes all eighteen calculators: each output
// edit is written at most once, and only when its text changes; no input edit is written.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

using Writes = std::map<std::pair<const MemorySurface*, int>, int>;

struct Recompute : testing::Test, MainWindowFixture {
    Recompute() {
        Start();
        pageSurface.Type(IDC_PLATE1_LENGTH, "2*500");
        pageSurface.Type(IDC_PLATE1_WIDTH, "1000");
        pageSurface.Type(IDC_PLATE1_THICKNESS, "10");
        pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
        page2Surface.Type(IDC_TUBE_LENGTH, "6000");
        page3Surface.Type(IDC_HEX_LENGTH, "6000");
    }
    const MemorySurface* surfaces[3] = {&pageSurface, &page2Surface, &page3Surface};

    Writes Snapshot() const {
        Writes writes;
        for (const MemorySurface* s : surfaces)
            for (int id = 1000; id < 1200; ++id) writes[{s, id}] = s->At(id).textSets;
        return writes;
    }
    // Controls written since `before`, with how often.
    Writes Since(const Writes& before) const {
        Writes written;
        for (const auto& [key, count] : Snapshot())
            if (count != before.at(key)) written[key] = count - before.at(key);
        return written;
    }
};

TEST_F(Recompute, EachOutputIsWrittenOnceAndOnlyWhenItChanges) {
    Writes before = Snapshot();
    surface.Type(IDC_DENSITY, "7.9");
    Writes written = Since(before);
    for (const auto& [key, count] : written) EXPECT_EQ(count, 1) << "control " << key.second;
    EXPECT_EQ(written.count({&pageSurface, IDC_PLATE1_RESULT}), 1u);
    EXPECT_EQ(written.count({&pageSurface, IDC_ANGLE_UNIT_WEIGHT}), 1u);
    EXPECT_EQ(written.count({&page2Surface, IDC_TUBE_RESULT}), 1u);
    EXPECT_EQ(written.count({&page3Surface, IDC_HEX_RESULT}), 1u);
    for (int input : {IDC_PLATE1_LENGTH, IDC_PLATE1_WIDTH, IDC_ANGLE_LENGTH})
        EXPECT_EQ(written.count({&pageSurface, input}), 0u) << "input " << input;
    // Results of empty lengths stay "0.00" and are left alone.
    EXPECT_EQ(written.count({&pageSurface, IDC_PLATE2_RESULT}), 0u);

    before = Snapshot();
    dlg.RecomputeAll();  // nothing changed: nothing is written
    EXPECT_TRUE(Since(before).empty());
}

TEST_F(Recompute, ResultsFollowTheirInputsAfterAGlobalRecompute) {
    pageSurface.Type(IDC_PLATE1_LENGTH, "1000");
    surface.Type(IDC_DENSITY, "7.85");
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "78.50");
    surface.Choose(IDC_DECIMALS, 3);
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "78.500");
    pageSurface.Type(IDC_PLATE1_LENGTH, "2000");  // a change after the recompute is still seen
    surface.Type(IDC_DENSITY, "7.85 ");
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "157.000");
}

}  // namespace
}  // namespace mw
