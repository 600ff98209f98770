"""The About button's picture: a blue disc with a white rim, a soft shadow and a white question mark.

The About button is 31 pixels high and shows the 48-pixel picture centred, so only
rows 8 to 38 are seen: the disc lies within them, and only its shadow reaches below.
"""
import math

from geometry import circle, arc_points, stroke
from raster import Canvas, coverage, multiply, shifted, blurred, radial_gradient

BLUE_LIGHT = (104, 168, 255)
BLUE_DEEP = (10, 50, 158)
WHITE = (255, 255, 255)
SHADOW = (0, 0, 0)


def _ellipse(cx, cy, rx, ry, segments=48):
    return [[(cx + rx * math.cos(2 * math.pi * k / segments), cy + ry * math.sin(2 * math.pi * k / segments))
             for k in range(segments)]]


def question_mark(cx, cy, radius):
    """A question mark drawn as one stroke and a dot, sized to a disc of the given radius."""
    hook_radius = radius * 0.27
    hook_centre_y = cy - radius * 0.22
    hook = arc_points(cx, hook_centre_y, hook_radius, 180.0, 400.0, 24)
    bend = (cx, hook_centre_y + hook_radius * 1.35)
    path = hook + [bend, (cx, cy + radius * 0.20)]
    shape = stroke(path, radius * 0.2)
    shape += circle(cx, cy + radius * 0.50, radius * 0.125)
    return shape


def about_disc(size=48):
    canvas = Canvas(size, size)
    scale = size / 48.0
    cx, cy, radius = 23.5 * scale, 22.5 * scale, 14.4 * scale
    rim = 2.0 * scale
    disc = coverage(size, size, circle(cx, cy, radius, 96))
    shadow = blurred(shifted(disc, size, size, round(1 * scale), round(2 * scale)), size, size, 1.2 * scale)
    # The faintest fringe is dropped: on a keyed glyph it would show as a grey ring on any other background.
    canvas.paint([s if s >= 0.2 else 0.0 for s in shadow], SHADOW, 0.45)
    canvas.paint(disc, WHITE)
    inner = coverage(size, size, circle(cx, cy, radius - rim, 96))
    canvas.paint(inner, radial_gradient((cx - radius * 0.35, cy - radius * 0.4), radius * 1.45, BLUE_LIGHT, BLUE_DEEP))
    gloss = coverage(size, size, _ellipse(cx, cy - radius * 0.48, radius * 0.62, radius * 0.36))
    canvas.paint(multiply(gloss, inner), WHITE, 0.22)
    mark = coverage(size, size, question_mark(cx, cy, radius - rim))
    canvas.paint(blurred(shifted(mark, size, size, 1, 1), size, size, 0.8 * scale), SHADOW, 0.35)
    canvas.paint(mark, WHITE)
    return canvas
