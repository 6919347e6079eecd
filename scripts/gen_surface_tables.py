#!/usr/bin/env python3
"""Outer surface a metre (m2/m) of every sized section the calculators list, from each section's
nominal geometry, row for row beside the program's own size lists; writes pages/SurfaceTables.cpp.

    gen_surface_tables.py            writes the table file
    gen_surface_tables.py --check    recomputes it and fails when the file differs, a section's
                                     area from the same geometry strays from the list's kg/m, or
                                     an area strays more than 2 % from a figure the standard prints

Method (every length in mm; k = 2 - pi/2 is what a quarter round of radius r takes off the two
straight edges it replaces; the rounds of a standard's outline are all quarter rounds):
- Hot-rolled angle, GB/T 706 (equal and unequal): legs B, b, thickness d, root radius r by leg
  (the standard's table, below), toe radius r1 = d/3. Outline 2(B + b) - k(r + 2 r1). Area for the
  weight check d(B + b - d) + 0.215(r^2 - 2 r1^2), the standard's own formula.
- Hot-rolled channel, GB/T 706: h, b, web d as the 规格 text gives them; mean flange thickness t
  (at half the flange's free width), root radius r and toe radius r1 = r/2 from the standard's table
  (below); inner flange faces slope 1:10. Outline: web h, flange backs 2b, toes 2(t - (b-d)/20),
  sloped faces 2(b-d)sqrt(1.01), inner web h - 2(t + (b-d)/20), less k(2r + 2r1). Area
  hd + 2t(b-d) + 0.349(r^2 - r1^2).
- Hot-rolled I-beam, GB/T 706: as the channel with four flange halves of (b-d)/2, slope 1:6, t at
  a quarter of (b-d) from the toe: flange backs 2b, toes 4(t - (b-d)/24), sloped faces
  2(b-d)sqrt(1+1/36), web faces 2(h - 2(t + (b-d)/24)), less k(4r + 4r1). Area hd + 2t(b-d) +
  0.615(r^2 - r1^2).
- Hot-rolled H section, GB/T 11263 (HW, HM, HN, HP): H, B from the list, web t1, flange t2 and
  root r from the standard's table (below; the edition whose weights the list carries). Outline
  2H + 4B - 2 t1 - 4k r (the flange thickness cancels). Area t1(H - 2 t2) + 2 B t2 + 0.858 r^2.
- Cut T section (TW, TM, TN): half of the H section it is cut from (same B, t1, t2, r; h = H/2).
  Outline 2h + 2B - 2k r. Area half the H's.
- Cold-formed hollow section (square and rectangular tube), GB/T 6728: the list gives no corner
  radius; outer corner radius R = 2t up to t = 6, 2.5t up to 10, 3t above, with which the list's
  small tubes weigh exactly what it says (the report gives the worst of the others). Outer surface
  only (the inside of a tube is not painted): 2(H + B) - 4k R. Area 2t(H + B - 2t) -
  (4 - pi)(R^2 - (R - t)^2).
- Welded pipe: the outside diameters of the program's welded pipe table
  (tools/WeldedPipeTables.cpp), outer surface pi D. Area pi t (D - t).
- Cold-formed open sections, GB/T 6723 (angle, channel, lipped channel, Z, lipped Z): constant
  thickness t, so both faces together are twice the centre line, plus the two free edges. The
  list does not give the bends' radius, but its weight does give the centre line for any radius
  (area / t); a weight that no bend of inner radius 0 to 3t could give is taken for a slip of the
  list, and the sharp-cornered centre line of the nominal outline stands in (the report names them).
- Hexagonal bar (across flats s): 2 sqrt(3) s. Octagonal bar: 8 s tan(22.5 deg). Reinforcing bar:
  pi d of the nominal diameter (the ribs are not counted, as painting quotes do not).
Floor plate and mesh (weighed by area), wire rope and fasteners have no surface a metre here.
"""
import math
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
OUT = os.path.join(ROOT, 'pages', 'SurfaceTables.cpp')
K = 2 - math.pi / 2
STEEL = 7.85e-3  # kg/m per mm2

# GB/T 706 angle root radius r by leg width (equal) or leg pair (unequal).
ANGLE_R_EQUAL = {20: 3.5, 25: 3.5, 30: 4.5, 36: 4.5, 40: 5, 45: 5, 50: 5.5, 56: 6, 63: 7, 70: 8,
                 75: 9, 80: 9, 90: 10, 100: 12, 110: 12, 125: 14, 140: 14, 160: 16, 180: 16, 200: 18}
ANGLE_R_UNEQUAL = {(25, 16): 3.5, (32, 20): 3.5, (40, 25): 4, (45, 28): 5, (50, 32): 5.5, (56, 36): 6,
                   (63, 40): 7, (70, 45): 7.5, (75, 50): 8, (80, 50): 8, (90, 56): 9, (100, 63): 10,
                   (100, 80): 10, (110, 70): 10, (125, 80): 11, (140, 90): 12, (160, 100): 13,
                   (180, 110): 14, (200, 125): 14}
# GB/T 706 channel: number -> (t, r); r1 = r/2 (rounded as the standard prints it).
CHANNEL_TR = {'5': (7, 7), '6.3': (7.5, 7.5), '6.5': (7.5, 7.5), '8': (8, 8), '10': (8.5, 8.5),
              '12': (9, 9), '12.6': (9, 9), '14': (9.5, 9.5), '16': (10, 10), '18': (10.5, 10.5),
              '20': (11, 11), '22': (11.5, 11.5), '24': (12, 12), '25': (12, 12), '27': (12.5, 12.5),
              '28': (12.5, 12.5), '30': (13.5, 13.5), '32': (14, 14), '36': (16, 16), '40': (18, 18)}
CHANNEL_R1 = {7: 3.5, 7.5: 3.8, 8: 4, 8.5: 4.2, 9: 4.5, 9.5: 4.8, 10: 5, 10.5: 5.2, 11: 5.5,
              11.5: 5.8, 12: 6, 12.5: 6.2, 13.5: 6.8, 14: 7, 16: 8, 18: 9}
# GB/T 706 I-beam: number -> (t, r, r1).
IBEAM_TRR = {'10': (7.6, 6.5, 3.3), '12': (8.4, 7, 3.5), '12.6': (8.4, 7, 3.5), '14': (9.1, 7.5, 3.8),
             '16': (9.9, 8, 4), '18': (10.7, 8.5, 4.3), '20': (11.4, 9, 4.5), '22': (12.3, 9.5, 4.8),
             '24': (13, 10, 5), '25': (13, 10, 5), '27': (13.7, 10.5, 5.3), '28': (13.7, 10.5, 5.3),
             '30': (14.4, 11, 5.5), '32': (15, 11.5, 5.8), '36': (15.8, 12, 6), '40': (16.5, 12.5, 6.3),
             '45': (18, 13.5, 6.8), '50': (20, 14, 7), '55': (21, 14.5, 7.3), '56': (21, 14.5, 7.3),
             '63': (22, 15, 7.5)}
# GB/T 11263 H sections: (H, B) -> (t1, t2, r), the edition the list's weights come from.
H_GEOMETRY = {
    (100, 100): (6, 8, 10), (125, 125): (6.5, 9, 10), (150, 150): (7, 10, 13), (175, 175): (7.5, 11, 13),
    (200, 200): (8, 12, 16), (200, 204): (12, 12, 16), (250, 250): (9, 14, 16), (250, 255): (14, 14, 16),
    (294, 302): (12, 12, 20), (300, 300): (10, 15, 20), (300, 305): (15, 15, 20), (344, 348): (10, 16, 20),
    (350, 350): (12, 19, 20), (388, 402): (15, 15, 24), (394, 398): (11, 18, 24), (400, 400): (13, 21, 24),
    (400, 408): (21, 21, 24), (414, 405): (18, 28, 24), (428, 407): (20, 35, 24), (458, 417): (30, 50, 24),
    (498, 432): (45, 70, 24),
    (148, 100): (6, 9, 13), (194, 150): (6, 9, 16), (244, 175): (7, 11, 16), (294, 200): (8, 12, 20),
    (340, 250): (9, 14, 20), (390, 300): (10, 16, 24), (440, 300): (11, 18, 24), (482, 300): (11, 15, 28),
    (488, 300): (11, 18, 28), (582, 300): (12, 17, 28), (588, 300): (12, 20, 28), (594, 302): (14, 23, 28),
    (100, 50): (5, 7, 10), (125, 60): (6, 8, 10), (150, 75): (5, 7, 10), (175, 90): (5, 8, 10),
    (198, 99): (4.5, 7, 13), (200, 100): (5.5, 8, 13), (248, 124): (5, 8, 13), (250, 125): (6, 9, 13),
    (298, 149): (5.5, 8, 16), (300, 150): (6.5, 9, 16), (346, 174): (6, 9, 16), (350, 175): (7, 11, 16),
    (400, 150): (8, 13, 16), (396, 199): (7, 11, 16), (400, 200): (8, 13, 16), (450, 150): (9, 14, 20),
    (446, 199): (8, 12, 20), (450, 200): (9, 14, 20), (500, 150): (10, 16, 20), (496, 199): (9, 14, 20),
    (500, 200): (10, 16, 20), (506, 201): (11, 19, 20), (596, 199): (10, 15, 24), (600, 200): (11, 17, 24),
    (606, 201): (12, 20, 24), (692, 300): (13, 20, 28), (700, 300): (13, 24, 28), (792, 300): (14, 22, 28),
    (800, 300): (14, 26, 28), (890, 299): (15, 23, 28), (900, 300): (16, 28, 28), (912, 302): (18, 34, 28),
    (244, 252): (11, 11, 16), (338, 351): (13, 13, 20), (344, 354): (16, 16, 20), (350, 357): (19, 19, 20),
    (394, 405): (18, 18, 24), (492, 465): (15, 20, 28), (502, 465): (15, 25, 28), (502, 470): (20, 25, 28),
}
# Outer surface (m2/m) that GB/T 706 prints beside its equal angles (外表面积), to hold ours
# against: the first thickness of each leg width, and a few more.
PRINTED = {
    '∠20×20×3': 0.078, '∠25×25×3': 0.098, '∠30×30×3': 0.117, '∠36×36×3': 0.141, '∠40×40×3': 0.157,
    '∠45×45×3': 0.177, '∠50×50×3': 0.197, '∠50×50×5': 0.196, '∠56×56×3': 0.221, '∠63×63×4': 0.248,
    '∠63×63×10': 0.246, '∠70×70×4': 0.275, '∠75×75×5': 0.295, '∠80×80×5': 0.315, '∠90×90×6': 0.354,
    '∠100×100×6': 0.393, '∠110×110×7': 0.433, '∠125×125×8': 0.492, '∠140×140×10': 0.551,
    '∠160×160×10': 0.630, '∠180×180×12': 0.710, '∠200×200×14': 0.788,
}
# How far the area from the geometry may stray from the list's kg/m: the hot-rolled lists carry
# the standard's own weights (three rows are a few per cent off them: the report names them); the
# tube list was computed with corner radii of its own.
WEIGHT_TOLERANCE = {'hot': 0.03, 'tube': 0.05}

ROW = re.compile(r'\{"([^"]*)",\s*"([^"]*)",\s*([0-9.]+)\}')


def rows_of(path, array):
    """(model, spec, kg/m) of one C++ row array of a table file, in list order."""
    with open(os.path.join(ROOT, path), encoding='utf-8') as f:
        text = f.read()
    start = text.index('const SizeRow %s[] = {' % array)
    end = text.index('};', start)
    return [(m, s, float(w)) for m, s, w in ROW.findall(text[start:end])]


def numbers(text):
    return [float(x) for x in re.findall(r'[0-9]+(?:\.[0-9]+)?', text)]


def hot_angle(model):
    B, b, d = numbers(model)
    r = ANGLE_R_EQUAL[B] if B == b else ANGLE_R_UNEQUAL[(B, b)]
    r1 = d / 3
    return 2 * (B + b) - K * (r + 2 * r1), d * (B + b - d) + 0.215 * (r * r - 2 * r1 * r1)


def channel_number(model, spec):
    h = numbers(spec)[0] / 10
    return ('%g' % h)


def hot_channel(model, spec):
    h, b, d = numbers(spec)
    t, r = CHANNEL_TR[channel_number(model, spec)]
    r1 = CHANNEL_R1[r]
    s = (b - d) / 20
    outline = h + 2 * b + 2 * (t - s) + 2 * (b - d) * math.sqrt(1.01) + h - 2 * (t + s) - K * (2 * r + 2 * r1)
    return outline, h * d + 2 * t * (b - d) + 0.349 * (r * r - r1 * r1)


def hot_ibeam(model, spec):
    h, b, d = numbers(spec)
    t, r, r1 = IBEAM_TRR['%g' % (h / 10)]
    s = (b - d) / 24
    outline = 2 * b + 4 * (t - s) + 2 * (b - d) * math.sqrt(1 + 1 / 36) + 2 * (h - 2 * (t + s)) - K * (4 * r + 4 * r1)
    return outline, h * d + 2 * t * (b - d) + 0.615 * (r * r - r1 * r1)


def h_section(model):
    H, B = numbers(model)
    t1, t2, r = H_GEOMETRY[(H, B)]
    return 2 * H + 4 * B - 2 * t1 - 4 * K * r, t1 * (H - 2 * t2) + 2 * B * t2 + 0.858 * r * r


def t_section(model, parents):
    h, B = numbers(model)
    H = next(H for (H, b) in parents if b == B and abs(H - 2 * h) < 1e-9)
    t1, t2, r = H_GEOMETRY[(H, B)]
    return 2 * h + 2 * B - 2 * K * r, (t1 * (H - 2 * t2) + 2 * B * t2 + 0.858 * r * r) / 2


def tube(model):
    n = numbers(model)
    (H, B, t) = (n[0], n[0], n[1]) if len(n) == 2 else n
    R = 2 * t if t <= 6 else 2.5 * t if t <= 10 else 3 * t
    return 2 * (H + B) - 4 * K * R, 2 * t * (H + B - 2 * t) - (4 - math.pi) * (R * R - (R - t) ** 2)


def welded_pipe_diameters():
    with open(os.path.join(ROOT, 'tools', 'WeldedPipeTables.cpp'), encoding='utf-8') as f:
        return {m.group(1): float(m.group(2))
                for m in re.finditer(r'"([0-9/]+)×[0-9.]+ *→φ([0-9.]+)×', f.read())}


def pipe(model, diameters):
    inch, wall = model.split('×')
    D, t = diameters[inch.rstrip("'")], float(wall)
    return math.pi * D, math.pi * t * (D - t)


BENDS = {'angle': 1, 'channel': 2, 'unequal channel': 2, 'lipped': 4, 'z': 2}


def cold_open(kind, model, weight):
    n = numbers(model)
    t = n[-1]
    if kind == 'angle':
        B, b = n[0], n[1]
        sharp = (B - t / 2) + (b - t / 2)
    elif kind == 'channel':  # [H×B×t
        H, B = n[0], n[1]
        sharp = (H - t) + 2 * (B - t / 2)
    elif kind == 'unequal channel':  # [H×B×b×t
        H, B, b = n[0], n[1], n[2]
        sharp = (H - t) + (B - t / 2) + (b - t / 2)
    elif kind == 'lipped':  # [H×B×C×t, C section or lipped Z
        H, B, C = n[0], n[1], n[2]
        sharp = (H - t) + 2 * (B - t) + 2 * (C - t / 2)
    else:  # Z: H×B×t
        H, B = n[0], n[1]
        sharp = (H - t) + 2 * (B - t / 2)
    # The bends' radius is not in the list; the list's own weight gives the centre line for any
    # radius. A weight that no bend of inner radius 0 to 3t could give is a slip of the list.
    implied = weight / STEEL / t
    rounded = sharp - BENDS[kind] * K * (3 * t + t / 2)
    centre = implied if rounded <= implied <= sharp * 1.001 else sharp
    return 2 * centre + 2 * t, None, centre != implied


def sections():
    """(array name, table comment, [(model, outline mm, area mm2 or None, kg/m, family)])."""
    out = []

    def add(name, comment, rows, fn, family):
        out.append((name, comment, [(m, *(fn(m, s) + (None,))[:3], w, family) for m, s, w in rows]))

    add('kAngleSurface', 'hot-rolled angle', rows_of('pages/Tab1Tables.cpp', 'kAngleRows'),
        lambda m, s: hot_angle(m), 'hot')
    add('kChannelSurface', 'hot-rolled channel', rows_of('pages/Tab1Tables.cpp', 'kChannelRows'),
        hot_channel, 'hot')
    add('kIBeamSurface', 'I-beam', rows_of('pages/Tab1Tables.cpp', 'kIBeamRows'), hot_ibeam, 'hot')
    add('kTubeSurface', 'square and rectangular tube', rows_of('pages/Tab2Tables.cpp', 'kTubeRows'),
        lambda m, s: tube(m), 'tube')
    diameters = welded_pipe_diameters()
    add('kPipeSurface', 'welded pipe', rows_of('pages/Tab2Tables.cpp', 'kPipeRows'),
        lambda m, s: pipe(m, diameters), 'hot')
    for i, name in enumerate(['HW', 'HM', 'HN', 'HP']):
        add('kHT%dSurface' % i, name + ' H section', rows_of('pages/HTSection.cpp', 'kHT%d' % i),
            lambda m, s: h_section(m), 'hot')
    for i, name in [(4, 'TW'), (5, 'TM'), (6, 'TN')]:
        add('kHT%dSurface' % i, name + ' T section', rows_of('pages/HTSection.cpp', 'kHT%d' % i),
            lambda m, s: t_section(m, H_GEOMETRY), 'hot')
    cold = [('kColdEqualAngle', 'angle'), ('kColdUnequalAngle', 'angle'),
            ('kColdEqualChannel', 'channel'), ('kColdUnequalChannel', 'unequal channel'),
            ('kColdInnerLippedChannel', 'lipped'), ('kColdOuterLippedChannel', 'lipped'),
            ('kColdZ', 'z'), ('kColdLippedZ', 'lipped')]
    for array, kind in cold:
        weights = {m: w for m, _, w in rows_of('pages/ColdFormedTables.cpp', array + 'Rows')}
        add(array + 'Surface', 'cold-formed ' + array[5:], rows_of('pages/ColdFormedTables.cpp', array + 'Rows'),
            lambda m, s, kind=kind: cold_open(kind, m, weights[m]), 'cold')
    add('kHexagonSurface', 'hexagonal bar', rows_of('pages/Tab3Tables.cpp', 'kHexagonRows'),
        lambda m, s: (2 * math.sqrt(3) * numbers(m)[0], None), 'bar')
    add('kOctagonSurface', 'octagonal bar', rows_of('pages/Tab3Tables.cpp', 'kOctagonRows'),
        lambda m, s: (8 * math.tan(math.pi / 8) * numbers(m)[0], None), 'bar')
    add('kRebarSurface', 'reinforcing bar', rows_of('pages/Tab3Tables.cpp', 'kRebarRows'),
        lambda m, s: (math.pi * numbers(m)[0], None), 'bar')
    return out


def render(tables):
    lines = ['// Outer surface a metre (m2/m) of every size of the sized calculators, row for row beside',
             '// their lists. Generated by scripts/gen_surface_tables.py from each section\'s nominal',
             '// geometry (method and standards there); do not edit, run the script.',
             '#include "pages/SurfaceTables.h"', '', 'namespace mw {', '']
    for name, comment, rows in tables:
        lines.append('// %s, %d sizes' % (comment, len(rows)))
        lines.append('const double %s[%d] = {' % (name, len(rows)))
        for model, outline, _, _, _, _ in rows:
            lines.append('    %.4f,  // %s' % (outline / 1000, model))
        lines.append('};')
        lines.append('')
    lines.append('// Web and flange thickness of the H sections, row for row, for designations that give them.')
    for i in range(4):
        rows = rows_of('pages/HTSection.cpp', 'kHT%d' % i)
        lines.append('const WebFlange kHT%dWebFlange[%d] = {' % (i, len(rows)))
        for model, _, _ in rows:
            t1, t2, _ = H_GEOMETRY[tuple(numbers(model))]
            lines.append('    {%g, %g},  // %s' % (t1, t2, model))
        lines.append('};')
        lines.append('')
    lines.append('}  // namespace mw')
    return '\n'.join(lines) + '\n'


def checks(tables):
    """Deviations that fail the check, and the report lines."""
    failures, report = [], []
    worst_weight = {}
    for name, _, rows in tables:
        for model, outline, area, slip, weight, family in rows:
            if slip:
                report.append('%s %s: the list\'s %g kg/m fits no bend; sharp corners taken' % (name, model, weight))
            if area is None or family not in WEIGHT_TOLERANCE:
                continue
            dev = area * STEEL / weight - 1
            if abs(dev) > abs(worst_weight.get(name, (0, ''))[0]):
                worst_weight[name] = (dev, model)
            if abs(dev) > WEIGHT_TOLERANCE[family]:
                failures.append('%s %s: area %.1f mm2 weighs %.3f kg/m, the list says %g (%+.1f %%)'
                                % (name, model, area, area * STEEL, weight, dev * 100))
    for name, (dev, model) in sorted(worst_weight.items()):
        report.append('weight from geometry against the list, %-28s worst %+.2f %% (%s)' % (name, dev * 100, model))
    angle = {m: o for m, o, _, _, _, _ in next(rows for n, _, rows in tables if n == 'kAngleSurface')}
    worst = (0.0, '')
    for model, printed in PRINTED.items():
        dev = angle[model] / 1000 / printed - 1
        if abs(dev) > abs(worst[0]):
            worst = (dev, model)
        if abs(dev) > 0.02:
            failures.append('%s: %.4f m2/m, the standard prints %.3f' % (model, angle[model] / 1000, printed))
    report.append('surface against the printed figures (%d): largest deviation %+.2f %% (%s)'
                  % (len(PRINTED), worst[0] * 100, worst[1]))
    return failures, report


def main(argv):
    tables = sections()
    text = render(tables)
    failures, report = checks(tables)
    for line in report:
        print(line)
    if '--check' in argv:
        with open(OUT, encoding='utf-8') as f:
            if f.read() != text:
                failures.append('pages/SurfaceTables.cpp differs from what the script computes: run it')
    else:
        with open(OUT, 'w', encoding='utf-8', newline='\n') as f:
            f.write(text)
    for line in failures:
        print('FAIL ' + line)
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
