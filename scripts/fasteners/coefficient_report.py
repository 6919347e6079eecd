"""REPORT.md: the rows used, the rules applied, and the errors before and after, type by type."""
from matching import errors
from table_files import SCRIPT_NAME
from washer_geometry import GEOMETRY_TOLERANCE, NOMINAL


def percent(value):
    return '—' if value is None else '%+.1f %%' % (100 * value)


def report_text(results, method):
    """REPORT.md's text: `method` (the script's own account of it, quoted as it stands), the
    errors before and after, and type by type the rows used and the figure each size takes."""
    out = ['# Fastener coefficients matched to catalogue masses', '',
           'Written by `%s` (run it with the reference folder as its argument); do not edit by '
           'hand.' % SCRIPT_NAME, '', '## Method', '', '```', method.strip('\n'), '```', '',
           '## Summary', '',
           'Error = figure / catalogue − 1 over the matched sizes, bolts at 100 mm; "before" is '
           'the former figure, "after" the figure now in the table.', '',
           '| type | item | use | catalogue | matched sizes | before mean | before max | '
           'after mean | after max |', '|---|---|---|---|---|---|---|---|---|']
    for r in results:
        matched = sum(1 for s in r.sizes if s[4])
        bm, bx = errors(r, 3)
        am, ax = errors(r, 5)
        out.append('| %d | %s | %s | %s | %d of %d | %s | %s | %s | %s |' % (
            r.mapping.type, r.mapping.name, r.mapping.use, r.chosen.standard, matched,
            len(r.sizes), percent(bm), percent(bx), percent(am), percent(ax)))
    out += ['', '"match": the figures now come from the catalogue. "given": given rows, kept as '
            'they are. "other": the catalogue standard is a different product (reason below); the '
            'former figures stay. Every type not listed keeps its solid-geometry figures.', '']
    for r in results:
        m = r.mapping
        out += ['## Type %d, %s (%s)' % (m.type, m.name, m.use), '', m.why + '.', '']
        for s in r.sources:
            kept = sum(1 for row in s.rows if not row.dropped)
            if r.mapping.use != 'match':
                mark = 'compared'
            else:
                mark = 'used' if s is r.chosen else 'not used'
            out.append('- %s, "%s": %d rows, %d kept; median ratio to the former figures %s; %s.'
                       % (s.file, s.standard, len(s.rows), kept,
                          '—' if s.median_ratio is None else '%.3f' % s.median_ratio, mark))
            for note in s.notes:
                out.append('  - %s' % note)
            for row in s.rows:
                if row.dropped:
                    out.append('  - dropped: size %s, length %s: %s' % (
                        row.size, row.length or '—', row.dropped))
        out += ['', '| size | catalogue kg | how | before kg | error | after kg | error | '
                'source of the figure |', '|---|---|---|---|---|---|---|---|']
        for text, d, _, kg, reference, new, source in r.sizes:
            if reference is None and m.type in NOMINAL and m.use == 'match':
                # compared only: show the catalogue figure the geometry overruled
                reference = r.chosen.references.get(d)
            if reference:
                out.append('| %s | %.5g | %s | %.4g | %s | %.4g | %s | %s |' % (
                    text, reference.kg, reference.note or '%d row(s)' % reference.rows, kg,
                    percent(kg / reference.kg - 1), new, percent(new / reference.kg - 1), source))
            else:
                out.append('| %s | — | not in the catalogue | %.4g | — | %.4g | — | %s |'
                           % (text, kg, new, source))
        out.append('')
    out += ['## Nominal dimensions of the washer standards', '',
            'Every figure of these types lies within %d %% of the solid of its own standard\'s '
            'nominal dimensions (the script\'s NOMINAL tables; `--check` tests the table file '
            'against them).' % round(100 * GEOMETRY_TOLERANCE), '']
    for t in sorted(NOMINAL):
        standard, table, _ = NOMINAL[t]
        out.append('- type %d, %s: %s' % (t, standard, '; '.join(
            '%g: %s' % (d, '/'.join('%g' % v for v in dims)) for d, dims in sorted(table.items()))))
    out.append('')
    return '\n'.join(out)
