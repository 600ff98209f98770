#!/usr/bin/python3
"""Draws the program's artwork and writes the files the resource script embeds.

    render.py                 rewrite glyphs/*.bmp and icon/quillcast.ico
    render.py --check         exit 1 if a committed file differs from a fresh drawing
    render.py --preview DIR   also write enlarged PNGs for looking at the pictures

Only the standard library is used, so any Python 3 can regenerate the files.
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from about_disc import about_disc  # noqa: E402
from envelopes import envelope_pair, single_envelope, upright_pair  # noqa: E402
from exit_cross import exit_cross  # noqa: E402
import image_files  # noqa: E402

RESOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GLYPH_KEY = (200, 200, 200)
ICON_SIZES = (16, 24, 32, 48, 64, 72, 96, 128)


def _keyed_glyph(size, canvas):
    rgb = canvas.over_key(GLYPH_KEY)
    if rgb[(size - 1) * size] != GLYPH_KEY:
        raise ValueError("bottom-left pixel of a %dpx glyph must be the transparent colour" % size)
    return rgb


def drawings():
    """(relative path, file bytes, preview size, preview pixels as RGBA) for every rendered file."""
    out = []
    send = _keyed_glyph(24, upright_pair(24))
    out.append(("glyphs/send.bmp", image_files.bmp_24(24, 24, send), 24, [p + (255,) for p in send]))

    cross = exit_cross(32)
    if cross[31 * 32] != 7:
        raise ValueError("bottom-left pixel of the exit glyph must be palette index 7")
    palette = image_files.WINDOWS_16_COLOURS
    out.append(("glyphs/exit.bmp", image_files.bmp_4(32, 32, cross), 32, [palette[i] + (255,) for i in cross]))

    about = _keyed_glyph(48, about_disc(48))
    out.append(("glyphs/about.bmp", image_files.bmp_24(48, 48, about), 48, [p + (255,) for p in about]))

    images = []
    for size in ICON_SIZES:
        canvas = single_envelope(size) if size == 16 else envelope_pair(size)
        rgba = canvas.straight_rgba()
        images.append((size, image_files.icon_image(size, rgba)))
        out.append(("preview-icon-%d" % size, None, size, rgba))
    out.append(("icon/quillcast.ico", image_files.ico(images), None, None))
    return out


def _checker_behind(size, rgba, cell):
    flat = []
    for index, (r, g, b, a) in enumerate(rgba):
        x, y = index % size, index // size
        back = 255 if ((x // cell) + (y // cell)) % 2 == 0 else 214
        flat.append(tuple(int(round((c * a + back * (255 - a)) / 255.0)) for c in (r, g, b)) + (255,))
    return flat


def _enlarged(size, rgba, factor):
    big = size * factor
    return big, [rgba[(y // factor) * size + (x // factor)] for y in range(big) for x in range(big)]


def write_preview(directory, name, size, rgba):
    factor = max(1, 256 // size)
    shown = _checker_behind(size, rgba, max(1, size // 8))
    big, pixels = _enlarged(size, shown, factor)
    base = os.path.splitext(os.path.basename(name))[0]
    with open(os.path.join(directory, base + ".png"), "wb") as f:
        f.write(image_files.png(big, big, pixels))
    with open(os.path.join(directory, base + "-actual.png"), "wb") as f:
        f.write(image_files.png(size, size, shown))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--preview", metavar="DIR")
    args = parser.parse_args()
    stale = []
    for name, data, size, rgba in drawings():
        if args.preview and rgba is not None:
            os.makedirs(args.preview, exist_ok=True)
            write_preview(args.preview, name, size, rgba)
        if data is None:
            continue
        path = os.path.join(RESOURCES, name)
        if args.check:
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(name)
            continue
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    for name in stale:
        print("out of date: resources/%s (run resources/art/render.py)" % name)
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())
