"""The change list at the end of a data generator's report: written by the generator's
list_changes.py from two versions of its table file, kept when the generator writes the rest."""
import os

CHANGES_HEADING = '## Changes against the previous version'


def report_head(text):
    """The part of the report the generator writes: all but the change list at its end."""
    return text.split('\n' + CHANGES_HEADING + '\n', 1)[0]


def write_report(path, head):
    """Writes the generator's part of the report, keeping the change list already there."""
    tail = ''
    if os.path.exists(path):
        with open(path, encoding='utf-8') as f:
            old = f.read()
        if '\n' + CHANGES_HEADING + '\n' in old:
            tail = '\n' + CHANGES_HEADING + '\n' + old.split('\n' + CHANGES_HEADING + '\n', 1)[1]
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(head + tail)
