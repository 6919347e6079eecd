#!/usr/bin/env python3
"""Checks the bearing list's lines as they stand, without the reference data.

Used by `gen_bearing_tables.py --check`. Every rule here is one the generator applies; this reads
only the finished lines, so a hand edit or a generator fault that breaks a rule shows up:
- the dimension plans: one outside diameter per diameter series and bore, one width per radial
  dimension series and bore (the width is B, the angle ring of NH bearings not counted), and a
  tapered roller bearing's overall width T above the inner ring width B of its dimension series;
- every weight at most the mass of a solid steel ring of the line's d, D and width;
- within a series, a larger bearing never weighs less than a smaller one, and no weight's ratio
  to its ring lies further than a factor TREND off the ratio of its neighbours.
"""
import math
import re

from bearing_rules import BOUND, PLANS, TAPERED_INNER, TREND, envelope_kg

SUFFIXES = ('AC', 'C', 'B', 'K')


def parse(lines):
    """[(kind, new code, series key, d, D, width, kg or None)] of the bearing lines."""
    out = []
    kind = 0
    for line in lines:
        if '轴承(' in line:
            kind += 1
            continue
        fields = line.split()
        new, dims, weight = fields[0], fields[2], fields[3]
        d, D, width = (float(v) for v in dims.split('×'))
        body, suffix = new, ''
        for s in SUFFIXES:
            if body.endswith(s) and kind in (4, 7):
                body, suffix = body[:-len(s)], s
                break
        if '/' in body:
            prefix = body.split('/')[0]
        elif d < 10 or not re.search(r'\d\d$', body):
            prefix = body[:-1]
        else:
            prefix = body[:-2]
        kg = None if weight.startswith('-') else float(weight)
        out.append((kind, new, (kind, prefix, suffix), d, D, width, kg))
    return out


def check_lines(lines):
    failures = []
    bearings = parse(lines)
    seen = set()
    unique = []
    for b in bearings:
        if b[1] not in seen:
            seen.add(b[1])
            unique.append(b)

    # Dimension plans. Double-direction thrust lines show the shaft washer's bore: they are
    # grouped by the bore of their code.
    def nominal(b):
        code = b[1].rstrip('ACBK') if b[0] in (4, 7) else b[1]
        if b[0] == 9 and b[2][1] in ('522', '523'):
            return int(code[-2:]) * 5 if code[-2:].isdigit() else b[3]
        return b[3]

    groups_d, groups_b = {}, {}
    for b in unique:
        plan = PLANS.get(b[2][1])
        if plan is None or b[0] in (6, 10, 12):
            continue
        groups_d.setdefault((plan[0], plan[1], nominal(b)), []).append(b)
        if plan[2] is not None:
            groups_b.setdefault((plan[0], plan[1], plan[2], nominal(b)), []).append(b)
    for groups, index, what in ((groups_d, 4, 'outside diameter'), (groups_b, 5, 'width')):
        for key, group in groups.items():
            values = {b[index] for b in group}
            if len(values) > 1:
                failures.append('%s differs within its series at bore %g: %s' % (
                    what, key[-1], ', '.join('%s %g' % (b[1], b[index]) for b in group)))
    for b in unique:
        if b[0] == 5 and b[2][1] in TAPERED_INNER:
            inner = groups_b.get(TAPERED_INNER[b[2][1]] + (b[3],))
            if inner and b[5] <= inner[0][5]:
                failures.append('%s: width %g is not above the inner ring width %g of %s' % (
                    b[1], b[5], inner[0][5], inner[0][1]))

    # Weights.
    series = {}
    for b in unique:
        if b[6] is None:
            continue
        ring = envelope_kg(b[3], b[4], b[5])
        if b[6] > BOUND * ring * 1.0005:   # the weight's last digit is rounded
            failures.append('%s: %g kg is more than a solid steel ring of %gx%gx%g (%.4g kg)'
                            % (b[1], b[6], b[3], b[4], b[5], ring))
        series.setdefault(b[2], []).append((b, ring))
    for key, members in series.items():
        members.sort(key=lambda m: (m[0][3], m[1]))
        for (a, ra), (b, rb) in zip(members, members[1:]):
            if rb > ra and b[6] < a[6]:
                failures.append('%s %g kg weighs less than the smaller %s %g kg'
                                % (b[1], b[6], a[1], a[6]))
        ratios = [m[0][6] / m[1] for m in members]
        for n, (b, ring) in enumerate(members):
            near = sorted(ratios[max(0, n - 2):n] + ratios[n + 1:n + 3])
            if len(near) < 2:
                continue
            local = (near[(len(near) - 1) // 2] + near[len(near) // 2]) / 2
            # the rounding of small weights (0.0008) allows a little more
            slack = 0.5 * 10 ** math.floor(math.log10(b[6]) - 3) / b[6]
            if abs(math.log(ratios[n] / local)) > math.log(TREND) + slack:
                failures.append('%s: %g kg is %.2g times what its neighbours\' ratio gives'
                                % (b[1], b[6], ratios[n] / local))
    return failures
