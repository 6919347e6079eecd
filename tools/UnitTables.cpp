// Units of the unit converter, each as its value in the first unit of its quantity (computer
// storage in bits). Exact figures where the unit is defined exactly (international yard and pound,
// standard gravity, international table calorie); elsewhere the figure rounded to the digits shown.
// The electron volt is the exact value of the 2019 SI, the atomic mass unit the CODATA 2018 value.
#include "tools/UnitTables.h"

namespace mw {

namespace {

constexpr double kDay = 24.0 * 3600;
// Bits in 1024^power bytes.
constexpr double Bytes(int power) { return power == 0 ? 8 : 1024 * Bytes(power - 1); }

const UnitRow kLength[] = {  // 长度
    {"米 (m)",                              1},
    {"分米 (dm)",                           0.1},
    {"厘米 (cm)",                           0.01},
    {"毫米 (mm)",                           0.001},
    {"丝(道) (dmm)",                        1e-05},
    {"微米 (μm)",                           1e-06},
    {"纳米(毫微米) (nm)",                   1e-09},
    {"海里 (n mile)",                       1852},
    {"英里 (mile)",                         1609.344},
    {"英尺 (ft)",                           0.3048},
    {"英寸 (in)",                           0.0254},
    {"码 (yd)",                             0.9144},
    {"密耳 (mil)",                          2.54e-05},
    {"埃 (A)",                              1e-10},
    {"费密 (无)",                           1e-15},
};

const UnitRow kArea[] = {  // 面积
    {"平方米 (m^2)",                        1},
    {"平方分米 (dm^2)",                     0.01},
    {"平方厘米 (cm^2)",                     0.0001},
    {"平方毫米 (mm^2)",                     1e-06},
    {"公顷 (ha)",                           10000},
    {"公亩 (a)",                            100},
    {"平方英里 (mile^2)",                   2589990},
    // Converting from square feet takes the rounded figure, converting to them the exact one.
    {"平方英尺 (ft^2)",                     0.092903, 0.09290304},
    {"平方英寸 (in^2)",                     0.00064516},
};

const UnitRow kVolume[] = {  // 体积
    {"立方米 (m^3)",                        1},
    {"立方分米(升) (dm^3/L/l)",             0.001},
    {"立方厘米 (cm^3)",                     1e-06},
    {"立方毫米 (mm^3)",                     1e-09},
    {"立方英尺 (ft^3)",                     0.0283168},
    {"立方英寸 (in^3)",                     1.63871e-05},
    {"英加仑 (UKgal)",                      0.00454609},
    {"美加仑 (USgal)",                      0.00378541},
};

const UnitRow kPlaneAngle[] = {  // 平面角
    {"弧度 (rad)",                          1},
    {"度 (°)",                              0.017453292519943295},
    {"[角]分 (′)",                          0.0002908882086657216},
    {"[角]秒 (\")",                         4.84813681109536e-06},
};

const UnitRow kTime[] = {  // 时间
    {"秒 (s)",                              1},
    {"分 (min)",                            60},
    {"小时 (h)",                            3600},
    {"天 (d)",                              kDay},
};

const UnitRow kSpeed[] = {  // 速度
    {"米每秒 (m/s)",                        1},
    {"节 (kn)",                             0.514444},
    {"千米每小时 (km/h)",                   0.277778},
    {"米每分 (m/min)",                      0.0166667},
    {"英里每小时 (mile/h)",                 0.44704},
    {"英尺每秒 (ft/s)",                     0.3048},
    {"英寸每秒 (in/s)",                     0.0254},
};

const UnitRow kAcceleration[] = {  // 加速度
    {"米每二次方秒 (m/s^2)",                1},
    {"英尺每二次方秒 (ft/s^2)",             0.3048},
    {"伽 (Gal)",                            0.01},
};

const UnitRow kAngularSpeed[] = {  // 角速度
    {"弧度每秒 (rad/s)",                    1},
    {"转每分 (r/min)",                      0.10471975511965977},
    {"度每分 (°/min)",                      0.00029},
    {"度每秒 (°/s)",                        0.01745},
};

const UnitRow kMass[] = {  // 质量
    {"千克 (kg)",                           1},
    {"克 (g)",                              0.001},
    {"吨 (t)",                              1000},
    {"原子质量单位 (u)",                    1.66053906660e-27},
    {"英吨 (ton)",                          1016.05},
    {"英担 (cwt)",                          50.8023},
    {"磅 (lb)",                             0.45359237},
    {"夸特 (qr,qtr)",                       12.7006},
    {"盎司 (oz)",                           0.0283495},
    {"格令 (gr,gn)",                        6.479891e-05},
};

const UnitRow kLinearDensity[] = {  // 线密度、纤度
    {"千克每米 (kg/m)",                     1},
    {"特[克斯] (tex)",                      1e-06},
    {"旦尼尔",                              1.0e-3 / 9000},  // a gram per 9000 m
    {"磅每英尺 (lb/ft)",                    1.48816},
    {"磅每英寸 (lb/in)",                    17.858},
};

const UnitRow kDensity[] = {  // 密度
    {"千克每立方米 (kg/m^3)",               1},
    {"吨每立方米 (t/m^3)",                  1000},
    {"千克每升(kg/L)",                      1000},
    {"磅每立方英尺 (lb/ft^3)",              16.0185},
    {"磅每立方英寸 (lb/in^3)",              27679.9},
};

const UnitRow kSpecificVolume[] = {  // 比容(比体积)
    {"立方米每千克 (m^3/kg)",               1},
    {"立方英尺每磅 (ft^3/lb)",              0.062428},
    {"立方英寸每磅 (in^3/lb)",              3.61273e-05},
};

const UnitRow kForce[] = {  // 力、重力
    {"牛顿 (N)",                            1},
    {"千克力 (kgf)",                        9.80665},
    {"磅力 (lbf)",                          4.44822},
    {"达因 (dyn)",                          1e-05},
    {"吨力 (tf)",                           9806.65},
};

const UnitRow kPressure[] = {  // 压力、压强、应力
    {"帕[斯卡] (Pa)",                       1},
    {"巴 (bar)",                            100000},
    {"托 (Torr)",                           133.322},
    {"毫米汞柱 (mmHg)",                     133.322},
    {"毫米大气压 (mmH2O)",                  9.80665},
    {"工程大气压 (al)",                     98066.5},
    {"标准大气压 (atm)",                    101325},
};

const UnitRow kTorque[] = {  // 力矩、转矩、力偶矩
    {"牛[顿]米 (N.m)",                      1},
    {"公斤力米 (kgf.m)",                    9.80665},
    {"克力厘米 (gf.m)",                     9.80665e-05},
    {"达因厘米 (dyn.cm)",                   1e-07},
    {"磅力英尺 (lbf.ft)",                   1.35582},
};

const UnitRow kMomentOfInertia[] = {  // 转动惯量
    {"千克二次方米 (kg.m^2)",               1},
    {"磅二次方英尺 (lb.ft^2)",              0.0421401},
    {"磅二次方英寸 (lb.in^2)",              0.00029264},
};

const UnitRow kEnergy[] = {  // 能量，功，热
    {"焦[耳] (J)",                          1},
    {"电子伏 (eV)",                         1.602176634e-19},
    {"千瓦小时 (kW.h)",                     3600000},
    {"千克力米 (kgf.m)",                    9.80665},
    {"卡 (cal)",                            4.1868},
    {"尔格 (erg)",                          1e-07},
    {"英热单位 (Btu)",                      1055.06},
};

const UnitRow kPower[] = {  // 功率，辐射能量
    {"瓦[特] (W)",                          1},
    {"乏 (var)",                            1},
    {"伏安 (VA)",                           1},
    {"马力 (PS)",                           735.499},
    {"英马力 (HP)",                         745.7},
    {"电工马力",                            746},
    {"卡每秒 (cal/s)",                      4.1868},
    {"千卡每小时 (kcal/h)",                 1.163},
};

const UnitRow kMassFlow[] = {  // 质量流量
    {"千克每秒 (kg/s)",                     1},
    {"磅每秒 (lb/s)",                       0.453592},
    {"磅每小时 (lb/h)",                     0.000125998},
};

const UnitRow kVolumeFlow[] = {  // 体积流量
    {"立方米每秒 (m^3/s)",                  1},
    {"立方英尺每秒 (ft^3/s)",               0.0283168},
    {"立方英寸每小时 (in^3/h)",             4.55196e-09},
};

const UnitRow kDynamicViscosity[] = {  // 动力粘度
    {"帕[斯卡]秒 (Pa.s)",                   1},
    {"泊 (P，Po)",                          0.1},
    {"厘泊 (cP)",                           0.001},
    {"千克力秒每平方米 (kgf.s/m)",          9.80665},
    {"磅力秒每平方英尺 (lbf.s/ft^2)",       47.8803},
    {"磅力秒每平方英寸 (lbf.s/in^2)",       6894.76},
};

const UnitRow kKinematicViscosity[] = {  // 运动粘度
    {"二次方米每秒 (m^2/s)",                1},
    {"斯托克斯 (St)",                       0.0001},
    {"厘斯托克基斯 (cSt)",                  1e-06},
    {"二次方英尺每秒 (ft^2/s)",             0.092903},
    {"二次方英寸每秒 (in^2/s)",             0.00064516},
};

const UnitRow kStorage[] = {  // 电脑容量
    {"bit",                                 1},
    {"Byte",                                Bytes(0)},
    {"KB",                                  Bytes(1)},
    {"MB",                                  Bytes(2)},
    {"GB",                                  Bytes(3)},
    {"TB",                                  Bytes(4)},
    {"PB",                                  Bytes(5)},
    {"EB",                                  Bytes(6)},
    {"ZB",                                  Bytes(7)},
    {"YB",                                  Bytes(8)},
};

template <int N> constexpr int Count(const UnitRow (&)[N]) { return N; }

}  // namespace

const QuantityRow kQuantities[kQuantityCount] = {
    {"长度", kLength, Count(kLength)},
    {"面积", kArea, Count(kArea)},
    {"体积", kVolume, Count(kVolume)},
    {"平面角", kPlaneAngle, Count(kPlaneAngle)},
    {"时间", kTime, Count(kTime)},
    {"速度", kSpeed, Count(kSpeed)},
    {"加速度", kAcceleration, Count(kAcceleration)},
    {"角速度", kAngularSpeed, Count(kAngularSpeed)},
    {"质量", kMass, Count(kMass)},
    {"线密度、纤度", kLinearDensity, Count(kLinearDensity)},
    {"密度", kDensity, Count(kDensity)},
    {"比容(比体积)", kSpecificVolume, Count(kSpecificVolume)},
    {"力、重力", kForce, Count(kForce)},
    {"压力、压强、应力", kPressure, Count(kPressure)},
    {"力矩、转矩、力偶矩", kTorque, Count(kTorque)},
    {"转动惯量", kMomentOfInertia, Count(kMomentOfInertia)},
    {"能量，功，热", kEnergy, Count(kEnergy)},
    {"功率，辐射能量", kPower, Count(kPower)},
    {"质量流量", kMassFlow, Count(kMassFlow)},
    {"体积流量", kVolumeFlow, Count(kVolumeFlow)},
    {"动力粘度", kDynamicViscosity, Count(kDynamicViscosity)},
    {"运动粘度", kKinematicViscosity, Count(kKinematicViscosity)},
    {"电脑容量", kStorage, Count(kStorage)},
};

}  // namespace mw
