// Page three: hexagonal, octagonal and reinforcing bar; cold-formed angle, channel and Z.
#pragma once

#include "pages/CalcPage.h"
#include "pages/ColdFormed.h"

namespace mw {

class CTAB3 : public CalcPage {
public:
    CTAB3(ControlSurface& surface, PageHost& host);

    void OnInitDialog() override;
    void RecomputeAll() override;
    void ResetPage() override;
    bool Choose(const SizeChoice& choice) override;

    void ComputeHexagon();
    void ComputeOctagon();
    void ComputeRebar();
    void ComputeColdAngle();
    void ComputeColdChannel();
    void ComputeColdZ();
    void FillColdAngleSizes();
    void FillColdChannelSizes();
    void FillColdZSizes();

private:
    TableCalculator hexagon_, octagon_, rebar_;
    const TypedCalculator coldAngle_, coldChannel_, coldZ_;
};

}  // namespace mw
