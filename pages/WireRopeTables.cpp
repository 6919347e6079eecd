// Built-in data of the wire rope calculator: the 22 constructions, their size lists and the
// weight of every list item in kg per 100 m (933 in all).
//
// Where the figures come from
// ---------------------------
// Kept as handed to us: every value of "6×7" and "17×7" and of the four flat ropes. Every other
// value is K × d² (d in mm), K the weight factor of the construction and core kind, rounded to
// three significant figures the way the given rows are: they are exactly "%.3g" of K × d² in
// double arithmetic, all 96 given round-rope values, φ5 natural fibre (8.775 -> 8.77) included.
// A throwaway script made the rows from the factors below.
//
// Published classes. The rope standards (EN 12385-4 / ISO 2408, tabulated in Feyrer, Wire Ropes,
// Table 1.9) give one fibre-core factor W1 and one steel-core factor W2 per class, where our
// lists tell natural from synthetic fibre. The given "6×7" rows fix how our three core kinds
// stand to the standard's two: 0.351, 0.344 and 0.387 against W1 = 0.345 and W2 = 0.384 of class
// 6×7. So natural = W1 × 1.0174, synthetic = W1 × 0.9971, steel = W2 × 1.0078, rounded to three
// decimals as the standards print factors:
//   construction   class, W1 / W2          natural  synthetic  steel
//   6×19a          6×19,  0.359 / 0.400    0.365    0.358      0.403   parallel lay (S, W, Fi)
//   6×19b          6×19M, 0.344 / 0.372    0.350    0.343      0.375   point contact, 1+6+12
//   6×37a          6×36,  0.367 / 0.409    0.373    0.366      0.412   parallel lay (WS)
//   6×37b          6×37M, 0.334 / 0.372    0.340    0.333      0.375   point contact, 1+6+12+18
//   8×19           8×19,  0.340 / 0.407    0.346    0.339      0.410
//   8×37           8×36,  0.348 / 0.417    0.354    0.347      0.420
//   34×7           34×7,  0.390            0.397                       a plain list, as 17×7 is
// The plain lists are natural-fibre figures: the same rule puts class 18×7 (W1 = 0.382) at 0.389,
// next to the given 17×7 rows' 0.390.
//
// Classes the standards leave out, with fibre-centred or triangular strands, are estimated from
// the nearest published class:
// - A fibre-centred strand keeps the metal of its own build only: h = metal fill of the strand /
//   that of a 1+9+9 Seale strand (0.825 of its outline), with the wires of each layer touching
//   each other and the next layer in. FC+9+15 fills 0.696 (h = 0.844), FC+12+12 0.710
//   (h = 0.861). The fibre of the strand centres is left out (about 0.005 d², under 2 %).
// - Triangular strands pack tighter: six of them around the core fill the hexagon inscribed in
//   the rope circle where six round strands fill six circles of d/3. With a core of d/3 in both
//   that is 0.716 of the rope circle against 0.667, s = 1.074. The four-strand 4V ropes are given
//   the same allowance.
//   construction     from                        natural  synthetic  steel
//   6×24(1)          6×19a × h(FC+9+15)          0.308    0.302
//   6×24(2)          6×19a × h(FC+12+12)         0.314    0.308
//   6V×7             6×7 × s                     0.377    0.369      0.416
//   6V×19(1)         6×19a × s × h(FC+12+12)     0.338    0.331
//   6V×19(2)         6×19a × s                   0.392    0.384      0.433
//   6V×37(1), (2)    6×37a × s                   0.401    0.393      0.443
//   4V×39(1), (2)    6×37a × s × h(FC+12+12)     0.345    0.338
// The method cannot tell subclasses (1) and (2) of 6V×37 and of 4V×39 apart, so each pair shares
// its factors. Take these seven as figures good to some 10 %, to be replaced by the standard's
// own factors when someone has them.
//
// How close it comes to the given rows. "6×7" is where the core-kind ratios come from, so it
// matches by construction. The independent check is "17×7": the method's 0.389 lands 4 of its 24
// rows exactly and the other 20 between 0.18 % and 0.53 % low. The API 9A table for 6×7 with a
// fibre core (0.345 d²) lies within 0.9 % of the given synthetic-fibre column, row by row.
#include "pages/WireRopeTables.h"

namespace mw {
namespace {

// Each table: item text before the core kind, then kg per 100 m by core kind in list order.

// "6×7": natural, synthetic, steel core, as given.
const RopeSizeRow k6x7[] = {
    {"φ2",   {  1.4,  1.38,  1.55}},
    {"φ3",   { 3.16,   3.1,  3.48}},
    {"φ4",   { 5.62,   5.5,  6.19}},
    {"φ5",   { 8.77,   8.6,  9.68}},
    {"φ6",   { 12.6,  12.4,  13.9}},
    {"φ7",   { 17.2,  16.9,    19}},
    {"φ8",   { 22.5,    22,  24.8}},
    {"φ9",   { 28.4,  27.9,  31.3}},
    {"φ10",  { 35.1,  34.4,  38.7}},
    {"φ11",  { 42.5,  41.6,  46.8}},
    {"φ12",  { 50.5,  49.5,  55.7}},
    {"φ13",  { 59.3,  58.1,  65.4}},
    {"φ14",  { 68.8,  67.4,  75.9}},
    {"φ16",  { 89.9,  88.1,  99.1}},
    {"φ18",  {  114,   111,   125}},
    {"φ20",  {  140,   138,   155}},
    {"φ22",  {  170,   166,   187}},
    {"φ24",  {  202,   198,   223}},
    {"φ26",  {  237,   233,   262}},
    {"φ28",  {  275,   270,   303}},
    {"φ30",  {  316,   310,   348}},
    {"φ32",  {  359,   352,   396}},
    {"φ34",  {  406,   398,   447}},
    {"φ36",  {  455,   446,   502}},
};

// "6×19a": natural, synthetic, steel core, K = 0.365 / 0.358 / 0.403.
const RopeSizeRow k6x19a[] = {
    {"φ6",   { 13.1,  12.9,  14.5}},
    {"φ7",   { 17.9,  17.5,  19.7}},
    {"φ8",   { 23.4,  22.9,  25.8}},
    {"φ9",   { 29.6,    29,  32.6}},
    {"φ10",  { 36.5,  35.8,  40.3}},
    {"φ11",  { 44.2,  43.3,  48.8}},
    {"φ12",  { 52.6,  51.6,    58}},
    {"φ13",  { 61.7,  60.5,  68.1}},
    {"φ14",  { 71.5,  70.2,    79}},
    {"φ16",  { 93.4,  91.6,   103}},
    {"φ18",  {  118,   116,   131}},
    {"φ20",  {  146,   143,   161}},
    {"φ22",  {  177,   173,   195}},
    {"φ24",  {  210,   206,   232}},
    {"φ26",  {  247,   242,   272}},
    {"φ28",  {  286,   281,   316}},
    {"φ30",  {  328,   322,   363}},
    {"φ32",  {  374,   367,   413}},
    {"φ34",  {  422,   414,   466}},
    {"φ36",  {  473,   464,   522}},
    {"φ38",  {  527,   517,   582}},
    {"φ40",  {  584,   573,   645}},
};

// "6×19b": natural, synthetic, steel core, K = 0.350 / 0.343 / 0.375.
const RopeSizeRow k6x19b[] = {
    {"φ3",   { 3.15,  3.09,  3.38}},
    {"φ4",   {  5.6,  5.49,     6}},
    {"φ5",   { 8.75,  8.58,  9.38}},
    {"φ6",   { 12.6,  12.3,  13.5}},
    {"φ7",   { 17.1,  16.8,  18.4}},
    {"φ8",   { 22.4,    22,    24}},
    {"φ9",   { 28.3,  27.8,  30.4}},
    {"φ10",  {   35,  34.3,  37.5}},
    {"φ11",  { 42.3,  41.5,  45.4}},
    {"φ12",  { 50.4,  49.4,    54}},
    {"φ13",  { 59.1,    58,  63.4}},
    {"φ14",  { 68.6,  67.2,  73.5}},
    {"φ16",  { 89.6,  87.8,    96}},
    {"φ18",  {  113,   111,   122}},
    {"φ20",  {  140,   137,   150}},
    {"φ22",  {  169,   166,   182}},
    {"φ24",  {  202,   198,   216}},
    {"φ26",  {  237,   232,   254}},
    {"φ28",  {  274,   269,   294}},
    {"φ30",  {  315,   309,   338}},
    {"φ32",  {  358,   351,   384}},
    {"φ34",  {  405,   397,   434}},
    {"φ36",  {  454,   445,   486}},
    {"φ38",  {  505,   495,   542}},
    {"φ40",  {  560,   549,   600}},
    {"φ42",  {  617,   605,   662}},
    {"φ44",  {  678,   664,   726}},
    {"φ46",  {  741,   726,   794}},
};

// "6×37a": natural, synthetic, steel core, K = 0.373 / 0.366 / 0.412.
const RopeSizeRow k6x37a[] = {
    {"φ12",  { 53.7,  52.7,  59.3}},
    {"φ13",  {   63,  61.9,  69.6}},
    {"φ14",  { 73.1,  71.7,  80.8}},
    {"φ16",  { 95.5,  93.7,   105}},
    {"φ18",  {  121,   119,   133}},
    {"φ20",  {  149,   146,   165}},
    {"φ22",  {  181,   177,   199}},
    {"φ24",  {  215,   211,   237}},
    {"φ26",  {  252,   247,   279}},
    {"φ28",  {  292,   287,   323}},
    {"φ30",  {  336,   329,   371}},
    {"φ32",  {  382,   375,   422}},
    {"φ34",  {  431,   423,   476}},
    {"φ36",  {  483,   474,   534}},
    {"φ38",  {  539,   529,   595}},
    {"φ40",  {  597,   586,   659}},
    {"φ42",  {  658,   646,   727}},
    {"φ44",  {  722,   709,   798}},
    {"φ46",  {  789,   774,   872}},
    {"φ48",  {  859,   843,   949}},
    {"φ50",  {  932,   915,  1030}},
    {"φ52",  { 1010,   990,  1110}},
    {"φ54",  { 1090,  1070,  1200}},
    {"φ56",  { 1170,  1150,  1290}},
    {"φ58",  { 1250,  1230,  1390}},
    {"φ60",  { 1340,  1320,  1480}},
    {"φ62",  { 1430,  1410,  1580}},
    {"φ64",  { 1530,  1500,  1690}},
};

// "6×37b": natural, synthetic, steel core, K = 0.340 / 0.333 / 0.375.
const RopeSizeRow k6x37b[] = {
    {"φ5",   {  8.5,  8.32,  9.38}},
    {"φ6",   { 12.2,    12,  13.5}},
    {"φ7",   { 16.7,  16.3,  18.4}},
    {"φ8",   { 21.8,  21.3,    24}},
    {"φ9",   { 27.5,    27,  30.4}},
    {"φ10",  {   34,  33.3,  37.5}},
    {"φ11",  { 41.1,  40.3,  45.4}},
    {"φ12",  {   49,    48,    54}},
    {"φ13",  { 57.5,  56.3,  63.4}},
    {"φ14",  { 66.6,  65.3,  73.5}},
    {"φ16",  {   87,  85.2,    96}},
    {"φ18",  {  110,   108,   122}},
    {"φ20",  {  136,   133,   150}},
    {"φ22",  {  165,   161,   182}},
    {"φ24",  {  196,   192,   216}},
    {"φ26",  {  230,   225,   254}},
    {"φ28",  {  267,   261,   294}},
    {"φ30",  {  306,   300,   338}},
    {"φ32",  {  348,   341,   384}},
    {"φ34",  {  393,   385,   434}},
    {"φ36",  {  441,   432,   486}},
    {"φ38",  {  491,   481,   542}},
    {"φ40",  {  544,   533,   600}},
    {"φ42",  {  600,   587,   662}},
    {"φ44",  {  658,   645,   726}},
    {"φ46",  {  719,   705,   794}},
    {"φ48",  {  783,   767,   864}},
    {"φ50",  {  850,   833,   938}},
    {"φ52",  {  919,   900,  1010}},
    {"φ54",  {  991,   971,  1090}},
    {"φ56",  { 1070,  1040,  1180}},
    {"φ58",  { 1140,  1120,  1260}},
    {"φ60",  { 1220,  1200,  1350}},
    {"φ62",  { 1310,  1280,  1440}},
    {"φ64",  { 1390,  1360,  1540}},
    {"φ66",  { 1480,  1450,  1630}},
};

// "8×19": natural, synthetic, steel core, K = 0.346 / 0.339 / 0.410.
const RopeSizeRow k8x19[] = {
    {"φ10",  { 34.6,  33.9,    41}},
    {"φ11",  { 41.9,    41,  49.6}},
    {"φ12",  { 49.8,  48.8,    59}},
    {"φ13",  { 58.5,  57.3,  69.3}},
    {"φ14",  { 67.8,  66.4,  80.4}},
    {"φ16",  { 88.6,  86.8,   105}},
    {"φ18",  {  112,   110,   133}},
    {"φ20",  {  138,   136,   164}},
    {"φ22",  {  167,   164,   198}},
    {"φ24",  {  199,   195,   236}},
    {"φ26",  {  234,   229,   277}},
    {"φ28",  {  271,   266,   321}},
    {"φ30",  {  311,   305,   369}},
    {"φ32",  {  354,   347,   420}},
    {"φ34",  {  400,   392,   474}},
    {"φ36",  {  448,   439,   531}},
    {"φ38",  {  500,   490,   592}},
    {"φ40",  {  554,   542,   656}},
    {"φ42",  {  610,   598,   723}},
    {"φ44",  {  670,   656,   794}},
    {"φ46",  {  732,   717,   868}},
    {"φ48",  {  797,   781,   945}},
};

// "8×37": natural, synthetic, steel core, K = 0.354 / 0.347 / 0.420.
const RopeSizeRow k8x37[] = {
    {"φ14",  { 69.4,    68,  82.3}},
    {"φ16",  { 90.6,  88.8,   108}},
    {"φ18",  {  115,   112,   136}},
    {"φ20",  {  142,   139,   168}},
    {"φ22",  {  171,   168,   203}},
    {"φ24",  {  204,   200,   242}},
    {"φ26",  {  239,   235,   284}},
    {"φ28",  {  278,   272,   329}},
    {"φ30",  {  319,   312,   378}},
    {"φ32",  {  362,   355,   430}},
    {"φ34",  {  409,   401,   486}},
    {"φ36",  {  459,   450,   544}},
    {"φ38",  {  511,   501,   606}},
    {"φ40",  {  566,   555,   672}},
    {"φ42",  {  624,   612,   741}},
    {"φ44",  {  685,   672,   813}},
    {"φ46",  {  749,   734,   889}},
    {"φ48",  {  816,   799,   968}},
    {"φ50",  {  885,   867,  1050}},
    {"φ52",  {  957,   938,  1140}},
    {"φ54",  { 1030,  1010,  1220}},
    {"φ56",  { 1110,  1090,  1320}},
    {"φ58",  { 1190,  1170,  1410}},
    {"φ60",  { 1270,  1250,  1510}},
    {"φ62",  { 1360,  1330,  1610}},
    {"φ64",  { 1450,  1420,  1720}},
};

// "17×7": as given.
const RopeSizeRow k17x7[] = {
    {"φ6",   {   14}},
    {"φ7",   { 19.1}},
    {"φ8",   {   25}},
    {"φ9",   { 31.6}},
    {"φ10",  {   39}},
    {"φ11",  { 47.2}},
    {"φ12",  { 56.2}},
    {"φ13",  { 65.9}},
    {"φ14",  { 76.4}},
    {"φ16",  { 99.8}},
    {"φ18",  {  126}},
    {"φ20",  {  156}},
    {"φ22",  {  189}},
    {"φ24",  {  225}},
    {"φ26",  {  264}},
    {"φ28",  {  306}},
    {"φ30",  {  351}},
    {"φ32",  {  399}},
    {"φ34",  {  451}},
    {"φ36",  {  505}},
    {"φ38",  {  563}},
    {"φ40",  {  624}},
    {"φ42",  {  688}},
    {"φ44",  {  755}},
};

// "34×7": no core kind, K = 0.397.
const RopeSizeRow k34x7[] = {
    {"φ16",  {  102}},
    {"φ18",  {  129}},
    {"φ20",  {  159}},
    {"φ22",  {  192}},
    {"φ24",  {  229}},
    {"φ26",  {  268}},
    {"φ28",  {  311}},
    {"φ30",  {  357}},
    {"φ32",  {  407}},
    {"φ34",  {  459}},
    {"φ36",  {  515}},
    {"φ38",  {  573}},
    {"φ40",  {  635}},
    {"φ42",  {  700}},
    {"φ44",  {  769}},
};

// "6×24(1)": natural, synthetic fibre core, K = 0.308 / 0.302.
const RopeSizeRow k6x24_1[] = {
    {"φ8",   { 19.7,  19.3}},
    {"φ9",   { 24.9,  24.5}},
    {"φ10",  { 30.8,  30.2}},
    {"φ11",  { 37.3,  36.5}},
    {"φ12",  { 44.4,  43.5}},
    {"φ13",  { 52.1,    51}},
    {"φ14",  { 60.4,  59.2}},
    {"φ16",  { 78.8,  77.3}},
    {"φ18",  { 99.8,  97.8}},
    {"φ20",  {  123,   121}},
    {"φ22",  {  149,   146}},
    {"φ24",  {  177,   174}},
    {"φ26",  {  208,   204}},
    {"φ28",  {  241,   237}},
    {"φ30",  {  277,   272}},
    {"φ32",  {  315,   309}},
    {"φ34",  {  356,   349}},
    {"φ36",  {  399,   391}},
    {"φ38",  {  445,   436}},
    {"φ40",  {  493,   483}},
};

// "6×24(2)": natural, synthetic fibre core, K = 0.314 / 0.308.
const RopeSizeRow k6x24_2[] = {
    {"φ10",  { 31.4,  30.8}},
    {"φ11",  {   38,  37.3}},
    {"φ12",  { 45.2,  44.4}},
    {"φ13",  { 53.1,  52.1}},
    {"φ14",  { 61.5,  60.4}},
    {"φ16",  { 80.4,  78.8}},
    {"φ18",  {  102,  99.8}},
    {"φ20",  {  126,   123}},
    {"φ22",  {  152,   149}},
    {"φ24",  {  181,   177}},
    {"φ26",  {  212,   208}},
    {"φ28",  {  246,   241}},
    {"φ30",  {  283,   277}},
    {"φ32",  {  322,   315}},
    {"φ34",  {  363,   356}},
    {"φ36",  {  407,   399}},
    {"φ38",  {  453,   445}},
    {"φ40",  {  502,   493}},
    {"φ42",  {  554,   543}},
    {"φ44",  {  608,   596}},
};

// Constructions 0 .. 10, round strands, in list order; the rest follow in WireRopeShapedTables.cpp.
const RopeConstruction kRoundStrandRopes[kRoundStrandRopeCount] = {
    /*  0 */ Rope("6×7",      RopeCores::kAll,    k6x7),
    /*  1 */ Rope("6×19a",    RopeCores::kAll,    k6x19a),
    /*  2 */ Rope("6×19b",    RopeCores::kAll,    k6x19b),
    /*  3 */ Rope("6×37a",    RopeCores::kAll,    k6x37a),
    /*  4 */ Rope("6×37b",    RopeCores::kAll,    k6x37b),
    /*  5 */ Rope("8×19",     RopeCores::kAll,    k8x19),
    /*  6 */ Rope("8×37",     RopeCores::kAll,    k8x37),
    /*  7 */ Rope("17×7",     RopeCores::kNone,   k17x7),
    /*  8 */ Rope("34×7",     RopeCores::kNone,   k34x7),
    /*  9 */ Rope("6×24(1)",  RopeCores::kFibre,  k6x24_1),
    /* 10 */ Rope("6×24(2)",  RopeCores::kFibre,  k6x24_2),
};

}  // namespace

const RopeConstruction* RopeConstructionAt(int construction) {
    if (construction < 0 || construction >= kRopeConstructionCount) return nullptr;
    if (construction < kRoundStrandRopeCount) return &kRoundStrandRopes[construction];
    return &kShapedStrandRopes[construction - kRoundStrandRopeCount];
}

}  // namespace mw
