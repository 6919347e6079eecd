"""From the catalogue rows to the coefficients: outliers dropped, the reference figure of each
size, the source chosen and the sizes the catalogue lacks scaled (derive_coefficients.py, steps 2
to 6 of its method)."""
import dataclasses
import math
import statistics

from catalogue_pairs import Mapping
from catalogue_rows import number, parse_size
from washer_geometry import GEOMETRY_TOLERANCE, nominal_kg

BOLT_OUTLIER = 0.20       # a bolt row this far off the line through its other lengths is dropped
PIECE_OUTLIER = 0.35      # a nut or washer row this far off the fit of the other sizes is dropped
NEAR_100 = 50.0           # lengths within this of 100 mm carry the bolt's coefficient
MIN_LENGTHS = 5           # a bolt size needs this many lengths, and as many near 100 mm
MIN_SPAN = 10.0           # mm that those lengths must span
REFERENCE_LENGTH = 100.0


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
