#!/usr/bin/env python3
"""Writes tools/BearingTables.cpp, the bearing lookup's 2110 list lines, from the reference data.

Usage: gen_bearing_tables.py REFERENCE_DIR [OUTPUT_FILE] [-v]
       gen_bearing_tables.py --check [REFERENCE_DIR]

-v prints, kind by kind, every figure that is not the catalogue's own and why (REPORT.md beside
this script gets the same notes). --check writes nothing: it checks the committed list's lines
(check_bearing_lines.py) and, given REFERENCE_DIR, that the list and the report are what the
script makes; it exits 1 on any failure.

REFERENCE_DIR holds bearings_gost_number_dims_mass.csv (catalogue rows keyed by the older
numbering) and bearings_gost_iso_analogs_dims_mass.csv (old number <-> ISO code). OUTPUT_FILE
defaults to tools/BearingTables.cpp beside this script's repository.
The method, the code mappings and every estimate are described in README.md beside this script.
Python 3 standard library only; the output depends on nothing but the input file.

Its parts stand beside it: bearing_catalogue.py reads the reference folder, bearing_kinds.py holds
the kinds and their series, bearing_dimensions.py and bearing_weights.py decide each line's sizes
and weight, line_layout.py lays a line out, bearing_files.py writes the table file and the report.
"""
import os
import sys

sys.dont_write_bytecode = True
from bearing_catalogue import Catalogue, read_analogs  # noqa: E402
from bearing_dimensions import build_kind, mend_dimensions  # noqa: E402
from bearing_files import cpp_text, read_cpp_lines, report_text  # noqa: E402
from bearing_kinds import KINDS  # noqa: E402
from bearing_weights import judge_weights  # noqa: E402
from line_layout import LINE_CELLS, cells, layout, pad  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts'))
from report_changes import report_head, write_report  # noqa: E402


def kind_lines(kind, entries, notes):
    if not kind.old_shown:
        for e in entries:
            e['old'] = None
    for e in entries:
        if e['new'] in kind.old_withheld or e['nominal'] < kind.old_from:
            e['old'] = None
    # A code or size too wide for the columns is not listed.
    wide = [e for e in entries if 'D' in e and e['new'] not in kind.pins
            and layout(kind, e['new'], e['old'], e['dims'], '-----') is None]
    for e in wide:
        notes.append('%s (%s): too wide for its columns, not listed' % (e['new'], e['dims']))
    entries[:] = [e for e in entries if e not in wide]
    judge_weights(kind, entries, notes)
    lines = []
    last = None
    kind.shown_pins = dict(kind.pins)
    for e in entries:
        if e['new'] in kind.pins:
            text = kind.pins[e['new']]
            if e.get('mended_published'):
                head = text.rstrip()[:-len(text.split()[-1])]
                text = pad(head + e['weight'], max(LINE_CELLS, cells(head + e['weight'])))
        else:
            text = layout(kind, e['new'], e['old'], e['dims'], e['weight'])
        e['text'] = text
        if e['new'] in kind.pins:
            kind.shown_pins[e['new']] = text
        for m in e.get('mended', ()):
            notes.append('%s: %s' % (e['new'], m))
        if e['new'] == kind.last:
            last = text
            continue
        lines.append(text)
        if e['new'] in kind.duplicates:
            lines.append(text)
    if kind.last:
        lines.append(last or kind.pins[kind.last])
    return lines


def bore_of(line):
    return float(line[17:].split('×')[0])


def check(kind, lines):
    """The published facts about the kind's lines, checked before anything is written."""
    assert len(lines) == kind.count, (kind.number, len(lines))
    # The published first and last lines, their weights mended where they fail the checks.
    first, last = [p for p in kind.shown_pins.values()][0], [p for p in kind.shown_pins.values()][-1]
    assert lines[0] == first and lines[-1] == last, kind.number
    no_old = sum(1 for l in lines if l[6:17].strip() in ('-----', '-------'))
    no_weight = sum(1 for l in lines if l.rstrip().endswith('-----'))
    assert no_weight == kind.no_weight, (kind.number, no_weight)
    falls = [i for i in range(1, len(lines)) if bore_of(lines[i]) < bore_of(lines[i - 1])]
    assert falls == ([len(lines) - 1] if kind.last else []), (kind.number, falls)
    for l in lines:
        assert cells(l) == LINE_CELLS or (kind.number == 8 and l == first), l
    return no_old


NO_OLD = {1: 26, 3: 2, 4: 292, 5: 159, 6: 1, 9: 11}



def generate(ref):
    """(the list's lines, {kind number: notes}, {kind number: entries})."""
    cat = Catalogue(os.path.join(ref, 'bearings_gost_number_dims_mass.csv'))
    analogs = read_analogs(os.path.join(ref, 'bearings_gost_iso_analogs_dims_mass.csv'))
    entries = {kind.number: build_kind(cat, kind) for kind in KINDS}
    notes = {}
    mend_dimensions(cat, analogs, entries, notes)
    all_lines = []
    for kind in KINDS:
        kind_notes = notes.setdefault(kind.number, [])
        lines = kind_lines(kind, entries[kind.number], kind_notes)
        assert check(kind, lines) == NO_OLD.get(kind.number, 0), kind.number
        all_lines.append(kind.header)
        all_lines += lines
    assert len(all_lines) == 2110
    headers = [i for i, l in enumerate(all_lines) if '轴承(' in l]
    assert headers == [0, 257, 349, 1165, 1458, 1618, 1695, 1804, 1856, 2030, 2084, 2099], headers
    assert all_lines[55] == '6204   204       20×47×14    0.103 '
    assert all_lines[1706].startswith('7204C ')
    return all_lines, notes, entries


def main():
    args = [a for a in sys.argv[1:] if not a.startswith('-')]
    check_only = '--check' in sys.argv
    if not args and not check_only:
        raise SystemExit(__doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    out_path = args[1] if len(args) > 1 else os.path.join(root, 'tools', 'BearingTables.cpp')
    report_path = os.path.join(here, 'REPORT.md')
    if check_only:
        import check_bearing_lines
        failures = check_bearing_lines.check_lines(read_cpp_lines(out_path))
        if args:
            all_lines, notes, entries = generate(args[0])
            with open(out_path, encoding='utf-8') as f:
                if f.read() != cpp_text(all_lines):
                    failures.append('%s differs from what the generator makes'
                                    % os.path.relpath(out_path, root))
            with open(report_path, encoding='utf-8') as f:
                if report_head(f.read()) != report_text(notes, entries):
                    failures.append('REPORT.md differs from what the generator makes')
        for f in failures:
            print('FAIL', f)
        print('%d failure(s)' % len(failures))
        sys.exit(1 if failures else 0)
    all_lines, notes, entries = generate(args[0])
    if '-v' in sys.argv:
        for kind in KINDS:
            print('kind %d' % kind.number)
            for n in notes.get(kind.number, []):
                print('   ', n)
    with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(cpp_text(all_lines))
    write_report(report_path, report_text(notes, entries))


if __name__ == '__main__':
    main()
