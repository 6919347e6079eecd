// Outer surface a metre (m²/m) of the sized sections, row for row beside their size lists, and of
// the sections the calculators size by dimensions. The figures come from the generated
// SurfaceTables.cpp (scripts/gen_surface_tables.py).
#pragma once

#include <optional>

#include "pages/SizeTable.h"

namespace mw {

extern const double kAngleSurface[147];
extern const double kChannelSurface[41];
extern const double kIBeamSurface[45];
extern const double kTubeSurface[293];
extern const double kPipeSurface[28];
extern const double kHT0Surface[21];
extern const double kHT1Surface[12];
extern const double kHT2Surface[32];
extern const double kHT3Surface[19];
extern const double kHT4Surface[19];
extern const double kHT5Surface[12];
extern const double kHT6Surface[22];
extern const double kColdEqualAngleSurface[35];
extern const double kColdUnequalAngleSurface[27];
extern const double kColdEqualChannelSurface[37];
extern const double kColdUnequalChannelSurface[15];
extern const double kColdInnerLippedChannelSurface[30];
extern const double kColdOuterLippedChannelSurface[6];
extern const double kColdZSurface[4];
extern const double kColdLippedZSurface[19];
extern const double kHexagonSurface[39];
extern const double kOctagonSurface[12];
extern const double kRebarSurface[68];

// Web and flange thickness (mm) of the H sections, by the H and T calculator's types 0 to 3.
struct WebFlange {
    double web;
    double flange;
};
extern const WebFlange kHT0WebFlange[21];
extern const WebFlange kHT1WebFlange[12];
extern const WebFlange kHT2WebFlange[32];
extern const WebFlange kHT3WebFlange[19];
std::optional<WebFlange> HWebFlange(int type, int row);

// The surface a metre of one row of a size list; nothing for a list without surfaces (floor
// plate and mesh, wire rope, fasteners) or a row past its end.
std::optional<double> SurfacePerMetre(const SizeTable& sizes, int row);

// Sections sized by their dimensions, in mm: plate of a width and thickness (both faces and both
// edges), round bar or pipe of an outside diameter (the outside only).
double PlateSurfacePerMetre(double width, double thickness);
double RoundSurfacePerMetre(double outerDiameter);

}  // namespace mw
