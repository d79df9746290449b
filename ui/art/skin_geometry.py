"""The skin's outline: the slanted, stepped edges of the roof tiers and the
notch between the two wings of the second tier. The picture and the run
table that cuts the window are both made from these functions, so the cut
follows what is drawn."""

WIDTH, HEIGHT = 766, 579
TIER = 29              # rows per roof tier
TIERS = 6              # rows 0 to 173
CUT_ROWS = TIER * TIERS
RIGHT_ROWS = 141       # rows 0 to 140 are cut on the right
NOTCH_TOP, NOTCH_BOTTOM = 36, 55
NOTCH_CENTRE = 412


def tier_of(y):
    return y // TIER


def left_edge(y):
    """First column of the window in row y (rows 0 to 173): each tier's
    hip runs out 46 pixels over its height; the next tier starts 8 pixels
    further in, under the eave above."""
    k, t = divmod(y, TIER)
    return round(240 - 38 * k - 46 * t / (TIER - 1))


def right_edge(y):
    """First column cut away on the right in row y (rows 0 to 140); the
    mirror of the left side, shifted so the minimise and close buttons sit
    under the third and fourth eaves."""
    k, t = divmod(y, TIER)
    return round(588 + 34 * k + 44 * t / (TIER - 1))


def notch(y):
    """The cut between the second tier's two wings: (left, right) or None."""
    if not NOTCH_TOP <= y <= NOTCH_BOTTOM:
        return None
    width = round(48 - 45 * (y - NOTCH_TOP) / (NOTCH_BOTTOM - NOTCH_TOP))
    left = NOTCH_CENTRE - width // 2
    return left, left + width


def runs():
    """(left, top, right) of every cut-away piece, row by row."""
    table = []
    for y in range(CUT_ROWS):
        table.append((0, y, left_edge(y)))
        cut = notch(y)
        if cut:
            table.append((cut[0], y, cut[1]))
        if y < RIGHT_ROWS:
            table.append((right_edge(y), y, WIDTH))
    return table


def visible(x, y):
    for left, top, right in runs_by_row().get(y, ()):
        if left <= x < right:
            return False
    return True


_rows = None


def runs_by_row():
    global _rows
    if _rows is None:
        _rows = {}
        for run in runs():
            _rows.setdefault(run[1], []).append(run)
    return _rows


def write_runs(path):
    with open(path, "w") as f:
        f.write("# The skin's cut-away runs, one per line: left top right (right excluded).\n")
        f.write("# Made by draw_skin.py from skin_geometry.py; do not edit.\n")
        for left, top, right in runs():
            f.write(f"{left} {top} {right}\n")
