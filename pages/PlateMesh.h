// The floor plate and mesh calculator: eight types, each with its size list; weights by area.
#pragma once

#include <string>
#include <vector>

#include "pages/TypedSizes.h"

namespace mw {

extern const TypedSizes kPlateMesh;  // "菱形花纹板" ... "钢丝网"

// Weight of an area (mm2 under "kg;mm", m2 otherwise) at a scaled unit weight in kg/m2: kg under
// unit systems 0 and 1, t under 2, 0 under any other unit system.
double AreaWeight(double scaledUnitWeight, double area, const CalcSettings& s);

// Texts of the type combo, in list order.
std::vector<std::string> PlateMeshTypeItems();

// The size combo after its type changed: the type's sizes, item 0 selected, and the font the list
// needs (small for the three expanded meshes, whose texts are long; the dialog's for the rest).
// No type (or one past the list) leaves the list empty, nothing selected, the font unchanged.
TypedSizeList FillPlateMeshSizes(int type);

// `type` and `size` are combo selections (-1 for none); `area` is the evaluated area edit, in mm2
// under "kg;mm" and m2 otherwise. A missing or out-of-range selection weighs 0.
TypedResult ComputePlateMesh(int type, int size, double area, const CalcSettings& settings);

}  // namespace mw
