"""Reading the reference catalogues and the former figures, and the sizes written in them
(derive_coefficients.py, step 1 of its method)."""
import csv
import dataclasses
import math
import os
import re

from catalogue_pairs import PER_1000, PER_PIECE

HERE = os.path.dirname(os.path.abspath(__file__))
FORMER_FILE = os.path.join(HERE, 'former_figures.csv')

# Coarse pitch by nominal diameter: a size written with another pitch is a fine-pitch size,
# which no catalogue here lists.
COARSE_PITCH = {1.6: 0.35, 2: 0.4, 2.5: 0.45, 3: 0.5, 4: 0.7, 5: 0.8, 6: 1.0, 8: 1.25, 10: 1.5,
                12: 1.75, 14: 2.0, 16: 2.0, 18: 2.5, 20: 2.5, 22: 2.5, 24: 3.0, 27: 3.0, 30: 3.5,
                33: 3.5, 36: 4.0, 39: 4.0, 42: 4.5, 45: 4.5, 48: 5.0, 56: 5.5, 64: 6.0}


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
