"""Anti-aliased filling of polygon shapes and compositing of layers.

Coverage is exact along each scanline and sampled on SUBROWS rows per pixel,
which is enough for smooth edges at icon sizes without any drawing library.
"""
import math

from geometry import signed_area

SUBROWS = 8


def _oriented(polygons, positive):
    for poly in polygons:
        if len(poly) < 3:
            continue
        if (signed_area(poly) > 0) != positive:
            poly = poly[::-1]
        yield poly


def _add_span(cover, row, width, x0, x1, weight):
    x0 = max(0.0, x0)
    x1 = min(float(width), x1)
    if x1 <= x0:
        return
    i0, i1 = int(x0), int(x1)
    if i0 == i1:
        cover[row + i0] += (x1 - x0) * weight
        return
    cover[row + i0] += (i0 + 1 - x0) * weight
    for i in range(i0 + 1, i1):
        cover[row + i] += weight
    if i1 < width:
        cover[row + i1] += (x1 - i1) * weight


def coverage(width, height, shape, holes=()):
    """Fraction of each pixel covered by the union of shape minus the union of holes."""
    edges = []
    # Shapes wind positively and holes negatively, so a hole cancels the shape under it.
    for polygons in (_oriented(shape, True), _oriented(holes, False)):
        for poly in polygons:
            for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
                if y0 == y1:
                    continue
                winding = 1 if y1 < y0 else -1
                if y0 > y1:
                    x0, y0, x1, y1 = x1, y1, x0, y0
                edges.append((y0, y1, x0, (x1 - x0) / (y1 - y0), winding))
    cover = [0.0] * (width * height)
    if not edges:
        return cover
    top = max(0, int(math.floor(min(e[0] for e in edges))))
    bottom = min(height, int(math.ceil(max(e[1] for e in edges))))
    weight = 1.0 / SUBROWS
    for py in range(top, bottom):
        row = py * width
        for s in range(SUBROWS):
            y = py + (s + 0.5) / SUBROWS
            crossings = sorted((x0 + (y - y0) * slope, winding)
                               for (y0, y1, x0, slope, winding) in edges if y0 <= y < y1)
            count = 0
            start = 0.0
            for x, winding in crossings:
                before = count
                count += winding
                if before <= 0 < count:
                    start = x
                elif count <= 0 < before:
                    _add_span(cover, row, width, start, x, weight)
    return [min(1.0, c) for c in cover]


def multiply(mask_a, mask_b):
    return [a * b for a, b in zip(mask_a, mask_b)]


def subtract(mask_a, mask_b):
    return [a * (1.0 - b) for a, b in zip(mask_a, mask_b)]


def shifted(mask, width, height, dx, dy):
    """The mask moved by whole pixels, empty where it moved in from outside."""
    out = [0.0] * (width * height)
    for y in range(height):
        sy = y - dy
        if 0 <= sy < height:
            for x in range(width):
                sx = x - dx
                if 0 <= sx < width:
                    out[y * width + x] = mask[sy * width + sx]
    return out


def blurred(mask, width, height, sigma):
    """Gaussian blur, used for soft shadows."""
    if sigma <= 0:
        return list(mask)
    reach = int(math.ceil(sigma * 3))
    kernel = [math.exp(-(k * k) / (2 * sigma * sigma)) for k in range(-reach, reach + 1)]
    total = sum(kernel)
    kernel = [k / total for k in kernel]
    across = [0.0] * (width * height)
    for y in range(height):
        row = y * width
        for x in range(width):
            across[row + x] = sum(kernel[k + reach] * mask[row + x + k]
                                  for k in range(-reach, reach + 1) if 0 <= x + k < width)
    down = [0.0] * (width * height)
    for y in range(height):
        for x in range(width):
            down[y * width + x] = sum(kernel[k + reach] * across[(y + k) * width + x]
                                      for k in range(-reach, reach + 1) if 0 <= y + k < height)
    return down


class Canvas:
    """Premultiplied RGBA in floats 0..1, composited with the 'over' rule."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (width * height)

    def paint(self, mask, colour, opacity=1.0):
        """Paints a colour (r, g, b in 0..255, or a function of the pixel centre) through a mask."""
        width = self.width
        for index, cover in enumerate(mask):
            alpha = cover * opacity
            if alpha <= 0.0:
                continue
            if callable(colour):
                r, g, b = colour(index % width + 0.5, index // width + 0.5)
            else:
                r, g, b = colour
            dr, dg, db, da = self.pixels[index]
            keep = 1.0 - alpha
            self.pixels[index] = (r / 255.0 * alpha + dr * keep, g / 255.0 * alpha + dg * keep,
                                  b / 255.0 * alpha + db * keep, alpha + da * keep)

    def alpha_mask(self):
        return [p[3] for p in self.pixels]

    def straight_rgba(self):
        """Rows top-down of (r, g, b, a) bytes with colour not premultiplied, as icons store it."""
        out = []
        for r, g, b, a in self.pixels:
            alpha = _byte(a)
            if alpha == 0:
                out.append((0, 0, 0, 0))
            else:
                out.append((_byte(r / a), _byte(g / a), _byte(b / a), alpha))
        return out

    def over_key(self, key):
        """Flattened onto a transparent-key colour for a keyed bitmap.

        Pixels the picture does not touch get exactly the key; touched pixels that
        would round to the key are moved one step off it, so they stay visible.
        """
        kr, kg, kb = key
        out = []
        for r, g, b, a in self.pixels:
            if _byte(a) == 0:
                out.append(key)
                continue
            keep = 1.0 - a
            rgb = (_byte(r + kr / 255.0 * keep), _byte(g + kg / 255.0 * keep), _byte(b + kb / 255.0 * keep))
            if rgb == key:
                rgb = tuple(c - 1 if c > 0 else 1 for c in key)
            out.append(rgb)
        return out


def _byte(value):
    return max(0, min(255, int(round(value * 255.0))))


def linear_gradient(start, end, colour_from, colour_to):
    """Colour function blending colour_from at point start to colour_to at point end."""
    (x0, y0), (x1, y1) = start, end
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1.0

    def colour(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return tuple(a + (b - a) * t for a, b in zip(colour_from, colour_to))
    return colour


def radial_gradient(centre, radius, colour_inner, colour_outer):
    cx, cy = centre

    def colour(x, y):
        t = max(0.0, min(1.0, math.hypot(x - cx, y - cy) / radius))
        return tuple(a + (b - a) * t for a, b in zip(colour_inner, colour_outer))
    return colour
