"""The program's picture: two golden-yellow envelopes, tilted and overlapping.

The rear envelope shows its address side (orange address lines and a stamp),
the front one its closed flap, outlined in dark orange. Sizes are given as
fractions of the square so one description serves every icon size; the
smallest sizes trade detail for legibility.
"""
from geometry import Affine, rounded_rectangle, stroke, rectangle
from raster import Canvas, coverage, multiply, subtract, shifted, blurred, linear_gradient

GOLD_TOP = (255, 214, 72)
GOLD_BOTTOM = (246, 176, 24)
REAR_TOP = (250, 202, 58)
REAR_BOTTOM = (238, 160, 22)
FLAP_TOP = (255, 226, 112)
FLAP_BOTTOM = (252, 200, 56)
FOLD = (224, 146, 18)
DARK_ORANGE = (190, 78, 0)
REAR_OUTLINE = (208, 112, 8)
ORANGE = (242, 122, 14)
STAMP_INNER = (255, 190, 96)
SHADOW = (40, 20, 0)


class _Envelope:
    """Geometry of one envelope in its own frame, centred on the origin."""

    def __init__(self, size, centre, angle, width, height):
        self.size = size
        self.frame = Affine((centre[0] * size, centre[1] * size), angle)
        self.w = width * size
        self.h = height * size
        self.radius = self.h * 0.06

    def mask(self, shape, holes=()):
        return coverage(self.size, self.size, self.frame.polygons(shape), self.frame.polygons(holes))

    def body(self, inset=0.0):
        w, h = self.w / 2 - inset, self.h / 2 - inset
        return rounded_rectangle(-w, -h, w, h, max(0.0, self.radius - inset))

    def vertical_gradient(self, top, bottom):
        return linear_gradient(self.frame.point((0, -self.h / 2)), self.frame.point((0, self.h / 2)), top, bottom)


def _line_widths(size):
    outline = max(1.0, size / 30.0)
    return outline, max(1.0, size / 36.0)


def _draw_rear(canvas, env, detailed):
    outline, detail = _line_widths(env.size)
    body = env.mask(env.body())
    canvas.paint(body, env.vertical_gradient(REAR_TOP, REAR_BOTTOM))
    w, h = env.w, env.h
    lines = [((-0.02, 0.02), (0.36, 0.02)), ((-0.02, 0.17), (0.30, 0.17)), ((-0.02, 0.32), (0.36, 0.32))]
    if not detailed:
        lines = [((0.02, -0.08), (0.38, -0.08)), ((0.02, 0.14), (0.38, 0.14))]
    for (x0, y0), (x1, y1) in lines:
        width = detail * 1.2 if detailed else 1.0
        canvas.paint(multiply(env.mask(stroke([(x0 * w, y0 * h), (x1 * w, y1 * h)], width)), body), ORANGE)
    if detailed:
        stamp = (0.27 * w, -0.36 * h, 0.43 * w, -0.06 * h)
        canvas.paint(env.mask(rectangle(*stamp)), ORANGE)
        inset = detail
        canvas.paint(env.mask(rectangle(stamp[0] + inset, stamp[1] + inset, stamp[2] - inset, stamp[3] - inset)),
                     STAMP_INNER)
        sender = [((-0.42, -0.30), (-0.18, -0.30)), ((-0.42, -0.18), (-0.24, -0.18))]
        for (x0, y0), (x1, y1) in sender:
            canvas.paint(env.mask(stroke([(x0 * w, y0 * h), (x1 * w, y1 * h)], detail * 0.8)), ORANGE, 0.75)
    ring = env.mask(env.body(), env.body(max(1.0, outline * 0.8)))
    canvas.paint(ring, REAR_OUTLINE)
    return body


def _draw_front(canvas, env, detailed):
    outline, detail = _line_widths(env.size)
    w, h = env.w, env.h
    body = env.mask(env.body())
    canvas.paint(body, env.vertical_gradient(GOLD_TOP, GOLD_BOTTOM))
    tip = (0.0, 0.16 * h)
    if detailed:
        folds = stroke([(-w / 2, h / 2), (0.0, 0.02 * h), (w / 2, h / 2)], detail * 0.8)
        canvas.paint(multiply(env.mask(folds), body), FOLD, 0.8)
    flap = [[(-w / 2, -h / 2), (w / 2, -h / 2), tip]]
    flap_mask = multiply(env.mask(flap), body)
    if detailed:
        drop = max(1, int(round(env.size / 48.0)))
        under_flap = blurred(shifted(flap_mask, env.size, env.size, 0, drop), env.size, env.size, env.size / 64.0)
        canvas.paint(multiply(subtract(under_flap, flap_mask), body), SHADOW, 0.22)
    canvas.paint(flap_mask, env.vertical_gradient(FLAP_TOP, FLAP_BOTTOM))
    edge = stroke([(-w / 2, -h / 2), tip, (w / 2, -h / 2)], outline * 0.9)
    canvas.paint(multiply(env.mask(edge), body), DARK_ORANGE)
    canvas.paint(env.mask(env.body(), env.body(outline)), DARK_ORANGE)
    return body


def _soft_shadow(canvas, size, mask, strength):
    offset = max(1, int(round(size / 40.0)))
    shadow = blurred(shifted(mask, size, size, offset // 2, offset), size, size, size / 48.0)
    canvas.paint(shadow, SHADOW, strength)


def envelope_pair(size, cast_outer_shadow=True):
    """Both envelopes; the outer shadow is for icons, which have real transparency."""
    canvas = Canvas(size, size)
    detailed = size >= 48
    rear = _Envelope(size, (0.585, 0.355), -13.0, 0.74, 0.47)
    front = _Envelope(size, (0.425, 0.64), 9.0, 0.76, 0.49)
    rear_body = rear.mask(rear.body())
    if cast_outer_shadow and detailed:
        _soft_shadow(canvas, size, rear_body, 0.30)
    _draw_rear(canvas, rear, detailed)
    front_body = front.mask(front.body())
    if cast_outer_shadow and detailed:
        _soft_shadow(canvas, size, front_body, 0.35)
    else:
        # Without an outer shadow the front still darkens the envelope it lies on.
        cast = blurred(front_body, size, size, max(0.6, size / 48.0))
        canvas.paint(multiply(cast, rear_body), SHADOW, 0.3)
    _draw_front(canvas, front, detailed)
    return canvas


def _upright_back(canvas, size, left, top, right, bottom):
    """An upright envelope on whole pixels showing its flap, with a crisp one-pixel outline."""
    body = coverage(size, size, rectangle(left, top, right, bottom))
    canvas.paint(body, linear_gradient((0, top), (0, bottom), GOLD_TOP, GOLD_BOTTOM))
    middle = (left + right) / 2.0
    tip = (middle, top + (bottom - top) * 0.62)
    flap = coverage(size, size, [[(left, top), (right, top), tip]])
    canvas.paint(flap, linear_gradient((0, top), tip, FLAP_TOP, FLAP_BOTTOM))
    canvas.paint(multiply(coverage(size, size, stroke([(left + 0.5, top + 0.5), tip, (right - 0.5, top + 0.5)], 1.0)),
                          body), DARK_ORANGE)
    canvas.paint(coverage(size, size, rectangle(left, top, right, bottom),
                          rectangle(left + 1, top + 1, right - 1, bottom - 1)), DARK_ORANGE)
    return body


def _upright_face(canvas, size, left, top, right, bottom):
    """An upright envelope on whole pixels showing its address side."""
    body = coverage(size, size, rectangle(left, top, right, bottom))
    canvas.paint(body, linear_gradient((0, top), (0, bottom), REAR_TOP, REAR_BOTTOM))
    canvas.paint(coverage(size, size, rectangle(right - 5, top + 2, right - 2, top + 5)), ORANGE)
    # Lines kept high, in the part a front envelope leaves in view.
    for row in (top + 2, top + 4):
        canvas.paint(coverage(size, size, rectangle(left + 2, row, right - 7, row + 1)), ORANGE)
    canvas.paint(coverage(size, size, rectangle(left, top, right, bottom),
                          rectangle(left + 1, top + 1, right - 1, bottom - 1)), REAR_OUTLINE)
    return body


def single_envelope(size):
    """The smallest icon: one upright envelope on whole pixels, so its outline stays crisp."""
    canvas = Canvas(size, size)
    inset = round(size * 0.0625)
    _upright_back(canvas, size, inset, round(size * 0.19), size - inset, round(size * 0.81))
    return canvas


def upright_pair(size):
    """Two upright envelopes, one behind the other, for a small button picture."""
    canvas = Canvas(size, size)
    rear = _upright_face(canvas, size, round(size * 0.29), round(size * 0.125), size - 1, round(size * 0.625))
    front_box = (1, round(size * 0.375), round(size * 0.75), round(size * 0.875))
    front = coverage(size, size, rectangle(*front_box))
    canvas.paint(multiply(blurred(front, size, size, 0.7), rear), SHADOW, 0.35)
    _upright_back(canvas, size, *front_box)
    return canvas
