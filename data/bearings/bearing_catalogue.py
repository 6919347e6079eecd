"""Reading the reference folder: the catalogue's rows by bearing number, and the analog list of
old numbers and ISO codes (README.md, step 2)."""
import csv


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


def read_analogs(path):
    """ISO code -> [(old number, width)] of the analog list."""
    out = {}
    with open(path, newline='', encoding='utf-8') as f:
        for r in csv.DictReader(f):
            out.setdefault(r['iso_code'].strip(), []).append((r['gost_code'].strip(),
                                                              r['width_mm'].strip()))
    return out
