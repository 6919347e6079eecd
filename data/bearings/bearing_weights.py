"""The lines' weights: every mass checked for plausibility, and what a line shows where its mass
is missing or fails (README.md, step 6)."""
import math

from bearing_rules import BOUND, TREND, TRUST, envelope_kg
from line_layout import fmt_weight


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
