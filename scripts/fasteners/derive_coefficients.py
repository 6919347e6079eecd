#!/usr/bin/env python3
"""Matches the fastener calculator's coefficients to catalogue masses.

Usage:  python3 scripts/fasteners/derive_coefficients.py REFERENCE_DIR
        python3 scripts/fasteners/derive_coefficients.py --check [REFERENCE_DIR]

REFERENCE_DIR holds the two catalogue files read here (their sources and licences are in its
README):
  fasteners_din_weight_per_1000.csv   standard, title, size, length, kg per 1000 pieces
  fasteners_gost_din_piece_weight.csv type, standard, size, length, kg per piece

Beside this script, former_figures.csv holds the figures the table carried before it was matched
to catalogues (solid-geometry estimates from nominal dimensions, and the given rows). They are
the "before" of the report, and they carry the shape of a type into the sizes its catalogue lacks.

The script rewrites, from the repository root:
  pages/FastenerTables.cpp                    the coefficient rows of the catalogue-backed types
  tests/pages/FastenerCatalogueFigures.h      the catalogue figures the tests compare them with
  scripts/fasteners/REPORT.md                 rows used, rules applied, errors before and after

Its parts stand beside it: catalogue_pairs.py (the pairs of step 0), catalogue_rows.py (the
reading of step 1), matching.py (steps 2 to 6), washer_geometry.py (the nominal dimensions of
step 6), table_files.py and coefficient_report.py (the files it writes).

Method
  0. Pairs. MAPPINGS below pairs a type with the catalogue standard of the same product: its own
     standard, or one of the same nominal dimensions (the reference README's equivalents, the
     catalogue's own "GOST x, DIN y" cells, common cross-references), each with its reason.
     Where a catalogue standard looks alike but its nominal dimensions differ (a taller nut, a
     thicker washer, another slope), the pair is only compared and the type keeps its figures.
  1. Reading. A row is dropped when its mass is not a number (the catalogues hold "False") or
     when its size cell holds the same text as its mass cell (rows whose size was lost). Masses
     become kg per piece; the size's nominal diameter is the number in the size cell.
  2. Outliers (a few rows are 10x or 1000x off, or sit under the wrong length).
     Bolts: for every row, a robust straight line (repeated median) through the other lengths of
     the same size; the row is dropped when it is more than 20 % off that line. A size needs
     five lengths.
     Nuts and washers have no lengths. A row is tested against a robust fit through the other
     sizes of the same catalogue standard: the former figure of its size, scaled by the median
     catalogue / former ratio of those other sizes; it is dropped when it is more than 35 % off.
     The former figures carry the steps of a series (a washer's thickness, a nut's width) that a
     smooth curve through the sizes would take for errors.
  3. Reference figure. Bolts: the calculator's weight is proportional to length, so the
     coefficient is the mass of one bolt 100 mm long, read at 100 mm off a repeated-median line
     through the kept rows of the size within 50 mm of 100 mm (the five nearest 100 mm where
     fewer are that close; they must span 10 mm). Nuts and washers: the kept mass of the size.
  4. Sources. Where two catalogues give a type's standard, the one whose median ratio to the
     former figures lies nearer 1 is used; the other one is reported.
  5. Coefficients. A size the catalogue gives takes the catalogue figure. A size it lacks (fine
     pitch, sizes beyond the catalogue's range, sizes it dropped) takes its former figure times
     the catalogue / former ratio, interpolated in diameter between the nearest matched sizes
     (the end ratio beyond them). Figures keep four significant digits.
  6. Washers of a standard whose nominal dimensions the script holds (NOMINAL: types 56, 59,
     67, 68 and 69). Every figure must lie within 5 % of the solid of those dimensions. A size
     takes the catalogue figure only where it does (the catalogue's product is the standard's
     own there); every other size, and every size the catalogue lacks, takes the solid itself,
     never a figure scaled from a neighbouring size. The report says, size by size, which.

With --check the script writes nothing: it fails when a washer figure of the table is more
than 5 % off its standard's solid, and, given the reference folder, when the committed table,
test figures or report differ from what it makes.
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..'))
from report_changes import report_head, write_report  # noqa: E402

from catalogue_pairs import MAPPINGS  # noqa: E402
from catalogue_rows import read_catalogues, read_former  # noqa: E402
from coefficient_report import percent, report_text  # noqa: E402
from matching import derive, errors  # noqa: E402
from table_files import check_geometry, table_text, test_figures_text  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TABLE_FILE = os.path.join(ROOT, 'pages', 'FastenerTables.cpp')
TEST_FILE = os.path.join(ROOT, 'tests', 'pages', 'FastenerCatalogueFigures.h')
REPORT_FILE = os.path.join(HERE, 'REPORT.md')


def main(argv):
    check = '--check' in argv
    argv = [a for a in argv if a != '--check']
    if len(argv) > 2 or (len(argv) < 2 and not check) or (len(argv) == 2
                                                          and not os.path.isdir(argv[1])):
        sys.exit(__doc__.split('\n\n')[1])
    former = read_former()
    with open(TABLE_FILE, encoding='utf-8') as f:
        table = f.read()
    outputs = {}
    if len(argv) == 2:
        catalogue = read_catalogues(argv[1])
        results = [derive(m, catalogue, former) for m in MAPPINGS]
        matched = [r for r in results if r.mapping.use == 'match']
        outputs = {TABLE_FILE: table_text(matched, table), TEST_FILE: test_figures_text(matched),
                   REPORT_FILE: report_text(results, __doc__.split('Method', 1)[1])}
    if check:
        # Every washer figure is its standard's solid within the tolerance, and, given the
        # reference folder, the committed files are what the script makes.
        failures = check_geometry(table, former)
        for path, text in outputs.items():
            with open(path, encoding='utf-8') as f:
                committed = f.read()
                if path == REPORT_FILE:
                    committed = report_head(committed)
                if committed != text:
                    failures.append('%s differs from what the script makes'
                                    % os.path.relpath(path, ROOT))
        for line in failures:
            print('FAIL', line)
        print('%d failure(s)' % len(failures))
        sys.exit(1 if failures else 0)
    for path, text in outputs.items():
        if path == REPORT_FILE:
            write_report(path, text)
            continue
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)
    for r in results:
        am, ax = errors(r, 5)
        print('type %2d %-6s %-32s after mean %s max %s' % (
            r.mapping.type, r.mapping.use, r.chosen.standard, percent(am), percent(ax)))


if __name__ == '__main__':
    main(sys.argv)
