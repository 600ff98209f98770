#!/usr/bin/python3
"""Static checks of a built Quillcast executable and of its button bitmaps.

    check_pe.py --machine i386|amd64 path/to/quillcast.exe
    check_pe.py --glyphs resources/glyphs
    (both may be given in one run)

Each check prints "PASS name" or "FAIL name: why"; the last line is
"N passed, M failed" and the exit status is non-zero when anything failed.
The version record is read from its raw bytes rather than through pefile,
because pefile hides how empty values are stored.
"""
import argparse
import os
import struct
import sys

UKRAINIAN = 0x0422
CYRILLIC_CODE_PAGE = 1251

RT_BITMAP = 2
RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16

MACHINES = {"i386": 0x014C, "amd64": 0x8664}
GUI_SUBSYSTEM = 2
DYNAMIC_BASE = 0x0040
HIGH_ENTROPY_VA = 0x0020
NX_COMPAT = 0x0100
RELOCS_STRIPPED = 0x0001
SECTION_EXECUTE = 0x20000000
SECTION_WRITE = 0x80000000

# Windows' own DLLs; anything else (a compiler runtime above all) must not be needed at run time.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll", "advapi32.dll",
    "msvcrt.dll", "msimg32.dll", "ole32.dll", "oleaut32.dll", "uxtheme.dll", "comdlg32.dll",
    "shlwapi.dll", "version.dll", "ntdll.dll", "ucrtbase.dll", "ws2_32.dll", "psapi.dll",
}

FIXED_VERSION = {
    "file-version": ((2, 3), (0x00010001, 0x00020025)),
    "product-version": ((4, 5), (0x00010001, 0x00020025)),
    "flags-mask": ((6,), (0x3F,)),
    "flags": ((7,), (0,)),
    "os": ((8,), (0x4,)),
    "type": ((9,), (0x1,)),
    "subtype": ((10,), (0,)),
    "date": ((11, 12), (0, 0)),
}
STRING_BLOCK_KEY = "042204E3"
VERSION_STRINGS = [
    ("CompanyName", "Zuvo"), ("FileDescription", ""), ("FileVersion", "1.1.2.37"),
    ("InternalName", ""), ("LegalCopyright", ""), ("LegalTrademarks", ""),
    ("OriginalFilename", ""), ("ProductName", ""), ("ProductVersion", "1.0.0.0"), ("Comments", ""),
]

ICON_IMAGES = [(16, 1128), (24, 2440), (32, 4264), (48, 9640), (64, 16936), (72, 21640), (96, 38056),
               (128, 67624)]

WINDOWS_16_COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


class Glyph:
    def __init__(self, file_name, resource_name, size, bit_count, key, key_index=None, shadow_only_last_row=False,
                 main_colour=None):
        self.main_colour = main_colour
        self.file_name = file_name
        self.resource_name = resource_name
        self.size = size
        self.bit_count = bit_count
        self.key = key
        self.key_index = key_index
        self.shadow_only_last_row = shadow_only_last_row


GLYPHS = [
    Glyph("send.bmp", "GLYPH_SEND", 24, 24, (200, 200, 200)),
    Glyph("exit.bmp", "GLYPH_EXIT", 32, 4, (192, 192, 192), key_index=7, main_colour=(255, 0, 0)),
    # A 31-pixel button cuts this glyph's lowest row, so only shadow may be there.
    Glyph("about.bmp", "GLYPH_ABOUT", 48, 24, (200, 200, 200), shadow_only_last_row=True),
]


class Failure(Exception):
    """A check's reason for failing."""


class Report:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def run(self, name, check, *args):
        """Runs one check: it returns normally to pass, raises Failure to fail.

        Malformed input shows up as a failure of the check that met it, never as a crash.
        """
        try:
            check(*args)
        except Failure as failure:
            self._fail(name, str(failure))
        except (struct.error, ValueError, IndexError, KeyError, UnicodeDecodeError) as error:
            self._fail(name, "malformed data (%s: %s)" % (type(error).__name__, error))
        else:
            self.passed += 1
            print("PASS %s" % name)

    def _fail(self, name, why):
        self.failed += 1
        print("FAIL %s: %s" % (name, why))

    def finish(self):
        print("%d passed, %d failed" % (self.passed, self.failed))
        return 1 if self.failed else 0


def expect(condition, why):
    if not condition:
        raise Failure(why)


def expect_equal(actual, wanted, what, in_hex=False):
    expect(actual == wanted, "%s is %s, expected %s" % (what, _show(actual, in_hex), _show(wanted, in_hex)))


def _show(value, in_hex):
    if isinstance(value, int):
        return "%#x" % value if in_hex else str(value)
    if isinstance(value, tuple):
        return "(" + ", ".join(_show(v, in_hex) for v in value) + ")"
    return repr(value)


# ---------------------------------------------------------------- version record, raw

class VersionBlock:
    """One node of a version resource: wLength, wValueLength, wType, key, value, then children."""

    def __init__(self, data, offset, limit):
        if offset + 6 > limit:
            raise Failure("block at %#x runs past its parent" % offset)
        self.data = data
        self.offset = offset
        self.length, self.value_length, self.type = struct.unpack_from("<HHH", data, offset)
        self.end = offset + self.length
        if self.length < 6 or self.end > limit:
            raise Failure("block at %#x has length %d, beyond its parent" % (offset, self.length))
        position = offset + 6
        chars = []
        while True:
            if position + 2 > self.end:
                raise Failure("key of block at %#x is not terminated" % offset)
            (char,) = struct.unpack_from("<H", data, position)
            position += 2
            if char == 0:
                break
            chars.append(char)
        self.key = bytes(struct.pack("<%dH" % len(chars), *chars)).decode("utf-16-le")
        self.value_start = min(_aligned(position), self.end)
        value_size = self.value_length * 2 if self.type == 1 else self.value_length
        self.value_end = self.value_start + value_size
        if self.value_end > self.end:
            raise Failure("value of %r runs past its block" % self.key)

    def value(self):
        return self.data[self.value_start:self.value_end]

    def stored_after_key(self):
        """Every byte the block holds after its key: the value and nothing else for a string."""
        return self.data[self.value_start:self.end]

    def children(self):
        found = []
        position = _aligned(self.value_end)
        while position < self.end:
            child = VersionBlock(self.data, position, self.end)
            found.append(child)
            position = _aligned(child.end)
        return found

    def only_child(self, key):
        matches = [c for c in self.children() if c.key == key]
        expect(len(matches) == 1, "%d blocks %r under %r, expected one" % (len(matches), key, self.key))
        return matches[0]


def _aligned(offset):
    return (offset + 3) & ~3


def check_version(report, resources):
    entries = resources.get((RT_VERSION, 1), [])
    holder = {}

    def resource():
        others = sorted(k for k in resources if k[0] == RT_VERSION and k != (RT_VERSION, 1))
        expect(not others, "unexpected version resources %s" % others)
        expect(len(entries) == 1, "version resource 1 present in %d languages, expected 1" % len(entries))
        root = VersionBlock(entries[0][1], 0, len(entries[0][1]))
        expect_equal(root.key, "VS_VERSION_INFO", "root key")
        expect_equal(root.value_length, 52, "size of the fixed part")
        holder["root"] = root
    report.run("version.resource", resource)
    if "root" not in holder:
        return
    report.run("version.language",
               lambda: expect_equal(entries[0][0], UKRAINIAN, "language of the version resource", in_hex=True))
    root = holder["root"]
    fixed = struct.unpack("<13I", root.value())

    def signature():
        expect_equal(fixed[0], 0xFEEF04BD, "fixed part signature", in_hex=True)
        expect_equal(fixed[1], 0x00010000, "fixed part structure version", in_hex=True)
    report.run("version.fixed.signature", signature)
    for name, (fields, wanted) in FIXED_VERSION.items():
        report.run("version.fixed." + name,
                   lambda f=fields, w=wanted, n=name: expect_equal(tuple(fixed[i] for i in f), w, n, in_hex=True))

    def string_table():
        return root.only_child("StringFileInfo").only_child(STRING_BLOCK_KEY)

    def block_key():
        tables = root.only_child("StringFileInfo").children()
        expect_equal([t.key for t in tables], [STRING_BLOCK_KEY], "string block keys")
    report.run("version.strings.block-key", block_key)

    def key_order():
        expect_equal([s.key for s in string_table().children()], [k for k, _ in VERSION_STRINGS], "string keys")
    report.run("version.strings.key-order", key_order)

    def string_value(key, text):
        matches = [s for s in string_table().children() if s.key == key]
        expect(len(matches) == 1, "%d values named %r, expected one" % (len(matches), key))
        entry = matches[0]
        expect_equal(entry.type, 1, "wType of %s" % key)
        shown = entry.value().decode("utf-16-le", "replace").split("\0")[0]
        expect_equal(shown, text, key)
        expect_equal(entry.value_length, len(text) + 1, "wValueLength of %s (characters with the zero)" % key)
        stored = entry.stored_after_key()
        wanted = (text + "\0").encode("utf-16-le")
        expect(stored == wanted, "%s stores %r, expected %r" % (key, stored, wanted))
    for key, text in VERSION_STRINGS:
        report.run("version.strings." + key, string_value, key, text)

    def translation():
        var = root.only_child("VarFileInfo").only_child("Translation")
        expect_equal(var.type, 0, "wType of Translation")
        pairs = var.value()
        expect_equal(len(pairs), 4, "size of the translation table")
        language, code_page = struct.unpack("<HH", pairs)
        expect_equal(language, UKRAINIAN, "translation language", in_hex=True)
        expect_equal(code_page, CYRILLIC_CODE_PAGE, "translation code page")
    report.run("version.translation", translation)

    def translation_names_block():
        var = root.only_child("VarFileInfo").only_child("Translation")
        language, code_page = struct.unpack("<HH", var.value()[:4])
        expect_equal(string_table().key, "%04X%04X" % (language, code_page), "string block key of the translation")
    report.run("version.translation-matches-block", translation_names_block)


# ---------------------------------------------------------------- icons

def check_icons(report, resources):
    holder = {}

    def group():
        entries = resources.get((RT_GROUP_ICON, "MAINICON"), [])
        expect(len(entries) == 1, "icon group MAINICON present in %d languages, expected 1" % len(entries))
        holder["language"] = entries[0][0]
        data = entries[0][1]
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        expect_equal((reserved, kind), (0, 1), "group header")
        expect_equal(count, len(ICON_IMAGES), "number of images")
        expect_equal(len(data), 6 + 14 * count, "size of the group")
        holder["entries"] = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * k) for k in range(count)]
    report.run("icon.group", group)
    if "language" in holder:
        report.run("icon.group.language",
                   lambda: expect_equal(holder["language"], UKRAINIAN, "language of MAINICON", in_hex=True))
    if "entries" not in holder:
        return
    for index, (size, byte_count) in enumerate(ICON_IMAGES):
        report.run("icon.%dpx" % size, _check_icon_image, resources, holder["entries"][index], index + 1, size,
                   byte_count)


def _check_icon_image(resources, entry, identifier, size, byte_count):
    width, height, colours, _, planes, bit_count, bytes_in_res, icon_id = entry
    expect_equal((width, height), (size, size), "directory size")
    expect_equal(colours, 0, "directory colour count")
    expect_equal(planes, 1, "directory planes")
    expect_equal(bit_count, 32, "directory bit count")
    expect_equal(icon_id, identifier, "identifier")
    expect_equal(bytes_in_res, byte_count, "directory byte count")
    images = resources.get((RT_ICON, identifier), [])
    expect(len(images) == 1, "RT_ICON %d present in %d languages, expected 1" % (identifier, len(images)))
    language, data = images[0]
    expect_equal(language, UKRAINIAN, "language of RT_ICON %d" % identifier, in_hex=True)
    expect_equal(len(data), byte_count, "size of RT_ICON %d" % identifier)
    header_size, bmp_width, bmp_height, bmp_planes, bmp_bits, compression = struct.unpack_from("<IiiHHI", data, 0)
    expect_equal(header_size, 40, "header size")
    expect_equal((bmp_width, bmp_height), (size, 2 * size), "header width and doubled height")
    expect_equal((bmp_planes, bmp_bits, compression), (1, 32, 0), "header planes, bit count, compression")
    mask_row = ((size + 31) // 32) * 4
    expect_equal(len(data), 40 + size * size * 4 + mask_row * size, "size for colour rows plus mask")


# ---------------------------------------------------------------- glyph bitmaps

def check_glyph_dib(glyph, dib):
    """Checks a device-independent bitmap: header, palette, transparent corner, and the lowest row if asked."""
    header_size, width, height, planes, bit_count, compression = struct.unpack_from("<IiiHHI", dib, 0)
    colours_used = struct.unpack_from("<I", dib, 32)[0]
    expect_equal(header_size, 40, "header size")
    expect_equal((width, height), (glyph.size, glyph.size), "width and height (positive: rows bottom-up)")
    expect_equal((planes, bit_count, compression), (1, glyph.bit_count, 0), "planes, bit count, compression")
    palette = []
    if glyph.bit_count <= 8:
        entries = colours_used or (1 << glyph.bit_count)
        expect_equal(entries, 16, "palette entries")
        palette = [tuple(reversed(dib[40 + 4 * k:40 + 4 * k + 3])) for k in range(entries)]
        wrong = ["%d is %s, expected %s" % (k, palette[k], WINDOWS_16_COLOURS[k])
                 for k in range(16) if palette[k] != WINDOWS_16_COLOURS[k]]
        expect(not wrong, "not the standard 16-colour palette: entry " + "; ".join(wrong))
    stride = ((glyph.size * glyph.bit_count + 31) // 32) * 4
    pixels_at = header_size + 4 * len(palette)
    expect(len(dib) >= pixels_at + stride * glyph.size, "pixel data is cut short")

    def pixel(x, row_from_bottom):
        row = pixels_at + row_from_bottom * stride
        if glyph.bit_count == 24:
            b, g, r = dib[row + 3 * x:row + 3 * x + 3]
            return (r, g, b), None
        byte = dib[row + x // 2]
        index = byte >> 4 if x % 2 == 0 else byte & 0x0F
        return palette[index], index

    corner, corner_index = pixel(0, 0)
    expect_equal(corner, glyph.key, "bottom-left colour")
    if glyph.key_index is not None:
        expect_equal(corner_index, glyph.key_index, "bottom-left palette index")
    counts = {}
    for y in range(glyph.size):
        for x in range(glyph.size):
            colour = pixel(x, y)[0]
            if colour != glyph.key:
                counts[colour] = counts.get(colour, 0) + 1
    drawn = sum(counts.values())
    expect(drawn >= glyph.size * glyph.size // 10, "only %d pixels differ from the transparent colour" % drawn)
    if glyph.main_colour is not None:
        expect_equal(max(counts, key=counts.get), glyph.main_colour, "most used colour of the picture")
    if glyph.shadow_only_last_row:
        for x in range(glyph.size):
            colour = pixel(x, 0)[0]
            expect(colour[0] == colour[1] == colour[2] and colour[0] <= glyph.key[0],
                   "lowest row has colour %s at x=%d, expected transparent or grey shadow" % (colour, x))


def check_glyph_file(glyph, path):
    expect(os.path.isfile(path), "%s does not exist" % path)
    with open(path, "rb") as f:
        data = f.read()
    expect(data[:2] == b"BM", "not a BMP file")
    file_size, _, _, pixel_offset = struct.unpack_from("<IHHI", data, 2)
    expect_equal(file_size, len(data), "size in the file header")
    dib = data[14:]
    header_size, _, _, _, bit_count = struct.unpack_from("<IiiHH", dib, 0)
    colours = (struct.unpack_from("<I", dib, 32)[0] or 1 << bit_count) if bit_count <= 8 else 0
    expect_equal(pixel_offset, 14 + header_size + 4 * colours, "pixel data offset")
    check_glyph_dib(glyph, dib)


def check_glyph_files(report, directory):
    for glyph in GLYPHS:
        path = os.path.join(directory, glyph.file_name)
        report.run("glyph-file." + glyph.file_name, check_glyph_file, glyph, path)


def check_glyph_resources(report, resources):
    for glyph in GLYPHS:
        def check(g=glyph):
            entries = resources.get((RT_BITMAP, g.resource_name), [])
            expect(len(entries) == 1, "bitmap %s present in %d languages, expected 1" % (g.resource_name, len(entries)))
            check_glyph_dib(g, entries[0][1])
        report.run("glyph-resource." + glyph.resource_name, check)


# ---------------------------------------------------------------- the PE image

def resource_table(pe):
    """{(type, name): [(language id, bytes)]}; names are ints or upper-case strings."""
    table = {}
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    if root is None:
        return table
    for type_entry in root.entries:
        if not hasattr(type_entry, "directory"):
            continue
        for name_entry in type_entry.directory.entries:
            if not hasattr(name_entry, "directory"):
                continue
            name = str(name_entry.name).upper() if name_entry.name is not None else name_entry.id
            for lang_entry in name_entry.directory.entries:
                data_entry = lang_entry.data.struct
                language = lang_entry.id if lang_entry.id is not None else 0
                data = pe.get_data(data_entry.OffsetToData, data_entry.Size)
                table.setdefault((type_entry.id, name), []).append((language, data))
    return table


def check_image(report, pe, machine):
    header = pe.FILE_HEADER
    optional = pe.OPTIONAL_HEADER
    characteristics = optional.DllCharacteristics
    report.run("machine", lambda: expect_equal(header.Machine, MACHINES[machine], "machine of the image", in_hex=True))
    report.run("subsystem", lambda: expect_equal(optional.Subsystem, GUI_SUBSYSTEM, "subsystem"))

    def imports():
        names = [entry.dll.decode("ascii", "replace").lower()
                 for attribute in ("DIRECTORY_ENTRY_IMPORT", "DIRECTORY_ENTRY_DELAY_IMPORT")
                 for entry in getattr(pe, attribute, [])]
        expect(names, "no imported DLLs found")
        foreign = [n for n in names if n not in SYSTEM_DLLS and not n.startswith("api-ms-win-")]
        expect(not foreign, "imports DLLs that are not part of Windows: %s" % ", ".join(foreign))
    report.run("imports", imports)
    report.run("dynamic-base", lambda: expect(characteristics & DYNAMIC_BASE, "DYNAMIC_BASE is not set"))
    report.run("nx-compat", lambda: expect(characteristics & NX_COMPAT, "NX_COMPAT is not set"))
    if machine == "amd64":
        report.run("high-entropy-va", lambda: expect(characteristics & HIGH_ENTROPY_VA, "HIGH_ENTROPY_VA is not set"))

    def relocations():
        # Without relocations the loader cannot move the image, whatever DYNAMIC_BASE says.
        expect(not header.Characteristics & RELOCS_STRIPPED, "relocations are stripped")
        directory = optional.DATA_DIRECTORY[5]
        expect(directory.Size > 0, "no base relocation table")
    report.run("relocations", relocations)

    def sections():
        both = [s.Name.rstrip(b"\0").decode("ascii", "replace") for s in pe.sections
                if s.Characteristics & SECTION_WRITE and s.Characteristics & SECTION_EXECUTE]
        expect(not both, "sections both writable and executable: %s" % ", ".join(both))
    report.run("no-writable-executable-section", sections)

    resources = resource_table(pe)
    check_version(report, resources)
    check_icons(report, resources)
    check_glyph_resources(report, resources)


def load_pe(report, path):
    holder = {}

    def load():
        import pefile  # Debian's python3-pefile, under /usr/bin/python3
        expect(os.path.isfile(path), "%s does not exist" % path)
        try:
            holder["pe"] = pefile.PE(path)
        except pefile.PEFormatError as error:
            raise Failure("not a PE image: %s" % error)
    report.run("pe-file", load)
    return holder.get("pe")


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--machine", choices=sorted(MACHINES))
    parser.add_argument("--glyphs", metavar="DIR", help="folder with send.bmp, exit.bmp and about.bmp")
    parser.add_argument("executable", nargs="?")
    args = parser.parse_args(argv)
    if args.executable and not args.machine:
        parser.error("--machine is required with an executable")
    if not args.executable and not args.glyphs:
        parser.error("give an executable, --glyphs DIR, or both")
    report = Report()
    if args.glyphs:
        check_glyph_files(report, args.glyphs)
    if args.executable:
        pe = load_pe(report, args.executable)
        if pe is not None:
            check_image(report, pe, args.machine)
    return report.finish()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
