#!/usr/bin/env python3
"""Writes tools/BearingTables.cpp, the bearing lookup's 2110 list lines, from the reference data.

Usage: gen_bearing_tables.py REFERENCE_DIR [OUTPUT_FILE] [-v]
       gen_bearing_tables.py --check [REFERENCE_DIR]

-v prints, kind by kind, every figure that is not the catalogue's own and why (REPORT.md beside
this script gets the same notes). --check writes nothing: it checks the committed list's lines
(check_bearing_lines.py) and, given REFERENCE_DIR, that the list and the report are what the
script makes; it exits 1 on any failure.

REFERENCE_DIR holds bearings_gost_number_dims_mass.csv (catalogue rows keyed by the older
numbering) and bearings_gost_iso_analogs_dims_mass.csv (old number <-> ISO code). OUTPUT_FILE
defaults to tools/BearingTables.cpp beside this script's repository.
The method, the code mappings and every estimate are described in README.md beside this script.
Python 3 standard library only; the output depends on nothing but the input file.
"""
import csv
import decimal
import math
import os
import sys
import unicodedata

from bearing_rules import BOUND, PLANS, TAPERED_INNER, TREND, TRUST, envelope_kg

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts'))
from report_changes import report_head, write_report  # noqa: E402

# ---------------------------------------------------------------------------------------------
# Reading the catalogue

class Catalogue:
    """Rows of the catalogue by bearing number: (d, D, B, mass or None), first row with a mass."""

    def __init__(self, path):
        self.rows = {}
        self.sizes = {}   # number -> the distinct sizes listed under it
        self.all_rows = []   # (d, D, width) of every row, as numbers where they are
        with open(path, newline='', encoding='utf-8') as f:
            for r in csv.DictReader(f):
                code = r['gost_number'].strip()
                row = (r['d_mm'].strip(), r['D_mm'].strip(), r['B_mm'].strip(), r['mass_kg'].strip())
                try:
                    self.all_rows.append(tuple(number(v) for v in row[:3]))
                except ValueError:
                    pass
                self.sizes.setdefault(code, set()).add(row[:3])
                old = self.rows.get(code)
                if old is None or (not old[3] and row[3]):
                    self.rows[code] = row

    def ambiguous(self, code):
        """True when the catalogue lists different sizes under one number."""
        return len({tuple(number(v) for v in size) for size in self.sizes.get(code, ())}) > 1

    def get(self, code, bore):
        """The row of `code` if its bore is `bore` (codes of other numberings can collide)."""
        row = self.rows.get(code)
        if row is None or bore is None:
            return row
        try:
            if float(row[0]) != bore:
                return None
        except ValueError:
            return None
        return row


def number(text):
    """A catalogue dimension; compound widths ("168/210": inner ring / overall) give the overall."""
    return max(float(part) for part in text.split('/'))


def fmt_dim(value):
    """Millimetres to two decimals at most (half up: 59.625 gives 59.63), no trailing zeros."""
    text = str(decimal.Decimal(repr(value)).quantize(decimal.Decimal('0.01'), decimal.ROUND_HALF_UP))
    return text.rstrip('0').rstrip('.') if '.' in text else text


def fmt_weight(kg):
    """Four significant figures at most, as the printed tables give them."""
    if kg < 0.01:
        return '%.4f' % kg
    if kg < 10:
        return '%.3f' % kg
    if kg < 100:
        return '%.2f' % kg
    return '%.1f' % kg



# ---------------------------------------------------------------------------------------------
# Codes

BORE_CODES = {10: '00', 12: '01', 15: '02', 17: '03'}


def bore_code(d):
    """The two-digit bore code of both numberings, or None where the bore is written out (/22)."""
    if d in BORE_CODES:
        return BORE_CODES[d]
    if 20 <= d <= 480 and d % 5 == 0:
        return '%02d' % (d // 5)
    return None


class Series:
    """One dimension series of one bearing type: how its new and old codes are made.

    new, old: the code prefixes before the bore code; suffix follows the new bore code.
    small_new / small_old: how bores below 10 mm are written (miniature sizes).
    """

    def __init__(self, new, old, bores, suffix='', small_new=None, small_old=None, source=None,
                 same_codes=False, shaft_washer=False):
        self.new, self.old, self.bores, self.suffix = new, old, bores, suffix
        self.small_new, self.small_old = small_new, small_old
        self.source = source if source is not None else old
        self.same_codes = same_codes
        # Double-direction thrust bearings: the bore code names the housing washers' size, the
        # listed bore is the smaller one of the shaft washer.
        self.shaft_washer = shaft_washer

    def new_code(self, d):
        if d < 10:
            return self.small_new(d)
        code = bore_code(d)
        return self.new + (code if code else '/' + str(d)) + self.suffix

    def old_code(self, d):
        if d < 10:
            return self.small_old(d) if self.small_old else None
        code = bore_code(d)
        return self.old + (code if code else '/' + str(d))

    def source_code(self, d):
        """The number the catalogue lists the size under."""
        if d < 10:
            return self.old_code(d)
        code = bore_code(d)
        return self.source + (code if code else '/' + str(d))


def bores(*spans):
    """Bores from spans (first, last) of the standard bore sequence, and single bores."""
    seq = [3, 4, 5, 6, 7, 8, 9, 10, 12, 15, 17] + list(range(20, 110, 5)) + list(range(110, 200, 10)) \
        + list(range(200, 500, 20)) + [500]
    out = []
    for s in spans:
        if isinstance(s, tuple):
            out += [d for d in seq if s[0] <= d <= s[1]]
        else:
            out.append(s)
    return out

# ---------------------------------------------------------------------------------------------
# Line layout: fields start at fixed cells; "×" and Chinese characters take two cells.

def cells(text):
    return sum(2 if unicodedata.east_asian_width(c) in 'WFA' else 1 for c in text)


def pad(text, width):
    return text + ' ' * (width - cells(text))


LINE_CELLS = 37


def layout(kind, new, old, dims, weight):
    """The line's text, or None where a field does not fit its columns."""
    k = kind.number
    old_text = old if old else kind.no_old
    if k <= 2:
        if cells(new) >= 7:
            return None
        head = pad(new, 7) + old_text
    elif k == 3:
        # Old codes of this kind stand right-aligned, ending at cell 12.
        if cells(old_text) > 5 or cells(new) + 1 + cells(old_text) > 12:
            return None
        head = pad(new, 12 - cells(old_text)) + old_text
    else:
        if cells(new) >= 8:
            return None
        head = pad(new, 8) + old_text
    weight_cell = 31 if k <= 3 else 32
    if cells(head) >= 17 or 17 + cells(dims) >= weight_cell:
        return None
    line = pad(pad(head, 17) + dims, weight_cell) + weight
    return pad(line, max(LINE_CELLS, cells(line)))


# ---------------------------------------------------------------------------------------------
# The twelve kinds

class Kind:
    def __init__(self, number, header, count, series, no_old='-----', old_shown=True,
                 no_weight=0, pins=(), last=None, duplicates=(), old_withheld=(), old_from=0):
        self.number, self.header, self.count, self.series = number, header, count, series
        self.no_old, self.old_shown, self.no_weight = no_old, old_shown, no_weight
        self.pins = {p.split()[0]: p for p in pins}
        self.last, self.duplicates, self.old_withheld, self.old_from = last, duplicates, old_withheld, old_from


def nu(types, series_list, ranges):
    """Cylindrical roller series: types (new prefix, old type digits) × series (new, old digit)."""
    out = []
    for tnew, told in types:
        for snew, sold in series_list:
            key = tnew + snew
            if key in ranges:
                out.append(Series(key, told + '2' + sold, bores(*ranges[key])))
    return out


def small_slash(prefix):
    return lambda d: '%s/%d' % (prefix, d)


def small_joined(prefix):
    return lambda d: '%s%d' % (prefix, d)


KINDS = [
    Kind(1, '深沟球轴承(GB/T276-94)', 256, no_old='-------', old_from=10, series=[
        Series('618', '10008', bores((4, 300)), small_new=small_slash('618'), small_old=small_joined('100008')),
        Series('619', '10009', bores((3, 170), (190, 300)),
               small_new=small_slash('619'), small_old=small_joined('100009')),
        Series('160', '70001', bores((12, 280))),
        Series('60', '1', bores((4, 360), 500), small_new=small_joined('60'), small_old=small_joined('1')),
        Series('62', '2', bores((3, 280)), small_new=small_joined('62'), small_old=small_joined('2')),
        Series('63', '3', bores((10, 160), 180)),
        Series('64', '4', bores((17, 90))),
    ], pins=[
        '619/3  -------   3×8×3       0.0008',
        '6204   204       20×47×14    0.103 ',
        '60/500 1/500     500×720×100 117.0 ',
    ]),
    Kind(2, '调心球轴承(GB/T281-94)', 91, no_weight=3, series=[
        Series('12', '12', bores((10, 110))),
        Series('13', '13', bores((10, 110))),
        Series('22', '15', bores((10, 110))),
        Series('23', '16', bores((12, 110))),
    ], pins=[
        '1200   1200      10×30×9     0.035 ',
        '2322   1622      110×240×80  17.60 ',
    ]),
    Kind(3, '圆柱滚子轴承(GB/T283-94)', 815, no_weight=44, series=
        nu([('NU', '3'), ('NJ', '4'), ('NUP', '9'), ('N', ''), ('NF', '1'), ('NH', '6')],
           [('10', '1'), ('2', '2'), ('22', '5'), ('3', '3'), ('23', '6'), ('4', '4')], {
               'NU10': [(20, 400)], 'NU2': [(15, 300)], 'NU22': [(17, 300)], 'NU3': [(15, 300)],
               'NU23': [(20, 300)], 'NU4': [(30, 240)],
               'NJ10': [(30, 140)], 'NJ2': [(15, 300)], 'NJ22': [(17, 300)], 'NJ3': [(15, 300)],
               'NJ23': [(20, 300)], 'NJ4': [(30, 240)],
               'NUP2': [(15, 300)], 'NUP3': [(15, 300)], 'NUP4': [(30, 240)],
               'N10': [(20, 400)], 'N2': [(15, 300)], 'N22': [(20, 300)], 'N3': [(15, 300)],
               'N23': [(20, 300)], 'N4': [(30, 240)],
               'NF2': [(15, 150)], 'NF3': [(15, 150)], 'NF23': [(25, 180)], 'NF4': [(30, 150)],
               'NH2': [20], 'NH23': [(50, 180)], 'NH4': [(30, 150)],
           }), pins=[
        'NU202  32202     15×35×11    ----- ',
        'N260    2260     300×540×85  87.20 ',
    ], last='N260', duplicates=('NU1080', 'NH410')),
    Kind(4, '调心滚子轴承(GB/T288-94)', 292, old_shown=False, no_weight=34, series=[
        Series('222', '35', bores((30, 400))),
        Series('222', '1135', bores((30, 400)), suffix='K'),
        Series('223', '36', bores((40, 400))),
        Series('223', '1136', bores((40, 400)), suffix='K'),
        Series('230', '30031', bores((85, 320))),
        Series('230', '31131', bores((85, 320)), suffix='K'),
        Series('231', '30037', bores((100, 320))),
        Series('231', '31137', bores((100, 320)), suffix='K'),
        Series('232', '30032', bores((90, 320))),
        Series('232', '31132', bores((90, 320)), suffix='K'),
        Series('240', '40031', bores((120, 320))),
        Series('240', '41131', bores((120, 300)), suffix='K'),
        Series('241', '40037', bores((110, 300))),
        Series('241', '41137', bores((110, 300)), suffix='K'),
    ], pins=[
        '22206   -----    30×62×20     0.500',
        '22356K  -----    280×580×175  238.0',
    ], last='22356K'),
    Kind(5, '圆锥滚子轴承(GB/T297-94)', 159, old_shown=False, no_weight=7, series=[
        Series('302', '72', bores((20, 190))),
        Series('303', '73', bores((20, 170))),
        Series('313', '273', bores((30, 70))),
        Series('320', '20071', bores((20, 190))),
        Series('322', '75', bores((20, 190))),
        Series('323', '76', bores((20, 170))),
        Series('330', '30071', bores((25, 95))),
        Series('332', '30072', bores((25, 85))),
    ], pins=[
        '30204   -----    20×47×15.25  0.124',
        '32238   -----    190×340×97   35.70',
    ]),
    Kind(6, '双列圆锥滚子轴承(GB/T299-1995)', 76, no_weight=42, series=[
        Series('3513', '2973', bores(25, 40)),
        Series('3512', '972', bores(60, 90)),
        Series('3522', '975', bores((30, 180))),
        Series('3523', '976', bores(30)),
        Series('3529', '20979', bores((130, 240))),
        Series('3520', '20971', bores(75, (120, 240))),
        Series('', '977', bores(100, (120, 240)), same_codes=True),
        Series('', '978', bores((50, 240)), same_codes=True),
        Series('', '979', bores((95, 240), 230), same_codes=True),
        Series('3521', '20977', bores((110, 240))),
    ], pins=[
        '351305  297305E  25×62×42     -----',
        '352148  2097748  240×400×210  98.10',
    ], old_withheld=('351308',)),
    Kind(7, '角接触球轴承(GB/T292-94)', 108, series=[
        Series('70', '361', bores((15, 90), 100), suffix='C'),
        Series('70', '461', bores((15, 90), 100), suffix='AC'),
        Series('72', '362', bores((15, 95)), suffix='C'),
        Series('72', '462', bores((15, 95)), suffix='AC'),
        Series('72', '662', bores((20, 45)), suffix='B'),
        Series('73', '363', bores((20, 90)), suffix='C'),
        Series('73', '463', bores((20, 90)), suffix='AC'),
    ], pins=[
        '7002C   36102    15×32×9      0.028',
        '7020AC  46120    100×150×24   1.250',
    ]),
    Kind(8, '滚针轴承(GB/T5801-94)', 51, series=[
        Series('NA49', '45449', bores((10, 170)), source='40749'),
        Series('NA69', '45441', bores((17, 85)), source='40741'),
        Series('NA48', '45448', bores((170, 280)), source='40748'),
    ], pins=[
        'NA4900  4544900  10×22×13     0.0243',
        'NA4856  4544856  280×350×69   1.570',
    ]),
    Kind(9, '推力球轴承(GB/T301-1995)', 173, old_from=25, series=[
        Series('511', '81', bores((10, 400))),
        Series('512', '82', bores((10, 400))),
        Series('513', '83', bores((25, 220))),
        Series('514', '84', bores((25, 280))),
        Series('522', '382', bores((20, 180)), shaft_washer=True),
        # 38307's row gives 52307 a height of 14 mm (it is 36): left out.
        Series('523', '383', bores((25, 30), (40, 120)), shaft_washer=True),
    ], pins=[
        '51100   -----    10×24×9      0.019',
        '52240   38240    170×280×109  20.40',
    ], last='52240'),
    Kind(10, '推力调心滚子轴承(GB/T5859-94)', 53, no_weight=53, series=[
        Series('292', '90392', bores((200, 340))),
        Series('293', '90393', bores((85, 340))),
        Series('294', '90394', bores((60, 340))),
    ], pins=[
        '29412   9039412  60×130×42    -----',
        '29468   9039468  340×620×170  -----',
    ]),
    Kind(11, '推力圆柱滚子轴承(GB/T4663-94)', 14, series=[
        Series('811', '91', bores((40, 100))),
        Series('812', '92', bores(120, 130)),
    ], pins=[
        '81108   9108     40×60×13     0.120',
        '81226   9226     130×190×45   4.590',
    ]),
    Kind(12, '推力圆锥滚子轴承(GB/T4663-1994)', 10, no_weight=5, series=[
        Series('994', '90194', bores((130, 190), 260, 320, 380)),
    ], pins=[
        '99426   9019426  130×270×85   28.50',
        '99476   9019476  380×670×175  254.0',
    ]),
]

# ---------------------------------------------------------------------------------------------


def build_kind(cat, kind):
    """The kind's lines before pins and weights: dicts sorted by bore, then by series order."""
    entries = []
    order = 0
    for s in kind.series:
        for nominal in s.bores:
            d = nominal
            order += 1
            new, old = s.new_code(d), s.old_code(d)
            if s.same_codes:
                new = old
            source = s.source_code(d)
            check = None if s.shaft_washer else d
            row = cat.get(source, check) if source else None
            fallback = False
            if row is None:
                # No row under the old number: the new code may be listed as such; whether that
                # row is this bearing, and not one that shares the number, is checked later.
                row = cat.get(new, check)
                fallback = row is not None and source is not None
            if row is not None and s.shaft_washer:
                d = min(float(part) for part in row[0].split('/'))
            if old and cat.ambiguous(source):
                old = None   # the number stands for two sizes in the catalogue: not shown
            e = {'d': d, 'nominal': nominal, 'order': order, 'series': s, 'new': new, 'old': old,
                 'row': row, 'fallback': fallback, 'source': source}
            if row is None:
                if new not in kind.pins:
                    continue   # a size the catalogue lacks is not listed
            else:
                e['D'], e['B'] = number(row[1]), number(row[2])
                e['mass'] = float(row[3]) if row[3] else None
                e['dims'] = '×'.join(fmt_dim(v) for v in (d, e['D'], e['B']))
            entries.append(e)
    entries.sort(key=lambda e: (e['d'], e['order']))
    return entries


# ---------------------------------------------------------------------------------------------
# Boundary dimensions against the dimension plans
#
# Overall widths T of tapered roller bearings, nominal, GB/T 297-2015 (ISO 355:2019), for the
# lines whose catalogue rows do not settle T: the rows of the bearing (its number, the same
# number with the design digit 6 before it, the ISO code's row of the analog list) disagree, or
# every row gives the inner ring's width B. Where a catalogue row gives the figure it is named.
NOMINAL_T = {
    '30213': 24.75,    # 7213, 67213 (the analog row's 27.75 is 30313's)
    '30217': 30.5,     # 67217 (7217 and the analog row give 30.25)
    '30221': 39,       # 67221 (7221 gives B, 36)
    '30306': 20.75,    # 7306, 67306 (the analog row rounds to 21)
    '30310': 29.25,    # 7310, 67310
    '31306': 20.75,    # 27306
    '31307': 22.75,    # 27307
    '32204': 19.25,    # no row gives T (7504: B, 18)
    '32306': 28.75,    # 67606 and the analog row (7606 gives 29)
    '32314': 54,       # 67614 and the analog row (7614 gives 54.5)
    '32326': 98.75,    # no row gives T (7626: B, 93)
    '32328': 107.75,   # no row gives T (7628: B, 102)
    '32330': 114,      # no row gives T (7630: B, 108)
}


def plan_of(e):
    return PLANS.get(e['series'].new)


def tapered_widths(cat, analogs, e):
    """The distinct widths the catalogue gives a tapered bearing: its own row, the row of the
    same number with the design digit 6 before it, the analog list's row of its ISO code."""
    widths = {number(e['row'][2])}
    variant = cat.rows.get('6' + e['source']) if e['source'] else None
    if variant and variant[0] == e['row'][0] and number(variant[1]) == e['D']:
        widths.add(number(variant[2]))
    for row in analogs.get(e['new'], ()):
        if row[0] == e['source']:
            widths.add(number(row[1]))
    return widths


def mend_dimensions(cat, analogs, entries_by_kind, notes):
    """Checks every line's d×D×B against its group and mends slips; drops a line whose row is
    another bearing's. Returns {kind: [notes]} additions through `notes`."""
    listed = [e for k, es in entries_by_kind.items() for e in es if 'D' in e]
    groups_d, groups_b = {}, {}
    for e in listed:
        plan = plan_of(e)
        if plan is None:
            continue
        groups_d.setdefault((plan[0], plan[1], e['nominal']), []).append(e)
        if plan[2] is not None:
            groups_b.setdefault((plan[0], plan[1], plan[2], e['nominal']), []).append(e)

    def consensus(group, field):
        votes = {}
        for e in group:
            votes[e[field]] = votes.get(e[field], 0) + 1
        best = max(votes.values())
        tops = [v for v, n in votes.items() if n == best]
        if len(tops) > 1:
            # A tie: the catalogue's rows of that size vote.
            e = group[0]
            def rows_with(v):
                return sum(1 for r in cat.all_rows if r[0] == e['d'] and
                           (r[1] == v if field == 'D' else r[1] == e['D'] and r[2] == v))
            tops.sort(key=lambda v: -rows_with(v))
            if rows_with(tops[0]) == rows_with(tops[1]):
                return None
        return tops[0]

    mended = []
    for field, groups in (('D', groups_d), ('B', groups_b)):
        for key, group in sorted(groups.items(), key=lambda kv: str(kv[0])):
            if len(group) < 2:
                continue
            value = consensus(group, field)
            assert value is not None, (field, key, [x['new'] for x in group])
            for e in group:
                if e[field] != value:
                    peers = sorted(x['new'] for x in group if x[field] == value)
                    mended.append((e, field, e[field], value,
                                   'the other lines of its %s (%s) give %s' % (
                                       'diameter series' if field == 'D' else 'dimension series',
                                       ', '.join(peers[:4]) + (' …' if len(peers) > 4 else ''),
                                       fmt_dim(value))))
                    e[field] = value
    for e in listed:
        prefix = e['series'].new
        if prefix not in TAPERED_INNER or e['fallback']:
            continue
        inner = [x['B'] for x in groups_b.get(TAPERED_INNER[prefix] + (e['nominal'],), ())]
        widths = tapered_widths(cat, analogs, e)
        gives_b = inner and max(widths) <= inner[0]
        if len(widths) > 1 or gives_b:
            assert e['new'] in NOMINAL_T, (e['new'], widths, inner)
        if e['new'] in NOMINAL_T:
            value = NOMINAL_T[e['new']]
            why = ('every catalogue row gives the inner ring\'s width B (%s); T from the '
                   'standard\'s plan' % fmt_dim(inner[0]) if gives_b else
                   'the catalogue\'s rows give %s; T from the standard\'s plan'
                   % ', '.join(fmt_dim(w) for w in sorted(widths)))
            if e['B'] != value:
                mended.append((e, 'T', e['B'], value, why))
                e['B'] = value
    for e, field, before, after, why in mended:
        e['dims'] = '×'.join(fmt_dim(v) for v in (e['d'], e['D'], e['B']))
        e.setdefault('mended', []).append('%s %s → %s: %s' % (
            'D' if field == 'D' else 'width', fmt_dim(before), fmt_dim(after), why))

    # A row found only under the new code must be this bearing: its outside diameter and width
    # those of its group (a tapered width above its inner ring's); else the line is dropped.
    for k, es in entries_by_kind.items():
        keep = []
        for e in es:
            if e.get('fallback') and 'D' in e:
                plan = plan_of(e)
                reasons = []
                if plan is None:
                    reasons.append('no dimension plan to confirm it')
                else:
                    peers_d = [x for x in groups_d.get((plan[0], plan[1], e['nominal']), ())
                               if x is not e and not x.get('fallback')]
                    if not peers_d or any(x['D'] != e['D'] for x in peers_d):
                        reasons.append('outside diameter unconfirmed')
                    if e['series'].new in TAPERED_INNER:
                        inner = [x['B'] for x in groups_b.get(
                            TAPERED_INNER[e['series'].new] + (e['nominal'],), ())]
                        if not inner or e['B'] <= inner[0]:
                            reasons.append('width %s is not above the inner ring\'s %s' % (
                                fmt_dim(e['B']), fmt_dim(inner[0]) if inner else '?'))
                    elif plan[2] is not None:
                        # Its width equals the other lines' of its dimension series, or, where it
                        # has none, lies between the widths of the narrower and the wider width
                        # series of its diameter series.
                        peers_b = [x for x in groups_b.get(plan + (e['nominal'],), ())
                                   if x is not e and not x.get('fallback')]
                        others = [(w, x['B']) for (g, dia, w, bore), xs in groups_b.items()
                                  if (g, dia, bore) == (plan[0], plan[1], e['nominal'])
                                  and w != plan[2] for x in xs if not x.get('fallback')]
                        if peers_b:
                            if any(x['B'] != e['B'] for x in peers_b):
                                reasons.append('width unlike its dimension series\'')
                        elif not others or any((w < plan[2]) != (b < e['B']) for w, b in others):
                            reasons.append('width unconfirmed by its width series')
                if reasons:
                    notes.setdefault(k, []).append(
                        '%s: no catalogue row under its old number %s; the row under %s (%s) is '
                        'another bearing (%s): not listed' % (
                            e['new'], e['source'], e['new'], '×'.join(e['row'][:3]),
                            '; '.join(reasons)))
                    continue
                e.setdefault('mended', []).append(
                    'no row under its old number %s; the row under its new code agrees with '
                    'its dimension plan' % e['source'])
            keep.append(e)
        es[:] = keep


def ratio(e):
    return e['mass'] / envelope_kg(e['d'], e['D'], e['B'])


def weight_of(text):
    """The kg of a line's weight field, or None for "-----"."""
    text = text.strip()
    return None if text.startswith('-') else float(text)


def judge_masses(entries):
    """Sets e['fails'] (a reason, or None) for every entry with a mass."""
    by_series = {}
    for e in entries:
        if e.get('mass') and 'D' in e:
            e['ratio'] = ratio(e)
            e['fails'] = None
            by_series.setdefault(id(e['series']), []).append(e)
    for series in by_series.values():
        rs = sorted(x['ratio'] for x in series)
        median = rs[len(rs) // 2]
        for e in series:
            e['deviation'] = abs(math.log(e['ratio'] / median))
            if e['ratio'] > BOUND:
                e['fails'] = 'heavier than a solid steel ring of %s (%.3g kg)' % (
                    e['dims'], envelope_kg(e['d'], e['D'], e['B']))
            elif e['deviation'] > math.log(TRUST):
                e['fails'] = '%.2g times the mass its series\' ratio gives' % (e['ratio'] / median)
        bounded = [x for x in series if x['fails'] is None]
        for n, e in enumerate(bounded):
            near = bounded[max(0, n - 2):n] + bounded[n + 1:n + 3]
            if len(near) < 2:
                continue
            rs = sorted(x['ratio'] for x in near)
            local = (rs[(len(rs) - 1) // 2] + rs[len(rs) // 2]) / 2
            e['trend'] = abs(math.log(e['ratio'] / local))
            if e['fails'] is None and e['trend'] > math.log(TREND):
                e['fails'] = '%.2g times the mass its neighbours\' ratio gives' % (
                    e['ratio'] / local)
        while True:
            kept = [x for x in series if x['fails'] is None]
            falls = [(a, b) for a, b in zip(kept, kept[1:])
                     if b['mass'] < a['mass'] and envelope_kg(b['d'], b['D'], b['B'])
                     > envelope_kg(a['d'], a['D'], a['B'])]
            if not falls:
                break
            a, b = falls[0]
            # Of the two, the one further off the ratio of the sizes around the pair and the
            # median ratio of its series (the two deviations added) fails.
            n = kept.index(a)
            around = sorted(x['ratio'] for x in kept[max(0, n - 3):n] + kept[n + 2:n + 5])
            local = ((around[(len(around) - 1) // 2] + around[len(around) // 2]) / 2
                     if around else (a['ratio'] * b['ratio']) ** 0.5)
            worse = max((a, b), key=lambda x: abs(math.log(x['ratio'] / local)) + x['deviation'])
            other = b if worse is a else a
            worse['fails'] = '%s %s (%g kg)' % (
                'weighs more than the larger' if worse is a else 'weighs less than the smaller',
                other['new'], other['mass'])


def judge_weights(kind, entries, notes):
    """Decides each line's weight text: catalogue, "-----", or estimated from neighbours."""
    for e in entries:
        if e['new'] in kind.pins:
            # A published line's weight is checked like any other.
            e['published'] = weight_of(kind.pins[e['new']].split()[-1])
            e['catalogue_mass'] = e.get('mass')
            e['mass'] = e['published']
    judge_masses(entries)
    for e in entries:
        e['trusted'] = bool(e.get('mass')) and 'D' in e and e.get('fails') is None
    if kind.no_weight == kind.count:
        notes.append('the kind is listed without weights')
        for e in entries:
            e['weight'] = '-----'
        return
    for e in entries:
        if e['new'] in kind.pins and e.get('mass') and not e['trusted']:
            # A published weight no bearing can have: the catalogue's own figure where it
            # passes, else the estimate.
            e['published_fails'] = e['fails']
            e['mass'] = e['catalogue_mass']
            judge_masses([x for x in entries if x['series'] is e['series']])
            if e['mass'] and e.get('fails') is None:
                e['weight'] = fmt_weight(e['mass'])
                how = 'the catalogue\'s figure'
            else:
                e['weight'] = estimate(e, entries)
                e['estimated'] = True
                how = 'estimated from neighbours'
            notes.append('%s: published weight %s: %s; shown as %s (%s)' % (
                e['new'], fmt_weight(e['published']), e['published_fails'], e['weight'], how))
            e['mended_published'] = True
    if any(e.get('mended_published') for e in entries):
        judge_masses(entries)
        for e in entries:
            e['trusted'] = bool(e.get('mass')) and 'D' in e and e.get('fails') is None
    gaps = [e for e in entries if 'D' in e and not e['trusted'] and e['new'] not in kind.pins]
    blank_left = kind.no_weight - sum(1 for p in kind.pins.values() if p.rstrip().endswith('-----'))
    # Missing masses first, then failing ones (furthest off first), each in list order.
    gaps.sort(key=lambda e: (e.get('mass') is not None, entries.index(e)))
    for e in gaps:
        if blank_left > 0:
            e['weight'] = '-----'
            blank_left -= 1
            notes.append('%s: %s' % (e['new'], 'no mass in the source' if e.get('mass') is None
                                     else 'source mass %g: %s; shown as -----'
                                     % (e['mass'], e['fails'])))
        else:
            e['weight'] = estimate(e, entries)
            e['estimated'] = True
            notes.append('%s: weight %s estimated from neighbours (source %s%s)'
                         % (e['new'], e['weight'], e.get('mass'),
                            ': ' + e['fails'] if e.get('fails') else ''))
    if blank_left > 0:
        # The kind shows more lines without weight than the source lacks: the least plausible
        # catalogue masses give way.
        rest = [e for e in entries if 'D' in e and e['trusted'] and e['new'] not in kind.pins]
        rest.sort(key=lambda e: -e['deviation'])
        for e in rest[:blank_left]:
            e['weight'] = '-----'
            notes.append('%s: source mass %g, least plausible of its kind, shown as -----'
                         % (e['new'], e['mass']))
    for e in entries:
        if 'weight' not in e and 'D' in e and e['new'] not in kind.pins:
            e['weight'] = fmt_weight(e['mass'])


def estimate(e, entries):
    """Mass from the envelope and the mean ratio of the nearest trusted sizes of the series."""
    same = [x for x in entries if x['series'] is e['series'] and x.get('trusted')
            and x is not e and not x.get('estimated')]
    lower = [x for x in same if x['d'] < e['d']][-1:]
    upper = [x for x in same if x['d'] > e['d']][:1]
    near = lower + upper
    assert near, e['new']
    k = sum(ratio(x) for x in near) / len(near)
    kg = k * envelope_kg(e['d'], e['D'], e['B'])
    if lower and upper and not lower[0]['mass'] <= kg <= upper[0]['mass']:
        # The mean would put the size out of its series' order: the ratio is interpolated in
        # bore instead.
        t = (e['d'] - lower[0]['d']) / (upper[0]['d'] - lower[0]['d'])
        k = ratio(lower[0]) + t * (ratio(upper[0]) - ratio(lower[0]))
        kg = k * envelope_kg(e['d'], e['D'], e['B'])
        # and where even that leaves it out of order, it takes the nearer neighbour's mass
        kg = min(max(kg, lower[0]['mass']), upper[0]['mass'])
    return fmt_weight(kg)


def kind_lines(kind, entries, notes):
    if not kind.old_shown:
        for e in entries:
            e['old'] = None
    for e in entries:
        if e['new'] in kind.old_withheld or e['nominal'] < kind.old_from:
            e['old'] = None
    # A code or size too wide for the columns is not listed.
    wide = [e for e in entries if 'D' in e and e['new'] not in kind.pins
            and layout(kind, e['new'], e['old'], e['dims'], '-----') is None]
    for e in wide:
        notes.append('%s (%s): too wide for its columns, not listed' % (e['new'], e['dims']))
    entries[:] = [e for e in entries if e not in wide]
    judge_weights(kind, entries, notes)
    lines = []
    last = None
    kind.shown_pins = dict(kind.pins)
    for e in entries:
        if e['new'] in kind.pins:
            text = kind.pins[e['new']]
            if e.get('mended_published'):
                head = text.rstrip()[:-len(text.split()[-1])]
                text = pad(head + e['weight'], max(LINE_CELLS, cells(head + e['weight'])))
        else:
            text = layout(kind, e['new'], e['old'], e['dims'], e['weight'])
        e['text'] = text
        if e['new'] in kind.pins:
            kind.shown_pins[e['new']] = text
        for m in e.get('mended', ()):
            notes.append('%s: %s' % (e['new'], m))
        if e['new'] == kind.last:
            last = text
            continue
        lines.append(text)
        if e['new'] in kind.duplicates:
            lines.append(text)
    if kind.last:
        lines.append(last or kind.pins[kind.last])
    return lines


def bore_of(line):
    return float(line[17:].split('×')[0])


def check(kind, lines):
    """The published facts about the kind's lines, checked before anything is written."""
    assert len(lines) == kind.count, (kind.number, len(lines))
    # The published first and last lines, their weights mended where they fail the checks.
    first, last = [p for p in kind.shown_pins.values()][0], [p for p in kind.shown_pins.values()][-1]
    assert lines[0] == first and lines[-1] == last, kind.number
    no_old = sum(1 for l in lines if l[6:17].strip() in ('-----', '-------'))
    no_weight = sum(1 for l in lines if l.rstrip().endswith('-----'))
    assert no_weight == kind.no_weight, (kind.number, no_weight)
    falls = [i for i in range(1, len(lines)) if bore_of(lines[i]) < bore_of(lines[i - 1])]
    assert falls == ([len(lines) - 1] if kind.last else []), (kind.number, falls)
    for l in lines:
        assert cells(l) == LINE_CELLS or (kind.number == 8 and l == first), l
    return no_old


NO_OLD = {1: 26, 3: 2, 4: 292, 5: 159, 6: 1, 9: 11}


def cpp(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def read_analogs(path):
    """ISO code -> [(old number, width)] of the analog list."""
    out = {}
    with open(path, newline='', encoding='utf-8') as f:
        for r in csv.DictReader(f):
            out.setdefault(r['iso_code'].strip(), []).append((r['gost_code'].strip(),
                                                              r['width_mm'].strip()))
    return out


def generate(ref):
    """(the list's lines, {kind number: notes}, {kind number: entries})."""
    cat = Catalogue(os.path.join(ref, 'bearings_gost_number_dims_mass.csv'))
    analogs = read_analogs(os.path.join(ref, 'bearings_gost_iso_analogs_dims_mass.csv'))
    entries = {kind.number: build_kind(cat, kind) for kind in KINDS}
    notes = {}
    mend_dimensions(cat, analogs, entries, notes)
    all_lines = []
    for kind in KINDS:
        kind_notes = notes.setdefault(kind.number, [])
        lines = kind_lines(kind, entries[kind.number], kind_notes)
        assert check(kind, lines) == NO_OLD.get(kind.number, 0), kind.number
        all_lines.append(kind.header)
        all_lines += lines
    assert len(all_lines) == 2110
    headers = [i for i, l in enumerate(all_lines) if '轴承(' in l]
    assert headers == [0, 257, 349, 1165, 1458, 1618, 1695, 1804, 1856, 2030, 2084, 2099], headers
    assert all_lines[55] == '6204   204       20×47×14    0.103 '
    assert all_lines[1706].startswith('7204C ')
    return all_lines, notes, entries


def cpp_text(all_lines):
    out = ['// The bearing lookup\'s list: twelve header lines, each followed by its kind\'s bearing lines',
           '// (new code, old code, d×D×B in mm, kg), fixed-width for a fixed-pitch font.',
           '// Generated by data/bearings/gen_bearing_tables.py from the bearing catalogue described in',
           '// data/bearings/README.md; do not edit by hand.',
           '#include "tools/BearingTables.h"', '', 'namespace mw {', '',
           'const char* const kBearingLines[kBearingLineCount] = {']
    out += ['    %s,' % cpp(l) for l in all_lines]
    out += ['};', '', '}  // namespace mw', '']
    return '\n'.join(out)


def read_cpp_lines(path):
    """The list's lines as the committed table file holds them."""
    lines = []
    with open(path, encoding='utf-8') as f:
        for text in f:
            text = text.strip()
            if text.startswith('"') and text.endswith('",'):
                lines.append(text[1:-2].replace('\\"', '"').replace('\\\\', '\\'))
    return lines


def report_text(notes, entries):
    out = ['# Bearing list: what the generator did line by line', '',
           'Written by `gen_bearing_tables.py REFERENCE_DIR`; do not edit by hand. README.md beside '
           'it gives the method. "Estimated" weights are the envelope ring\'s mass times the '
           'ratio of the nearest plausible sizes of the series (README.md, step 6). The '
           'mass a line\'s catalogue row gives is its "source".', '']
    for kind in KINDS:
        out.append('## %d %s' % (kind.number, kind.header))
        out.append('')
        for n in notes.get(kind.number, []):
            out.append('- ' + n)
        estimated = [e['new'] for e in entries[kind.number] if e.get('estimated')]
        out.append('- estimated weights: %s' % (', '.join(estimated) if estimated else 'none'))
        out.append('')
    return '\n'.join(out)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith('-')]
    check_only = '--check' in sys.argv
    if not args and not check_only:
        raise SystemExit(__doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    out_path = args[1] if len(args) > 1 else os.path.join(root, 'tools', 'BearingTables.cpp')
    report_path = os.path.join(here, 'REPORT.md')
    if check_only:
        sys.dont_write_bytecode = True
        import check_bearing_lines
        failures = check_bearing_lines.check_lines(read_cpp_lines(out_path))
        if args:
            all_lines, notes, entries = generate(args[0])
            with open(out_path, encoding='utf-8') as f:
                if f.read() != cpp_text(all_lines):
                    failures.append('%s differs from what the generator makes'
                                    % os.path.relpath(out_path, root))
            with open(report_path, encoding='utf-8') as f:
                if report_head(f.read()) != report_text(notes, entries):
                    failures.append('REPORT.md differs from what the generator makes')
        for f in failures:
            print('FAIL', f)
        print('%d failure(s)' % len(failures))
        sys.exit(1 if failures else 0)
    all_lines, notes, entries = generate(args[0])
    if '-v' in sys.argv:
        for kind in KINDS:
            print('kind %d' % kind.number)
            for n in notes.get(kind.number, []):
                print('   ', n)
    with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(cpp_text(all_lines))
    write_report(report_path, report_text(notes, entries))


if __name__ == '__main__':
    main()
