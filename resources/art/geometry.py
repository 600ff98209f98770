"""Vector shapes as polygons in pixel coordinates.

Pixel (i, j) covers the square [i, i+1) x [j, j+1); y grows downwards.
Every shape is a list of polygons, so shapes can be joined by list
concatenation and filled as one union by raster.coverage().
"""
import math


class Affine:
    """Maps local drawing coordinates to pixels: rotate, scale, then move."""

    def __init__(self, centre=(0.0, 0.0), angle_degrees=0.0, scale=1.0):
        radians = math.radians(angle_degrees)
        self.cos = math.cos(radians) * scale
        self.sin = math.sin(radians) * scale
        self.scale = scale
        self.cx, self.cy = centre

    def point(self, p):
        x, y = p
        return (self.cx + x * self.cos - y * self.sin,
                self.cy + x * self.sin + y * self.cos)

    def polygons(self, shape):
        return [[self.point(p) for p in poly] for poly in shape]

    def length(self, value):
        return value * self.scale


def rectangle(x0, y0, x1, y1):
    return [[(x0, y0), (x1, y0), (x1, y1), (x0, y1)]]


def rounded_rectangle(x0, y0, x1, y1, radius, steps=6):
    radius = max(0.0, min(radius, (x1 - x0) / 2, (y1 - y0) / 2))
    if radius == 0.0:
        return rectangle(x0, y0, x1, y1)
    corners = ((x1 - radius, y0 + radius, -90.0), (x1 - radius, y1 - radius, 0.0),
               (x0 + radius, y1 - radius, 90.0), (x0 + radius, y0 + radius, 180.0))
    points = []
    for cx, cy, start in corners:
        for k in range(steps + 1):
            a = math.radians(start + 90.0 * k / steps)
            points.append((cx + radius * math.cos(a), cy + radius * math.sin(a)))
    return [points]


def circle(cx, cy, radius, segments=None):
    if segments is None:
        segments = max(12, int(radius * 6))
    return [[(cx + radius * math.cos(2 * math.pi * k / segments),
              cy + radius * math.sin(2 * math.pi * k / segments))
             for k in range(segments)]]


def arc_points(cx, cy, radius, start_degrees, end_degrees, steps=None):
    """Points along an arc; angles in degrees, y down, so 90 is straight down."""
    if steps is None:
        steps = max(6, int(abs(end_degrees - start_degrees) / 6))
    return [(cx + radius * math.cos(math.radians(start_degrees + (end_degrees - start_degrees) * k / steps)),
             cy + radius * math.sin(math.radians(start_degrees + (end_degrees - start_degrees) * k / steps)))
            for k in range(steps + 1)]


def stroke(points, width, closed=False):
    """A line of the given width through the points, with round joins and caps."""
    half = width / 2.0
    polygons = []
    count = len(points)
    segment_count = count if closed else count - 1
    for k in range(segment_count):
        (x0, y0), (x1, y1) = points[k], points[(k + 1) % count]
        length = math.hypot(x1 - x0, y1 - y0)
        if length == 0.0:
            continue
        nx, ny = -(y1 - y0) / length * half, (x1 - x0) / length * half
        polygons.append([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])
    joint_segments = max(8, int(half * 8))
    for x, y in points:
        polygons.extend(circle(x, y, half, joint_segments))
    return polygons


def signed_area(polygon):
    return 0.5 * sum(x0 * y1 - x1 * y0
                     for (x0, y0), (x1, y1) in zip(polygon, polygon[1:] + polygon[:1]))
