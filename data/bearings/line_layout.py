"""How a line reads: its dimensions and weight as figures, and its fields at their fixed cells."""
import decimal
import unicodedata


def fmt_dim(value):
    """Millimetres to two decimals at most (half up: 59.625 gives 59.63), no trailing zeros."""
    text = str(decimal.Decimal(repr(value)).quantize(decimal.Decimal('0.01'), decimal.ROUND_HALF_UP))
    return text.rstrip('0').rstrip('.') if '.' in text else text


def fmt_weight(kg):
    """Four significant figures at most, as the printed tables give them."""
    if kg < 0.01:
        return '%.4f' % kg
    if kg < 10:
        return '%.3f' % kg
    if kg < 100:
        return '%.2f' % kg
    return '%.1f' % kg


# ---------------------------------------------------------------------------------------------
# Line layout: fields start at fixed cells; "×" and Chinese characters take two cells.

def cells(text):
    return sum(2 if unicodedata.east_asian_width(c) in 'WFA' else 1 for c in text)


def pad(text, width):
    return text + ' ' * (width - cells(text))


LINE_CELLS = 37


def layout(kind, new, old, dims, weight):
    """The line's text, or None where a field does not fit its columns."""
    k = kind.number
    old_text = old if old else kind.no_old
    if k <= 2:
        if cells(new) >= 7:
            return None
        head = pad(new, 7) + old_text
    elif k == 3:
        # Old codes of this kind stand right-aligned, ending at cell 12.
        if cells(old_text) > 5 or cells(new) + 1 + cells(old_text) > 12:
            return None
        head = pad(new, 12 - cells(old_text)) + old_text
    else:
        if cells(new) >= 8:
            return None
        head = pad(new, 8) + old_text
    weight_cell = 31 if k <= 3 else 32
    if cells(head) >= 17 or 17 + cells(dims) >= weight_cell:
        return None
    line = pad(pad(head, 17) + dims, weight_cell) + weight
    return pad(line, max(LINE_CELLS, cells(line)))
