// Page two: square and rectangular tube, welded and steel pipe, fasteners, H and T sections,
// floor plate and expanded mesh, wire rope.
#pragma once

#include "pages/CalcPage.h"

namespace mw {

class CTAB2 : public CalcPage {
public:
    CTAB2(ControlSurface& surface, PageHost& host);

    void OnInitDialog() override;
    void RecomputeAll() override;
    void ResetPage() override;
    bool Choose(const SizeChoice& choice) override;

    void ComputeTube();
    void ComputePipe();
    void ComputeFastener();
    void ComputeHT();
    void ComputePlateMesh();
    void ComputeRope();
    void FillFastenerSizes();
    void FillHTSizes();
    void FillPlateMeshSizes();
    void FillRopeSizes();

private:
    void FillList(int combo, const std::vector<std::string>& items, int selection);
    void OnFastenerType();
    void OnFastenerLength();
    std::string FastenerSize() const;

    TableCalculator tube_, pipe_;
    const TypedCalculator ht_, plateMesh_;
};

}  // namespace mw
