// Page one: steel plate by length and width, by area, round steel or pipe, hot-rolled angle,
// channel and I-beam.
#pragma once

#include "pages/CalcPage.h"

namespace mw {

class CTAB1 : public CalcPage {
public:
    // Round stock: the inner diameter or the wall thickness is given.
    enum RoundMode { kInnerDiameter = 0, kWallThickness = 1 };

    CTAB1(ControlSurface& surface, PageHost& host);

    void OnInitDialog() override;
    void RecomputeAll() override;
    void ResetPage() override;
    bool Choose(const SizeChoice& choice) override;

    void ComputePlate1();
    void ComputePlate2();
    void ComputeAngle();
    void ComputeRound();
    void ComputeChannel();
    void ComputeIBeam();

private:
    void SetRoundDefaults();
    void ChooseRoundMode(int radio);
    std::string RoundSize() const;

    TableCalculator angle_, channel_, ibeam_;
    int roundMode_ = kInnerDiameter;
};

}  // namespace mw
