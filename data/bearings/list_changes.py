#!/usr/bin/env python3
"""Lists the bearing lines that differ between two versions of the table file, as Markdown.

Usage: list_changes.py OLD_TABLE_FILE NEW_TABLE_FILE

Lines are matched by their new code; the output names every line removed, added or changed,
with its text before and after. Used to write the change list at the end of REPORT.md, e.g.
    git show HEAD:tools/BearingTables.cpp > /tmp/old.cpp
    python3 data/bearings/list_changes.py /tmp/old.cpp tools/BearingTables.cpp
"""
import sys

sys.dont_write_bytecode = True
from bearing_files import read_cpp_lines


def by_code(lines):
    out, kind = {}, ''
    for line in lines:
        if '轴承(' in line:
            kind = line
            continue
        out.setdefault(line.split()[0], (kind, line))
    return out


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    old, new = by_code(read_cpp_lines(argv[1])), by_code(read_cpp_lines(argv[2]))
    rows = []
    for code in list(old) + [c for c in new if c not in old]:
        before = old.get(code, ('', None))[1]
        after = new.get(code, ('', None))[1]
        if before != after:
            kind = (new.get(code) or old.get(code))[0]
            rows.append('| %s | %s | `%s` | `%s` |' % (
                kind, code, before.rstrip() if before else '(not listed)',
                after.rstrip() if after else '(not listed)'))
    print('| kind | line | before | after |')
    print('|---|---|---|---|')
    print('\n'.join(rows))
    print('\n%d line(s) changed.' % len(rows))


if __name__ == '__main__':
    main(sys.argv)
