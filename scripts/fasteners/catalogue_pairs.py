"""Which catalogue standard stands for which type of the calculator, and why: the pairs the
coefficients are matched on (derive_coefficients.py, step 0 of its method)."""
import dataclasses

PER_1000 = 'fasteners_din_weight_per_1000.csv'
PER_PIECE = 'fasteners_gost_din_piece_weight.csv'


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
