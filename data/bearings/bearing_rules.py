"""The rules every bearing line keeps: the dimension plans of the standards and the plausibility
of a mass. Shared by the generator (gen_bearing_tables.py), which applies them to the catalogue
rows, and the check of the finished lines (check_bearing_lines.py)."""
import math


def envelope_kg(d, D, B):
    """Steel mass of the bearing's envelope ring: the yardstick for checking catalogue masses."""
    return math.pi / 4 * (D * D - d * d) * B * 7.85e-6


# In the dimension plans of the standards every bearing of one diameter series and bore has one
# outside diameter, and every radial bearing of one dimension series (diameter and width series)
# and bore one width, whatever its type: 6204, 1204, NU204, NJ204, 7204C all are 20×47×14, and
# NH204 (NJ204 with its angle ring) too, the ring not counted. The width column holds B for
# radial bearings, the overall width T for tapered roller bearings and the height H for thrust
# bearings. A catalogue figure that disagrees with the other lines of its group is a slip; the
# group's figure (held by most of its lines, the catalogue's other rows of that size breaking a
# tie) stands in for it.

# new-code prefix -> (radial or thrust, diameter series, width series or None where the width
# is the line's own: tapered T, double-direction thrust heights)
PLANS = {
    '618': ('r', '8', '1'), '619': ('r', '9', '1'), '160': ('r', '0', '0'), '60': ('r', '0', '1'),
    '62': ('r', '2', '0'), '63': ('r', '3', '0'), '64': ('r', '4', '0'),
    '12': ('r', '2', '0'), '13': ('r', '3', '0'), '22': ('r', '2', '2'), '23': ('r', '3', '2'),
    '222': ('r', '2', '2'), '223': ('r', '3', '2'), '230': ('r', '0', '3'), '231': ('r', '1', '3'),
    '232': ('r', '2', '3'), '240': ('r', '0', '4'), '241': ('r', '1', '4'),
    '302': ('r', '2', None), '303': ('r', '3', None), '313': ('r', '3', None),
    '320': ('r', '0', None), '322': ('r', '2', None), '323': ('r', '3', None),
    '330': ('r', '0', None), '332': ('r', '2', None),
    '70': ('r', '0', '1'), '72': ('r', '2', '0'), '73': ('r', '3', '0'),
    'NA49': ('r', '9', None), 'NA48': ('r', '8', None),
    '511': ('t', '1', '1'), '512': ('t', '2', '1'), '513': ('t', '3', '1'), '514': ('t', '4', '1'),
    '522': ('t', '2', None), '523': ('t', '3', None), '811': ('t', '1', '1'), '812': ('t', '2', '1'),
}
for _t in ('NU', 'NJ', 'NUP', 'N', 'NF', 'NH'):
    for _s, _plan in (('10', ('0', '1')), ('2', ('2', '0')), ('22', ('2', '2')), ('3', ('3', '0')),
                      ('23', ('3', '2')), ('4', ('4', '0'))):
        PLANS[_t + _s] = ('r',) + _plan
# NA69 is left out: its lines follow the catalogue's 40741.. rows, whose outside diameters are
# those of diameter series 0 (NA6904 20×42), not 9 (the catalogue's own NA69/22 row is 22×39).

# Tapered roller series -> the radial dimension series of the same diameter and width series:
# its width B is the inner ring's, and the overall width T always exceeds it.
TAPERED_INNER = {'302': ('r', '2', '0'), '303': ('r', '3', '0'), '313': ('r', '3', '0'),
                 '322': ('r', '2', '2'), '323': ('r', '3', '2'), '330': ('r', '0', '3'),
                 '332': ('r', '2', '3')}


# A mass is plausible when
# - it is no heavier than the solid steel ring of the bearing's own d, D and width (BOUND);
# - its ratio to that ring lies within a factor TRUST of the median ratio of its series;
# - its ratio lies within a factor TREND of the median ratio of its nearest neighbours in the
#   series (two below, two above, among the masses that pass the bound);
# - and a larger bearing of the series (larger ring) does not weigh less than a smaller one:
#   where one does, of the two the one further off its neighbours and its series fails.
BOUND = 1.0
TRUST = 1.6
TREND = 1.4
