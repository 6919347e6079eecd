// The floor plate and mesh calculator: eight types, each with its size list; weights by area.
#pragma once

#include "pages/TypedSizes.h"

namespace mw {

extern const TypedSizes kPlateMesh;  // "菱形花纹板" ... "钢丝网"

// Weight of an area (mm2 under "kg;mm", m2 otherwise) at a scaled unit weight in kg/m2.
double AreaWeight(double scaledUnitWeight, double area, const CalcSettings& s);

}  // namespace mw
