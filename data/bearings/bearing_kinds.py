"""The twelve kinds of the list: their series, how both numberings make a series' codes, the
spans of bores and the published lines (README.md, steps 1, 4 and 5, and its table of codes)."""

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
