"""The lines' sizes: looked up in the catalogue under either code, then held to the dimension
plans of the standards (README.md, steps 2 and 3)."""
from bearing_catalogue import number
from bearing_rules import PLANS, TAPERED_INNER
from line_layout import fmt_dim


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
