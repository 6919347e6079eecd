"""The nominal dimensions of the washer standards and the solid they give: the yardstick every
washer figure of those types is held to (derive_coefficients.py, step 6 of its method)."""
import math

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
