// The catalogue of sized lists and the weight and surface of one meaning of a designation.
#include "lookup/SectionCatalogue.h"

#include <cstdlib>

#include "expr/ProgramPi.h"
#include "pages/ColdFormed.h"
#include "pages/HTSection.h"
#include "pages/SurfaceTables.h"
#include "pages/Tab1Tables.h"
#include "pages/Tab2Tables.h"
#include "pages/Tab3Tables.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

std::string Number(double value) { return PlainNumber(value, 3); }

}  // namespace

CalcInfo InfoOf(Calc calc) {
    switch (calc) {
        case Calc::Plate:       return {0, "钢板一"};
        case Calc::Round:       return {0, "圆钢/钢管"};
        case Calc::Angle:       return {0, "角钢(热轧)"};
        case Calc::Channel:     return {0, "槽钢(热轧)"};
        case Calc::IBeam:       return {0, "工字钢"};
        case Calc::Tube:        return {1, "方管/矩形管"};
        case Calc::Pipe:        return {1, "焊管/钢管"};
        case Calc::HT:          return {1, "H钢/T钢"};
        case Calc::Hexagon:     return {2, "六角钢"};
        case Calc::Octagon:     return {2, "八角钢"};
        case Calc::Rebar:       return {2, "螺纹钢"};
        case Calc::ColdAngle:   return {2, "角钢(冷弯)"};
        case Calc::ColdChannel: return {2, "槽钢(冷弯)"};
        case Calc::ColdZ:       return {2, "Z型钢(冷弯)"};
    }
    return {0, ""};
}

const std::vector<SizeList>& SizeLists() {
    static const std::vector<SizeList> lists = [] {
        std::vector<SizeList> l = {
            {Calc::Angle, -1, &kAngleSizes, "", "∠"},
            {Calc::Channel, -1, &kChannelSizes, "", "["},
            {Calc::IBeam, -1, &kIBeamSizes, "", "工"},
            {Calc::Tube, -1, &kTubeSizes, "方管/矩形管", ""},
            {Calc::Pipe, -1, &kPipeSizes, "焊管/钢管", ""},
        };
        for (int t = 0; t < static_cast<int>(kHTSection.count); ++t)
            l.push_back({Calc::HT, t, kHTSection.types[t].sizes, kHTSection.types[t].name, ""});
        l.push_back({Calc::Hexagon, -1, &kHexagonSizes, "六角钢", ""});
        l.push_back({Calc::Octagon, -1, &kOctagonSizes, "八角钢", ""});
        l.push_back({Calc::Rebar, -1, &kRebarSizes, "螺纹钢", "φ"});
        for (int t = 0; t < static_cast<int>(kColdAngle.count); ++t)
            l.push_back({Calc::ColdAngle, t, kColdAngle.types[t].sizes, kColdAngle.types[t].name, "∠"});
        for (int t = 0; t < static_cast<int>(kColdChannel.count); ++t)
            l.push_back({Calc::ColdChannel, t, kColdChannel.types[t].sizes, kColdChannel.types[t].name, "["});
        for (int t = 0; t < static_cast<int>(kColdZ.count); ++t)
            l.push_back({Calc::ColdZ, t, kColdZ.types[t].sizes, kColdZ.types[t].name, ""});
        return l;
    }();
    return lists;
}

std::vector<double> RowNumbers(const char* model, char* suffix) {
    std::vector<double> values;
    if (suffix) *suffix = 0;
    const char* p = model;
    while (*p) {
        if ((*p >= '0' && *p <= '9') || *p == '.') {
            char* end = nullptr;
            values.push_back(std::strtod(p, &end));
            p = end;
            if (suffix && (*p == 'a' || *p == 'b' || *p == 'c')) *suffix = *p;
            if (*p == '/') {  // an inch fraction: 1/2 reads 0.5
                ++p;
                values.back() /= std::strtod(p, &end);
                p = end;
            }
        } else {
            ++p;
        }
    }
    return values;
}

const SizeList* Meaning::List() const {
    for (const SizeList& list : SizeLists())
        if (list.calc == calc && list.type == type) return &list;
    return nullptr;
}

const SizeRow* Meaning::Row() const {
    const SizeList* list = List();
    return list ? list->sizes->At(row) : nullptr;
}

std::string Meaning::Label() const {
    switch (calc) {
        case Calc::Plate: return "钢板 " + Number(thickness) + "×" + Number(width);
        case Calc::Round:
            return wall > 0 ? "Φ" + Number(outer) + "×" + Number(wall) : "圆钢 Φ" + Number(outer);
        default: break;
    }
    const SizeList* list = List();
    const SizeRow* r = Row();
    if (!r) return "";
    return *list->name ? std::string(list->name) + " " + r->model : std::string(r->model);
}

double Meaning::UnitWeight(const CalcSettings& settings) const {
    switch (calc) {
        case Calc::Plate: return width * thickness * settings.density * 1e-3;
        case Calc::Round: {
            const double inner = wall > 0 ? outer - 2 * wall : 0;
            return (outer * outer - inner * inner) * kProgramPi / 4 * settings.density * 1e-3;
        }
        default: break;
    }
    const SizeRow* r = Row();
    return r ? ScaledUnitWeight(r->unitWeight, settings) : 0.0;
}

std::optional<double> Meaning::Surface() const {
    switch (calc) {
        case Calc::Plate: return PlateSurfacePerMetre(width, thickness);
        case Calc::Round: return RoundSurfacePerMetre(outer);
        default: break;
    }
    const SizeList* list = List();
    return list ? SurfacePerMetre(*list->sizes, row) : std::nullopt;
}

}  // namespace mw
