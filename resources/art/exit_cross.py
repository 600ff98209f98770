"""The Exit button's picture: a blocky red cross on the silver transparent colour.

Drawn on a grid of 2 x 2 pixel blocks so its diagonals step visibly, in the
pure red of the 16-colour palette, with a darker red lower edge for depth.
"""
SILVER = 7   # transparent colour, RGB 192, 192, 192
MAROON = 1   # RGB 128, 0, 0
RED = 9      # RGB 255, 0, 0

BLOCK = 2


def _in_cross(col, row, cells):
    """Whether a block lies on one of the two diagonals of the cells x cells grid."""
    margin = 2
    if not (margin <= col < cells - margin and margin <= row < cells - margin):
        return False
    return abs(col - row) <= 1 or abs(col + row - (cells - 1)) <= 1


def exit_cross(size=32):
    cells = size // BLOCK
    blocks = [[_in_cross(col, row, cells) for col in range(cells)] for row in range(cells)]
    indices = []
    for y in range(size):
        row, inner_y = divmod(y, BLOCK)
        for x in range(size):
            col = x // BLOCK
            if not blocks[row][col]:
                indices.append(SILVER)
                continue
            below_open = row + 1 >= cells or not blocks[row + 1][col]
            indices.append(MAROON if below_open and inner_y == BLOCK - 1 else RED)
    return indices
