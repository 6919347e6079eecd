#!/usr/bin/env python3
"""Matches the fastener calculator's coefficients to catalogue masses.

Usage:  python3 scripts/fasteners/derive_coefficients.py REFERENCE_DIR
        python3 scripts/fasteners/derive_coefficients.py --check [REFERENCE_DIR]

REFERENCE_DIR holds the two catalogue files read here (their sources and licences are in its
README):
  fasteners_din_weight_per_1000.csv   standard, title, size, length, kg per 1000 pieces
  fasteners_gost_din_piece_weight.csv type, standard, size, length, kg per piece

Beside this script, former_figures.csv holds the figures the table carried before it was matched
to catalogues (solid-geometry estimates from nominal dimensions, and the given rows). They are
the "before" of the report, and they carry the shape of a type into the sizes its catalogue lacks.

The script rewrites, from the repository root:
  pages/FastenerTables.cpp                    the coefficient rows of the catalogue-backed types
  tests/pages/FastenerCatalogueFigures.h      the catalogue figures the tests compare them with
  scripts/fasteners/REPORT.md                 rows used, rules applied, errors before and after

Method
  0. Pairs. MAPPINGS below pairs a type with the catalogue standard of the same product: its own
     standard, or one of the same nominal dimensions (the reference README's equivalents, the
     catalogue's own "GOST x, DIN y" cells, common cross-references), each with its reason.
     Where a catalogue standard looks alike but its nominal dimensions differ (a taller nut, a
     thicker washer, another slope), the pair is only compared and the type keeps its figures.
  1. Reading. A row is dropped when its mass is not a number (the catalogues hold "False") or
     when its size cell holds the same text as its mass cell (rows whose size was lost). Masses
     become kg per piece; the size's nominal diameter is the number in the size cell.
  2. Outliers (a few rows are 10x or 1000x off, or sit under the wrong length).
     Bolts: for every row, a robust straight line (repeated median) through the other lengths of
     the same size; the row is dropped when it is more than 20 % off that line. A size needs
     five lengths.
     Nuts and washers have no lengths. A row is tested against a robust fit through the other
     sizes of the same catalogue standard: the former figure of its size, scaled by the median
     catalogue / former ratio of those other sizes; it is dropped when it is more than 35 % off.
     The former figures carry the steps of a series (a washer's thickness, a nut's width) that a
     smooth curve through the sizes would take for errors.
  3. Reference figure. Bolts: the calculator's weight is proportional to length, so the
     coefficient is the mass of one bolt 100 mm long, read at 100 mm off a repeated-median line
     through the kept rows of the size within 50 mm of 100 mm (the five nearest 100 mm where
     fewer are that close; they must span 10 mm). Nuts and washers: the kept mass of the size.
  4. Sources. Where two catalogues give a type's standard, the one whose median ratio to the
     former figures lies nearer 1 is used; the other one is reported.
  5. Coefficients. A size the catalogue gives takes the catalogue figure. A size it lacks (fine
     pitch, sizes beyond the catalogue's range, sizes it dropped) takes its former figure times
     the catalogue / former ratio, interpolated in diameter between the nearest matched sizes
     (the end ratio beyond them). Figures keep four significant digits.
  6. Washers of a standard whose nominal dimensions the script holds (NOMINAL: types 56, 59,
     67, 68 and 69). Every figure must lie within 5 % of the solid of those dimensions. A size
     takes the catalogue figure only where it does (the catalogue's product is the standard's
     own there); every other size, and every size the catalogue lacks, takes the solid itself,
     never a figure scaled from a neighbouring size. The report says, size by size, which.

With --check the script writes nothing: it fails when a washer figure of the table is more
than 5 % off its standard's solid, and, given the reference folder, when the committed table,
test figures or report differ from what it makes.
"""
import csv
import dataclasses
import decimal
import math
import os
import re
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from report_changes import report_head, write_report  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TABLE_FILE = os.path.join(ROOT, 'pages', 'FastenerTables.cpp')
TEST_FILE = os.path.join(ROOT, 'tests', 'pages', 'FastenerCatalogueFigures.h')
REPORT_FILE = os.path.join(HERE, 'REPORT.md')
FORMER_FILE = os.path.join(HERE, 'former_figures.csv')
SCRIPT_NAME = 'scripts/fasteners/derive_coefficients.py'

PER_1000 = 'fasteners_din_weight_per_1000.csv'
PER_PIECE = 'fasteners_gost_din_piece_weight.csv'

BOLT_OUTLIER = 0.20       # a bolt row this far off the line through its other lengths is dropped
PIECE_OUTLIER = 0.35      # a nut or washer row this far off the fit of the other sizes is dropped
NEAR_100 = 50.0           # lengths within this of 100 mm carry the bolt's coefficient
MIN_LENGTHS = 5           # a bolt size needs this many lengths, and as many near 100 mm
MIN_SPAN = 10.0           # mm that those lengths must span
REFERENCE_LENGTH = 100.0

# Coarse pitch by nominal diameter: a size written with another pitch is a fine-pitch size,
# which no catalogue here lists.
COARSE_PITCH = {1.6: 0.35, 2: 0.4, 2.5: 0.45, 3: 0.5, 4: 0.7, 5: 0.8, 6: 1.0, 8: 1.25, 10: 1.5,
                12: 1.75, 14: 2.0, 16: 2.0, 18: 2.5, 20: 2.5, 22: 2.5, 24: 3.0, 27: 3.0, 30: 3.5,
                33: 3.5, 36: 4.0, 39: 4.0, 42: 4.5, 45: 4.5, 48: 5.0, 56: 5.5, 64: 6.0}

# ---- Nominal dimensions of the washer standards --------------------------------------------------
# Every washer figure we supply must lie within GEOMETRY_TOLERANCE of the solid of its own
# standard's nominal dimensions; a catalogue of another standard stands in for a size only where
# its mass agrees with that solid (the same product), never scaled from a neighbouring size.
# The reference folder carries masses, not these dimensions; they are the nominal dimensions of
# the standards named, as their tables give them (d1 the hole, or the spring washer's smallest
# inner diameter; all in mm):
#   GB/T 95-2002   plain washer, product grade C       d1, d2 (outside), h
#   GB/T 848-2002  small plain washer, grade A          d1, d2, h
#   GB/T 93-1987   spring washer, normal series         d1 min, s = b (square section)
#   GB/T 859-1987  spring washer, light series          d1 min, s (thickness), b (width)
#   GB/T 7244-1987 spring washer, heavy series          d1 min, s, b
# A plain washer is a ring: pi/4 (d2^2 - d1^2) h; a spring washer its section s b carried round
# the mean circle of diameter d1 + b; both at 7.85e-6 kg/mm3.
GEOMETRY_TOLERANCE = 0.05
DENSITY = 7.85e-6

PLAIN_GB95 = {1.6: (1.8, 4, 0.3), 2: (2.4, 5, 0.3), 2.5: (2.9, 6, 0.5), 3: (3.4, 7, 0.5),
              4: (4.5, 9, 0.8), 5: (5.5, 10, 1), 6: (6.6, 12, 1.6), 8: (9, 16, 1.6),
              10: (11, 20, 2), 12: (13.5, 24, 2.5), 14: (15.5, 28, 2.5), 16: (17.5, 30, 3),
              20: (22, 37, 3), 24: (26, 44, 4), 30: (33, 56, 4), 36: (39, 66, 5)}
PLAIN_GB848 = {1.6: (1.7, 3.5, 0.3), 2: (2.2, 4.5, 0.3), 2.5: (2.7, 5, 0.5), 3: (3.2, 6, 0.5),
               4: (4.3, 8, 0.5), 5: (5.3, 9, 1), 6: (6.4, 11, 1.6), 8: (8.4, 15, 1.6),
               10: (10.5, 18, 1.6), 12: (13, 20, 2), 14: (15, 24, 2.5), 16: (17, 28, 2.5),
               20: (21, 34, 3), 24: (25, 39, 4), 30: (31, 50, 4), 36: (37, 60, 5)}
SPRING_GB93 = {2: (2.1, 0.5), 2.5: (2.6, 0.65), 3: (3.1, 0.8), 4: (4.1, 1.1), 5: (5.1, 1.3),
               6: (6.1, 1.6), 8: (8.1, 2.1), 10: (10.2, 2.6), 12: (12.2, 3.1), 14: (14.2, 3.6),
               16: (16.2, 4.1), 18: (18.2, 4.5), 20: (20.2, 5), 22: (22.5, 5.5), 24: (24.5, 6),
               27: (27.5, 6.8), 30: (30.5, 7.5), 33: (33.5, 8.5), 36: (36.5, 9), 39: (39.5, 10),
               42: (42.5, 10.5), 45: (45.5, 11), 48: (48.5, 12)}
SPRING_GB859 = {3: (3.1, 0.6, 1), 4: (4.1, 0.8, 1.2), 5: (5.1, 1.1, 1.5), 6: (6.1, 1.3, 2),
                8: (8.1, 1.6, 2.5), 10: (10.2, 2, 3), 12: (12.2, 2.5, 3.5), 14: (14.2, 3, 4),
                16: (16.2, 3.2, 4.5), 18: (18.2, 3.6, 5), 20: (20.2, 4, 5.5), 22: (22.5, 4.5, 6),
                24: (24.5, 5, 7), 27: (27.5, 5.5, 8), 30: (30.5, 6, 9)}
SPRING_GB7244 = {6: (6.1, 1.8, 2.6), 8: (8.1, 2.4, 3.2), 10: (10.2, 3, 3.8), 12: (12.2, 3.5, 4.3),
                 14: (14.2, 4.1, 4.8), 16: (16.2, 4.8, 5.3), 18: (18.2, 5.3, 5.8),
                 20: (20.2, 6, 6.4), 22: (22.5, 6.6, 7.2), 24: (24.5, 7.1, 7.5),
                 27: (27.5, 8, 8.5), 30: (30.5, 9, 9.3), 33: (33.5, 9.9, 10.2),
                 36: (36.5, 10.8, 11)}


def plain_washer_kg(d1, d2, h):
    return math.pi / 4 * (d2 * d2 - d1 * d1) * h * DENSITY


def spring_washer_kg(d1, s, b=None):
    b = s if b is None else b
    return math.pi * (d1 + b) * s * b * DENSITY


# type: (standard, its table, mass of one size's dimensions)
NOMINAL = {
    56: ('GB/T 95-2002', PLAIN_GB95, plain_washer_kg),
    59: ('GB/T 848-2002', PLAIN_GB848, plain_washer_kg),
    67: ('GB/T 93-1987', SPRING_GB93, spring_washer_kg),
    68: ('GB/T 859-1987', SPRING_GB859, spring_washer_kg),
    69: ('GB/T 7244-1987', SPRING_GB7244, spring_washer_kg),
}


def nominal_kg(type_, d):
    """The solid of the type's own standard at nominal diameter d, or None."""
    if type_ not in NOMINAL:
        return None
    _, table, mass = NOMINAL[type_]
    dims = table.get(d)
    return mass(*dims) if dims else None


@dataclasses.dataclass
class Mapping:
    """One type of the calculator and the catalogue standard(s) of the same product."""
    type: int
    name: str
    family: str                 # 'bolt' or 'piece'
    sources: list               # [(file, standard cell)]
    use: str                    # 'match': coefficients come from the catalogue;
                                # 'given': kept as given, compared for information;
                                # 'other': a different product, compared for information
    why: str
    fine: bool = False          # the catalogue standard is itself of fine pitch


MAPPINGS = [
    # Types whose standard, or a standard of the same nominal dimensions, a catalogue gives.
    Mapping(7, 'LS 1228-2006', 'bolt', [(PER_1000, 'DIN 6914')], 'match',
            'structural high-strength hexagon bolt; same shank and head height, head widths '
            'within 2 mm. The catalogue\'s rows from 95 to 110 mm sit one length off (its '
            '"100 mm" row is the 95 mm bolt); the line through the other lengths reads the true '
            '100 mm figure'),
    Mapping(27, 'LS 898-1988', 'bolt', [(PER_1000, 'DIN 939')], 'match',
            'stud, metal end 1.25 d'),
    Mapping(30, 'LM 39-1988', 'piece', [(PER_PIECE, 'квадратная DIN 557')], 'match',
            'square nut, product grade C, height 0.8 d'),
    Mapping(37, 'LM 6172-2000', 'piece',
            [(PER_PIECE, 'ГОСТ 5916, DIN 439'), (PER_1000, 'DIN 439')], 'match',
            'thin hexagon nut, chamfered'),
    Mapping(42, 'LM 6178-2000', 'piece',
            [(PER_1000, 'DIN 935'), (PER_PIECE, 'DIN 935 корончатая')], 'match',
            'hexagon slotted and castle nut, style 1'),
    Mapping(43, 'LM 6179-2000', 'piece',
            [(PER_1000, 'DIN 935'), (PER_PIECE, 'DIN 935 корончатая')], 'match',
            'hexagon slotted and castle nut, grade C, nominal dimensions of type 42'),
    Mapping(50, 'LM 923-1988', 'piece',
            [(PER_1000, 'DIN 1587'), (PER_PIECE, 'DIN 1587 колпачковая')], 'match',
            'hexagon domed cap nut'),
    Mapping(52, 'LM 62-1988', 'piece', [(PER_PIECE, 'барашковая DIN 315 немецкая')], 'match',
            'wing nut with round wings'),
    Mapping(56, 'DQ 95-2002', 'piece', [(PER_1000, 'DIN 126')], 'match',
            'plain washer, product grade C'),
    Mapping(59, 'DQ 848-2002', 'piece',
            [(PER_1000, 'DIN 433'), (PER_PIECE, 'ГОСТ 10450, DIN 433 уменьшенная')], 'match',
            'small plain washer. From d=14 up both catalogues run 20-30 % below a ring of the '
            'nominal dimensions (d=16: 17/28/2.5 mm gives 7.6 g, the catalogue 5.4 g): a thinner '
            'product than ours, so those sizes keep the solid of the nominal dimensions'),
    Mapping(67, 'DQ 93-1987', 'piece',
            [(PER_PIECE, 'ГОСТ 6402, DIN 127 обычный'), (PER_1000, 'DIN 127')], 'match',
            'spring washer, normal series, square section; the catalogue\'s section differs '
            'from ours at about half the sizes, which keep the solid of the nominal dimensions'),
    Mapping(68, 'DQ 859-1987', 'piece', [(PER_PIECE, 'ГОСТ 6402, DIN 127 легкий')], 'match',
            'spring washer, light series; at d=4-6 the catalogue\'s washer is heavier than '
            'ours, and those sizes keep the solid of the nominal dimensions'),
    # Given rows: never rewritten; the report shows how they compare.
    Mapping(2, 'LS 5782-2000', 'bolt', [(PER_1000, 'DIN 931')], 'given',
            'hexagon bolt, part thread'),
    Mapping(3, 'LS 5783-2000', 'bolt', [(PER_1000, 'DIN 933')], 'given',
            'hexagon bolt, full thread'),
    Mapping(35, 'LM 6170-2000', 'piece', [(PER_1000, 'DIN 934')], 'given', 'hexagon nut'),
    Mapping(57, 'DQ 96-2002', 'piece', [(PER_1000, 'DIN 9021')], 'given', 'large plain washer'),
    Mapping(60, 'DQ 97.1-2002', 'piece', [(PER_1000, 'DIN 125')], 'given', 'plain washer'),
    # Catalogue standards of a similar but different product: the former figures stay.
    Mapping(33, 'LM 1229-2006', 'piece', [(PER_1000, 'DIN 6915')], 'other',
            'our structural nut is about d high (M20: s 34, m 20), the catalogue\'s about 0.8 d '
            '(M20: s 32, m 16)'),
    Mapping(62, 'DQ 1230-2006', 'piece', [(PER_1000, 'DIN 6916')], 'other',
            'our structural washer is wider and, at M22 and M24, 5 mm thick against 4 mm '
            '(M22: 23/42/5 against 23/39/4)'),
    Mapping(36, 'LM 6171-2000', 'piece', [(PER_PIECE, 'DIN 934 мелкий шаг')], 'other',
            'style-1 nut heights run 5-14 % above the catalogue standard\'s from M12 up, and '
            'four widths differ', fine=True),
    Mapping(38, 'LM 6173-2000', 'piece', [(PER_1000, 'DIN 936')], 'other',
            'our thin nut is 0.5 d high; the catalogue\'s runs from 0.6 d (M8) to 0.4 d (M36)',
            fine=True),
    Mapping(39, 'LM 6174-2000', 'piece', [(PER_PIECE, 'ГОСТ 5916, DIN 439')], 'other',
            'our thin nut is the unchamfered one; the catalogue gives the chamfered form'),
    Mapping(49, 'LM 802-1988', 'piece', [(PER_1000, 'DIN 1587')], 'other',
            'our cap nut is a nut with a pressed cap, not a solid domed nut'),
    Mapping(65, 'DQ 852-1988', 'piece', [(PER_1000, 'DIN 435')], 'other',
            'square taper washer for I-beams: slope 1:6 against 14 %'),
    Mapping(66, 'DQ 853-1988', 'piece', [(PER_1000, 'DIN 434')], 'other',
            'square taper washer for channels: slope 1:10 against 8 %'),
    Mapping(69, 'DQ 7244-1987', 'piece', [(PER_PIECE, 'ГОСТ 6402, DIN 127 тяжелый')], 'other',
            'heavy spring washer of a wider section: the former figures run a steady 30 % above'),
]


# ---- Reading -----------------------------------------------------------------------------------

@dataclasses.dataclass
class Row:
    file: str
    standard: str
    size: str
    length: str
    kg: float = None
    d: float = None
    dropped: str = ''


def number(text):
    try:
        value = float(text)
    except ValueError:
        return None
    return value if math.isfinite(value) else None


def read_catalogues(folder):
    rows = []
    for name, mass_column, scale in ((PER_1000, 'kg_per_1000_pcs', 0.001),
                                     (PER_PIECE, 'weight_kg_per_piece', 1.0)):
        with open(os.path.join(folder, name), encoding='utf-8', newline='') as f:
            for cells in csv.DictReader(f):
                row = Row(name, cells['standard'], cells['size'].strip(),
                          cells['length_mm'].strip())
                mass = number(cells[mass_column])
                d = number(row.size[1:] if row.size.startswith('M') else row.size)
                if mass is None or mass <= 0:
                    row.dropped = 'mass is not a number (%s)' % cells[mass_column]
                elif row.size == cells[mass_column].strip():
                    row.dropped = 'size cell holds the mass'
                elif d is None:
                    row.dropped = 'size not understood'
                else:
                    row.kg, row.d = mass * scale, d
                rows.append(row)
    return rows


def read_former():
    """{type: [(size text, kg)]} in size-list order."""
    former = {}
    with open(FORMER_FILE, encoding='utf-8', newline='') as f:
        for cells in csv.DictReader(f):
            former.setdefault(int(cells['type']), []).append((cells['size'], float(cells['kg'])))
    return former


def parse_size(text):
    """'(M14×1.5)' -> (14.0, True when coarse); 'd=2.0' -> (2.0, True)."""
    m = re.fullmatch(r'\(?(?:M|d=)([0-9.]+)(?:×([0-9.]+))?\)?', text)
    assert m, text
    d = float(m.group(1))
    pitch = float(m.group(2)) if m.group(2) else None
    return d, pitch is None or abs(pitch - COARSE_PITCH.get(d, pitch)) < 1e-9


# ---- Robust fits -------------------------------------------------------------------------------

def robust_line(points):
    """(intercept, slope) of the repeated-median line through (x, y) points: for each point the
    median of its slopes to the others, the median of those; it stands while fewer than half of
    the points are wrong."""
    per_point = []
    for i, (x1, y1) in enumerate(points):
        slopes = [(y2 - y1) / (x2 - x1) for j, (x2, y2) in enumerate(points) if j != i and x2 != x1]
        if slopes:
            per_point.append(statistics.median(slopes))
    slope = statistics.median(per_point)
    return statistics.median(y - slope * x for x, y in points), slope


@dataclasses.dataclass
class Reference:
    """The catalogue figure of one size and how it was reached."""
    kg: float
    note: str = ''
    rows: int = 1
    used: bool = True      # False: compared only, the figure comes from the nominal geometry


def bolt_references(rows, report):
    """{d: Reference} at 100 mm, from the rows of one standard."""
    by_size = {}
    for row in rows:
        length = number(row.length)
        if length is None:
            row.dropped = 'no length'
            continue
        by_size.setdefault(row.d, []).append((length, row))
    result = {}
    for d, entries in sorted(by_size.items()):
        if len(entries) < MIN_LENGTHS:
            report.append('M%g: %d lengths, too few; not used' % (d, len(entries)))
            continue
        for i, (length, row) in enumerate(entries):
            a, b = robust_line([(x, r.kg) for j, (x, r) in enumerate(entries) if j != i])
            off = row.kg / (a + b * length) - 1
            if abs(off) > BOLT_OUTLIER:
                row.dropped = '%+.0f %% off the line through its other lengths' % (100 * off)
        kept = [(x, r.kg) for x, r in entries if not r.dropped]
        near = [p for p in kept if abs(p[0] - REFERENCE_LENGTH) <= NEAR_100]
        if len(near) < MIN_LENGTHS:
            near = sorted(kept, key=lambda p: abs(p[0] - REFERENCE_LENGTH))[:MIN_LENGTHS]
        lengths = [x for x, _ in near]
        if len(near) < MIN_LENGTHS or max(lengths) - min(lengths) < MIN_SPAN:
            report.append('M%g: %d lengths kept, too few or too close; not used' % (d, len(kept)))
            continue
        a, b = robust_line(near)
        note = 'line through %d lengths %g-%g mm' % (len(near), min(lengths), max(lengths))
        if max(lengths) < REFERENCE_LENGTH:
            note += ', extended to 100 mm'
        result[d] = Reference(a + b * REFERENCE_LENGTH, note, len(near))
    return result


def piece_references(rows, former_by_d):
    """{d: Reference} per piece, from the rows of one standard; former_by_d holds the former
    figure of each of the type's sizes by diameter."""
    by_size = {}
    for row in rows:
        by_size.setdefault(row.d, []).append(row)
    tested = [row for d in sorted(by_size) if d in former_by_d for row in by_size[d]]
    for row in tested:
        others = [r.kg / former_by_d[r.d] for r in tested if r.d != row.d]
        if not others:
            continue
        off = row.kg / (former_by_d[row.d] * statistics.median(others)) - 1
        if abs(off) > PIECE_OUTLIER:
            row.dropped = '%+.0f %% off the former figure scaled to the other sizes' % (100 * off)
    result = {}
    for d, size_rows in sorted(by_size.items()):
        kept = [r.kg for r in size_rows if not r.dropped]
        if kept:
            result[d] = Reference(statistics.median(kept), '', len(kept))
    return result


# ---- Deriving ----------------------------------------------------------------------------------

@dataclasses.dataclass
class SourceResult:
    file: str
    standard: str
    rows: list
    references: dict
    notes: list = dataclasses.field(default_factory=list)
    median_ratio: float = None


@dataclasses.dataclass
class TypeResult:
    mapping: Mapping
    sources: list
    chosen: SourceResult
    sizes: list            # [(size text, d, coarse, former kg, Reference or None, new kg)]


def significant(value, digits=4):
    return float('%.*g' % (digits, value)) if value else 0.0


def derive(mapping, catalogue, former):
    def size_of(text):
        d, coarse = parse_size(text)
        return d, coarse or mapping.fine

    sizes = former[mapping.type]
    sources = []
    for file, standard in mapping.sources:
        # Copies: a row dropped for one type's sizes may stand for another's.
        rows = [dataclasses.replace(r) for r in catalogue
                if r.file == file and r.standard == standard]
        assert rows, (file, standard)
        usable = [r for r in rows if not r.dropped]
        source = SourceResult(file, standard, rows, {})
        if mapping.family == 'bolt':
            source.references = bolt_references(usable, source.notes)
        else:
            # A different product has a shape of its own: its rows are compared as they stand.
            former_by_d = {d: kg for text, kg in sizes
                           for d, coarse in [size_of(text)] if coarse and kg
                           and mapping.use != 'other'}
            source.references = piece_references(usable, former_by_d)
        ratios = [source.references[d].kg / kg for text, kg in sizes
                  for d, coarse in [size_of(text)] if coarse and kg and d in source.references]
        source.median_ratio = statistics.median(ratios) if ratios else None
        sources.append(source)
    usable_sources = [s for s in sources if s.median_ratio]
    chosen = min(usable_sources, key=lambda s: abs(math.log(s.median_ratio)))

    matched = {}
    for text, kg in sizes:
        d, coarse = size_of(text)
        if coarse and kg and d in chosen.references:
            matched[d] = chosen.references[d].kg / kg
    points = sorted(matched.items())

    def ratio_at(d):
        if d <= points[0][0]:
            return points[0][1]
        if d >= points[-1][0]:
            return points[-1][1]
        for (d1, r1), (d2, r2) in zip(points, points[1:]):
            if d1 <= d <= d2:
                return r1 + (r2 - r1) * (d - d1) / (d2 - d1)
        raise AssertionError(d)

    result = []
    for text, kg in sizes:
        d, coarse = size_of(text)
        reference = chosen.references.get(d) if coarse and kg else None
        solid = nominal_kg(mapping.type, d)
        if mapping.use != 'match':
            new, source = kg, 'former figure' if solid is None else 'nominal geometry'
        elif solid is not None:
            # A washer: the catalogue stands in only where it is the standard's own product.
            off = reference.kg / solid - 1 if reference else None
            if reference and abs(off) <= GEOMETRY_TOLERANCE:
                new, source = significant(reference.kg), 'catalogue (%+.1f %% off the nominal ' \
                    'geometry)' % (100 * off)
            else:
                new = significant(solid)
                source = 'nominal geometry (%s)' % (
                    'catalogue %+.1f %% off it' % (100 * off) if reference
                    else 'not in the catalogue')
                reference = None if reference is None else dataclasses.replace(
                    reference, used=False)
        elif reference:
            new, source = significant(reference.kg), 'catalogue'
        else:
            new, source = significant(kg * ratio_at(d)), 'former figure scaled to the catalogue'
        result.append((text, d, coarse, kg, reference, new, source))
    return TypeResult(mapping, sources, chosen, result)


def errors(result, column):
    """(mean, max by magnitude) of figure / catalogue - 1 over the matched sizes."""
    values = [(size[column] / size[4].kg - 1) for size in result.sizes if size[4]]
    if not values:
        return None, None
    return statistics.mean(values), max(values, key=abs)


# ---- Writing -----------------------------------------------------------------------------------

def cpp_number(value):
    """Plain decimal digits, as the hand-written rows have them: 3.97e-05 -> 0.0000397."""
    return '0' if value == 0 else format(decimal.Decimal('%.4g' % value), 'f')


def wrap(values, indent='    ', width=100):
    lines, line = [], indent
    for text in values:
        piece = text + ', '
        if len(line) + len(piece.rstrip()) > width:
            lines.append(line.rstrip())
            line = indent
        line += piece
    lines.append(line.rstrip().rstrip(','))
    return lines


def table_text(results, text):
    """The table file's text with the generated rows put in place."""
    for result in results:
        t = result.mapping.type
        pattern = re.compile(r'// type %d,[^\n]*\n(?://[^\n]*\n)?'
                             r'const double kCoef%d\[\] = \{.*?\};' % (t, t), re.S)
        assert len(pattern.findall(text)) == 1, 'type %d row not found once' % t
        measure = 'at 100 mm' if result.mapping.family == 'bolt' else 'per piece'
        if t in NOMINAL:
            head = '// type %d, solid of the %s nominal dimensions, or catalogue masses where ' \
                'they agree,' % (t, NOMINAL[t][0])
        else:
            head = '// type %d, catalogue masses %s, "%s",' % (t, measure, result.chosen.standard)
        lines = [head, '// generated by %s, do not edit by hand' % SCRIPT_NAME,
                 'const double kCoef%d[] = {' % t]
        lines += wrap(cpp_number(size[5]) for size in result.sizes)
        lines.append('};')
        text = pattern.sub(lambda _: '\n'.join(lines), text)
    return text


def test_figures_text(results):
    lines = ['// Catalogue masses the catalogue-backed fastener coefficients are matched to, kg',
             '// for steel: a bolt\'s at 100 mm of length, a nut\'s or washer\'s per piece.',
             '// Generated by %s from the reference catalogues;' % SCRIPT_NAME,
             '// do not edit by hand.',
             '#pragma once', '', 'namespace mw {', '',
             'struct CatalogueFigure {', '    int type;', '    const char* size;', '    double kg;',
             '};', '', 'const CatalogueFigure kCatalogueFigures[] = {']
    for result in results:
        for text, _, _, _, reference, _, _ in result.sizes:
            if reference and reference.used:
                lines.append('    {%2d, %-14s %.5g},' % (result.mapping.type, '"%s",' % text,
                                                           reference.kg))
    lines += ['};', '', '}  // namespace mw', '']
    return '\n'.join(lines)


def table_rows(text):
    """{type: [coefficients]} of the kCoefN rows of the table file (single types only)."""
    rows = {}
    for m in re.finditer(r'const double kCoef(\d+)\[\] = \{(.*?)\};', text, re.S):
        rows[int(m.group(1))] = [float(v) for v in m.group(2).replace('\n', ' ').split(',')]
    return rows


def check_geometry(text, former):
    """Every washer figure of a type with a nominal table against that table's solid."""
    failures = []
    rows = table_rows(text)
    for t in sorted(NOMINAL):
        sizes = former[t]
        assert len(rows[t]) == len(sizes), t
        for (size, _), kg in zip(sizes, rows[t]):
            d, _ = parse_size(size)
            solid = nominal_kg(t, d)
            if solid is None:
                failures.append('type %d %s: no nominal dimensions' % (t, size))
            elif abs(kg / solid - 1) > GEOMETRY_TOLERANCE:
                failures.append('type %d %s: %g is %+.1f %% off the %s solid %.4g' % (
                    t, size, kg, 100 * (kg / solid - 1), NOMINAL[t][0], solid))
    return failures


def percent(value):
    return '—' if value is None else '%+.1f %%' % (100 * value)


def report_text(results):
    doc = __doc__.split('Method', 1)[1]
    out = ['# Fastener coefficients matched to catalogue masses', '',
           'Written by `%s` (run it with the reference folder as its argument); do not edit by '
           'hand.' % SCRIPT_NAME, '', '## Method', '', '```', doc.strip('\n'), '```', '',
           '## Summary', '',
           'Error = figure / catalogue − 1 over the matched sizes, bolts at 100 mm; "before" is '
           'the former figure, "after" the figure now in the table.', '',
           '| type | item | use | catalogue | matched sizes | before mean | before max | '
           'after mean | after max |', '|---|---|---|---|---|---|---|---|---|']
    for r in results:
        matched = sum(1 for s in r.sizes if s[4])
        bm, bx = errors(r, 3)
        am, ax = errors(r, 5)
        out.append('| %d | %s | %s | %s | %d of %d | %s | %s | %s | %s |' % (
            r.mapping.type, r.mapping.name, r.mapping.use, r.chosen.standard, matched,
            len(r.sizes), percent(bm), percent(bx), percent(am), percent(ax)))
    out += ['', '"match": the figures now come from the catalogue. "given": given rows, kept as '
            'they are. "other": the catalogue standard is a different product (reason below); the '
            'former figures stay. Every type not listed keeps its solid-geometry figures.', '']
    for r in results:
        m = r.mapping
        out += ['## Type %d, %s (%s)' % (m.type, m.name, m.use), '', m.why + '.', '']
        for s in r.sources:
            kept = sum(1 for row in s.rows if not row.dropped)
            if r.mapping.use != 'match':
                mark = 'compared'
            else:
                mark = 'used' if s is r.chosen else 'not used'
            out.append('- %s, "%s": %d rows, %d kept; median ratio to the former figures %s; %s.'
                       % (s.file, s.standard, len(s.rows), kept,
                          '—' if s.median_ratio is None else '%.3f' % s.median_ratio, mark))
            for note in s.notes:
                out.append('  - %s' % note)
            for row in s.rows:
                if row.dropped:
                    out.append('  - dropped: size %s, length %s: %s' % (
                        row.size, row.length or '—', row.dropped))
        out += ['', '| size | catalogue kg | how | before kg | error | after kg | error | '
                'source of the figure |', '|---|---|---|---|---|---|---|---|']
        for text, d, _, kg, reference, new, source in r.sizes:
            if reference is None and m.type in NOMINAL and m.use == 'match':
                # compared only: show the catalogue figure the geometry overruled
                reference = r.chosen.references.get(d)
            if reference:
                out.append('| %s | %.5g | %s | %.4g | %s | %.4g | %s | %s |' % (
                    text, reference.kg, reference.note or '%d row(s)' % reference.rows, kg,
                    percent(kg / reference.kg - 1), new, percent(new / reference.kg - 1), source))
            else:
                out.append('| %s | — | not in the catalogue | %.4g | — | %.4g | — | %s |'
                           % (text, kg, new, source))
        out.append('')
    out += ['## Nominal dimensions of the washer standards', '',
            'Every figure of these types lies within %d %% of the solid of its own standard\'s '
            'nominal dimensions (the script\'s NOMINAL tables; `--check` tests the table file '
            'against them).' % round(100 * GEOMETRY_TOLERANCE), '']
    for t in sorted(NOMINAL):
        standard, table, _ = NOMINAL[t]
        out.append('- type %d, %s: %s' % (t, standard, '; '.join(
            '%g: %s' % (d, '/'.join('%g' % v for v in dims)) for d, dims in sorted(table.items()))))
    out.append('')
    return '\n'.join(out)


def main(argv):
    check = '--check' in argv
    argv = [a for a in argv if a != '--check']
    if len(argv) > 2 or (len(argv) < 2 and not check) or (len(argv) == 2
                                                          and not os.path.isdir(argv[1])):
        sys.exit(__doc__.split('\n\n')[1])
    former = read_former()
    with open(TABLE_FILE, encoding='utf-8') as f:
        table = f.read()
    outputs = {}
    if len(argv) == 2:
        catalogue = read_catalogues(argv[1])
        results = [derive(m, catalogue, former) for m in MAPPINGS]
        matched = [r for r in results if r.mapping.use == 'match']
        outputs = {TABLE_FILE: table_text(matched, table), TEST_FILE: test_figures_text(matched),
                   REPORT_FILE: report_text(results)}
    if check:
        # Every washer figure is its standard's solid within the tolerance, and, given the
        # reference folder, the committed files are what the script makes.
        failures = check_geometry(table, former)
        for path, text in outputs.items():
            with open(path, encoding='utf-8') as f:
                committed = f.read()
                if path == REPORT_FILE:
                    committed = report_head(committed)
                if committed != text:
                    failures.append('%s differs from what the script makes'
                                    % os.path.relpath(path, ROOT))
        for line in failures:
            print('FAIL', line)
        print('%d failure(s)' % len(failures))
        sys.exit(1 if failures else 0)
    for path, text in outputs.items():
        if path == REPORT_FILE:
            write_report(path, text)
            continue
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)
    for r in results:
        am, ax = errors(r, 5)
        print('type %2d %-6s %-32s after mean %s max %s' % (
            r.mapping.type, r.mapping.use, r.chosen.standard, percent(am), percent(ax)))


if __name__ == '__main__':
    main(sys.argv)
