"""Byte layouts of the files the renderer writes: BMP, ICO and (for previews) PNG.

Pixels come in as lists in top-down row order; BMP and icon images store rows
bottom-up, each row padded to a multiple of four bytes.
"""
import struct
import zlib

# The standard 16-colour Windows palette, in index order.
WINDOWS_16_COLOURS = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)

_PIXELS_PER_METRE_96_DPI = 3780


def _padded(row):
    return row + b"\0" * (-len(row) % 4)


def _info_header(width, height, bit_count, image_size, colours_used=0, resolution=_PIXELS_PER_METRE_96_DPI):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, image_size,
                       resolution, resolution, colours_used, 0)


def _file_header(body_size, pixel_offset):
    return struct.pack("<2sIHHI", b"BM", 14 + body_size, 0, 0, pixel_offset)


def bmp_24(width, height, rgb):
    rows = b"".join(_padded(b"".join(struct.pack("BBB", b, g, r)
                                     for r, g, b in rgb[y * width:(y + 1) * width]))
                    for y in reversed(range(height)))
    body = _info_header(width, height, 24, len(rows)) + rows
    return _file_header(len(body), 14 + 40) + body


def bmp_4(width, height, indices, palette=WINDOWS_16_COLOURS):
    """A 4-bit bitmap; indices are palette positions, top-down."""
    def packed(row):
        row = list(row) + [0] * (len(row) % 2)
        return bytes((row[k] << 4) | row[k + 1] for k in range(0, len(row), 2))
    rows = b"".join(_padded(packed(indices[y * width:(y + 1) * width])) for y in reversed(range(height)))
    colour_table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    body = _info_header(width, height, 4, len(rows), len(palette)) + colour_table + rows
    return _file_header(len(body), 14 + 40 + len(colour_table)) + body


def icon_image(size, rgba):
    """One 32-bit icon image: header with doubled height, BGRA rows bottom-up, then the AND mask.

    The mask marks fully transparent pixels, for readers that ignore alpha.
    """
    colour_rows = b"".join(struct.pack("BBBB", b, g, r, a)
                           for y in reversed(range(size))
                           for r, g, b, a in rgba[y * size:(y + 1) * size])
    mask_rows = b""
    for y in reversed(range(size)):
        bits = 0
        for r, g, b, a in rgba[y * size:(y + 1) * size]:
            bits = (bits << 1) | (1 if a == 0 else 0)
        row_bytes = (size + 7) // 8
        bits <<= row_bytes * 8 - size
        mask_rows += _padded(bits.to_bytes(row_bytes, "big"))
    # Icon headers leave the resolution at zero, as icon readers expect.
    header = _info_header(size, size * 2, 32, len(colour_rows) + len(mask_rows), resolution=0)
    return header + colour_rows + mask_rows


def ico(images):
    """An icon file from (size, image bytes) pairs, in the given order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, image in images:
        side = size if size < 256 else 0
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + data


def png(width, height, rgba):
    """A PNG of top-down (r, g, b, a) pixels; only for looking at the artwork."""
    raw = b"".join(b"\0" + b"".join(struct.pack("BBBB", *p) for p in rgba[y * width:(y + 1) * width])
                   for y in range(height))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
