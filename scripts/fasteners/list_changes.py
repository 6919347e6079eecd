#!/usr/bin/env python3
"""Lists the fastener coefficients that differ between two versions of the table file, as
Markdown: type, size, figure before and after.

Usage: list_changes.py OLD_TABLE_FILE NEW_TABLE_FILE

Used to write the change list at the end of REPORT.md, e.g.
    git show HEAD:pages/FastenerTables.cpp > /tmp/old.cpp
    python3 scripts/fasteners/list_changes.py /tmp/old.cpp pages/FastenerTables.cpp
"""
import sys

sys.dont_write_bytecode = True
from catalogue_rows import read_former
from table_files import table_rows


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    with open(argv[1], encoding='utf-8') as f:
        old = table_rows(f.read())
    with open(argv[2], encoding='utf-8') as f:
        new = table_rows(f.read())
    sizes = {t: [size for size, _ in rows] for t, rows in read_former().items()}
    out = ['| type | size | before kg | after kg | change |', '|---|---|---|---|---|']
    count = 0
    for t in sorted(set(old) | set(new)):
        for i, (a, b) in enumerate(zip(old.get(t, []), new.get(t, []))):
            if a != b:
                count += 1
                out.append('| %d | %s | %g | %g | %s |' % (
                    t, sizes[t][i] if t in sizes else i, a, b,
                    '%+.1f %%' % (100 * (b / a - 1)) if a else '—'))
    print('\n'.join(out))
    print('\n%d figure(s) changed.' % count)


if __name__ == '__main__':
    main(sys.argv)
