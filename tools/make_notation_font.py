#!/usr/bin/python3
"""Build the LarkNotation music font from LilyPond's Emmentaler.

Usage (FontForge's Python, which Debian ships as python3-fontforge):

    /usr/bin/python3 tools/make_notation_font.py [OUT.otf]

OUT.otf defaults to assets/fonts/LarkNotation.otf beside this script's folder.

The program draws each music symbol as one character, placing the text's
reference point at the TOP-LEFT of the character cell. The font is used at a
cell height of 170 drawing units (1 unit = 0.1 mm) and the staff space is 20
units, so:

  * units per em 1000 and a cell of two ems: ascent 1188 (= 2000 * 101 / 170)
    and descent 812 in every metric table, line gap 0: the baseline lies 101
    units below the top of the cell, and one drawing unit is 2000 / 170 font
    units;
  * every glyph is scaled so that one Emmentaler staff space becomes 20
    drawing units, then moved so that it sits where the drawing code expects
    it (see GLYPHS below; coordinates there are drawing units, x from the
    cell's left edge, y upward from the baseline).

After writing the font the script opens it again and checks the metrics, the
names, the character map and every glyph's bounding box; it prints the boxes
and exits with status 1 when a check fails.
"""

import glob
import os
import re
import struct
import sys
import tempfile

# FontForge stamps the creation and modification dates with the current time
# unless SOURCE_DATE_EPOCH is set; a fixed date makes the output depend on
# the input only. It must be set before FontForge is loaded.
FIXED_TIME = 1704067200  # 2024-01-01 00:00:00 UTC
os.environ["SOURCE_DATE_EPOCH"] = str(FIXED_TIME)

try:
    import fontforge  # noqa: E402
    import psMat  # noqa: E402
except ImportError:
    sys.exit("error: this script needs FontForge's Python module; run it with the "
             "interpreter python3-fontforge is installed for, /usr/bin/python3")

# --------------------------------------------------------------------------
# Geometry

UPM = 1000
# The cell spans two ems. Text renderers size a font by its em, and Qt stops
# caching glyph images above 64 pixels an em and draws them as outlines, far
# slower; a cell of two ems keeps the score's symbols cached up to about
# 200 % zoom.
CELL_EMS = 2
CELL = 170  # drawing units per cell
CELL_UNITS = UPM * CELL_EMS  # font units per cell
BASELINE = 101  # drawing units from the cell's top down to the baseline
ASCENT = round(CELL_UNITS * BASELINE / CELL)  # 1188
DESCENT = CELL_UNITS - ASCENT  # 812
FU = CELL_UNITS / CELL  # font units per drawing unit
STAFF_SPACE = 20  # drawing units
ADVANCE_GAP = 2  # advance width = right edge + this, in drawing units
SPACE_ADVANCE = 100  # font units
TOLERANCE = 1.0  # drawing units allowed between a box and its target
SHARP_WIDTH = 12  # drawing units; sets the scale of all accidentals

# One row per character: (character, output glyph name, Emmentaler glyph,
# horizontal rule, vertical rule, scale).
#   horizontal: ("centre", x) | ("left", x) | ("right", x) | ("span", x0, x1)
#               (span scales the glyph horizontally to fill x0..x1 exactly)
#   vertical:   ("top", y) | ("bottom", y) | ("centre", y) | ("origin",)
#               (origin keeps Emmentaler's own vertical position, scaled)
#   scale:      "staff" (one staff space = 20 units) or "accidental" (the
#               sharp is SHARP_WIDTH units wide)
GLYPHS = [
    ("@", "restWhole", "rests.0", ("centre", 10), ("top", 20), "staff"),
    ("A", "restHalf", "rests.1", ("centre", 10), ("bottom", 1), "staff"),
    ("B", "restQuarter", "rests.2", ("centre", 10), ("origin",), "staff"),
    ("C", "rest8th", "rests.3", ("centre", 10), ("origin",), "staff"),
    ("D", "rest16th", "rests.4", ("centre", 10), ("origin",), "staff"),
    ("E", "rest32nd", "rests.5", ("centre", 10), ("origin",), "staff"),
    ("G", "noteheadWhole", "noteheads.s0", ("left", 0), ("origin",), "staff"),
    ("H", "noteheadHalf", "noteheads.s1", ("span", -0.5, 20.5), ("origin",), "staff"),
    ("I", "noteheadBlack", "noteheads.s2", ("span", -0.5, 20.5), ("origin",), "staff"),
    ("J", "flag8thUp", "flags.u3", ("left", -1), ("top", 2), "staff"),
    ("K", "flag16thUp", "flags.u4", ("left", -1), ("top", 2), "staff"),
    ("Q", "flag32ndUp", "flags.u5", ("left", -1), ("top", 2), "staff"),
    ("L", "flag8thDown", "flags.d3", ("left", -1), ("bottom", -1), "staff"),
    ("M", "flag16thDown", "flags.d4", ("left", -1), ("bottom", -1), "staff"),
    ("T", "flag32ndDown", "flags.d5", ("left", -1), ("bottom", -1), "staff"),
    (";", "gClef", "clefs.G", ("left", 0), ("origin",), "staff"),
    ("<", "fClef", "clefs.F", ("left", 0), ("origin",), "staff"),
    ("=", "accidentalSharp", "accidentals.sharp", ("right", 16), ("origin",), "accidental"),
    ("?", "accidentalFlat", "accidentals.flat", ("right", 16), ("origin",), "accidental"),
    (">", "accidentalNatural", "accidentals.natural", ("right", 16), ("origin",), "accidental"),
    ("R", "accidentalDoubleSharp", "accidentals.doublesharp", ("right", 16), ("origin",), "accidental"),
    ("S", "accidentalDoubleFlat", "accidentals.flatflat", ("right", 16), ("origin",), "accidental"),
    ("N", "augmentationDot", "dots.dot", ("centre", 4), ("centre", 12), "staff"),
    ("*", "articAccent", "scripts.sforzato", ("centre", 15.5), ("centre", 0), "staff"),
] + [
    (str(d), "timeSig%d" % d, name, ("left", 0), ("centre", 0), "staff")
    for d, name in enumerate(
        ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"])
]

# "No flag": an empty character of advance width 0, so that the drawing code
# can draw a flag for every duration.
EMPTY = ("P", "flagNone")

FAMILY = "LarkNotation"
PS_NAME = "LarkNotation-Regular"
VERSION = "1.0"
COPYRIGHT = ("Copyright (c) 1996-2017 The LilyPond authors (lilypond.org), "
             "original authors of the glyphs. LarkNotation is a modified version, "
             "made by Quillsong's tools/make_notation_font.py.")
LICENSE = ("This Font Software is licensed under the SIL Open Font License, "
           "Version 1.1 (see OFL.txt beside the font, or https://openfontlicense.org).")
LICENSE_URL = "https://openfontlicense.org"
# Names the derived font must not carry (the original's reserved font names).
RESERVED_NAMES = ["emmentaler", "feta"]


def fail(message):
    print("error: " + message, file=sys.stderr)
    sys.exit(1)


# --------------------------------------------------------------------------
# The source font

def version_key(path):
    """Sort key for /usr/share/lilypond/<version>/...: numeric parts compared as numbers."""
    version = path.split(os.sep)[-4]
    return [int(p) if p.isdigit() else p for p in re.split(r"[.\-]", version)]


def find_source():
    paths = glob.glob("/usr/share/lilypond/*/fonts/otf/emmentaler-20.otf")
    if not paths:
        fail("no /usr/share/lilypond/*/fonts/otf/emmentaler-20.otf; "
             "install LilyPond's fonts (Debian package lilypond-fonts)")
    return sorted(paths, key=version_key)[-1]


def sfnt_tables(data):
    """Map of table tag -> bytes of an OpenType file."""
    count = struct.unpack(">H", data[4:6])[0]
    tables = {}
    for i in range(count):
        tag, _checksum, offset, length = struct.unpack(
            ">4sIII", data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode("latin-1")] = data[offset:offset + length]
    return tables


def staff_space_of(path, source):
    """Emmentaler's staff space in its own font units.

    LilyPond stores the font's parameters in its private 'LILY' table as
    Scheme pairs, e.g. "(staff_space . 5)" and "(design_size . 20.0)", in
    points; the em square is the design size. The black note head's width,
    also given there, is compared with the outline as a check of that reading,
    and the note head's height (a staff space plus the overlap onto the staff
    lines) must come out close to one staff space.
    """
    with open(path, "rb") as f:
        tables = sfnt_tables(f.read())
    if "LILY" not in tables:
        fail("%s has no LILY table giving the staff space" % path)
    params = dict(re.findall(r"\((\w+) \. ([-0-9.]+)\)", tables["LILY"].decode("latin-1")))
    for key in ("staff_space", "design_size", "black_notehead_width"):
        if key not in params:
            fail("the LILY table lacks %s" % key)
    units_per_point = source.em / float(params["design_size"])
    staff_space = float(params["staff_space"]) * units_per_point

    head = source["noteheads.s2"].boundingBox()
    head_width = head[2] - head[0]
    head_height = head[3] - head[1]
    expected_width = float(params["black_notehead_width"]) * units_per_point
    print("Emmentaler: %s" % path)
    print("  LILY table: staff_space %s pt, design_size %s pt, em %d units"
          % (params["staff_space"], params["design_size"], source.em))
    print("  staff space = %.3f units; black note head %.1f x %.1f units "
          "(LILY says width %.2f), height %.3f staff spaces"
          % (staff_space, head_width, head_height, expected_width, head_height / staff_space))
    if abs(head_width - expected_width) > 1:
        fail("noteheads.s2 is %.2f units wide, the LILY table says %.2f"
             % (head_width, expected_width))
    if not 0.9 <= head_height / staff_space <= 1.2:
        fail("noteheads.s2 is %.2f staff spaces high, expected about one"
             % (head_height / staff_space))
    return staff_space


def source_glyph(source, char, name):
    if name not in source:
        fail("Emmentaler has no glyph %s" % name)
    glyph = source[name]
    if char.isdigit() and glyph.unicode != ord(char):
        fail("Emmentaler's %s is U+%04X, expected the digit %s"
             % (name, glyph.unicode, char))
    return glyph


# --------------------------------------------------------------------------
# Building

def scales(source, staff_space):
    """Drawing units per Emmentaler unit, for the two scale kinds."""
    staff = STAFF_SPACE / staff_space
    sharp = source["accidentals.sharp"].boundingBox()
    accidental = SHARP_WIDTH / (sharp[2] - sharp[0])
    return {"staff": staff, "accidental": accidental}


def place(glyph, horizontal, vertical, scale):
    """Scale the outline from Emmentaler units to font units and move it."""
    s = scale * FU
    sx = s
    if horizontal[0] == "span":
        x0, _, x1, _ = glyph.boundingBox()
        sx = (horizontal[2] - horizontal[1]) * FU / (x1 - x0)
    glyph.transform(psMat.scale(sx, s))

    x0, y0, x1, y1 = glyph.boundingBox()
    kind = horizontal[0]
    if kind == "centre":
        dx = horizontal[1] * FU - (x0 + x1) / 2
    elif kind in ("left", "span"):
        dx = horizontal[1] * FU - x0
    elif kind == "right":
        dx = horizontal[1] * FU - x1
    else:
        raise ValueError(horizontal)
    kind = vertical[0]
    if kind == "origin":
        dy = 0
    elif kind == "top":
        dy = vertical[1] * FU - y1
    elif kind == "bottom":
        dy = vertical[1] * FU - y0
    elif kind == "centre":
        dy = vertical[1] * FU - (y0 + y1) / 2
    else:
        raise ValueError(vertical)
    glyph.transform(psMat.translate(dx, dy))
    return sx / FU


def build(source, staff_space, out_path):
    factor = scales(source, staff_space)

    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.is_quadratic = False
    # FontForge's own ascent and descent make up the em; the cell's metrics
    # go into the tables the renderers read, below.
    font.em = UPM
    font.ascent = round(UPM * BASELINE / CELL)
    font.descent = UPM - font.ascent
    font.fontname = PS_NAME
    font.familyname = FAMILY
    font.fullname = FAMILY
    font.weight = "Regular"
    font.version = VERSION
    font.sfntRevision = float(VERSION)
    font.copyright = COPYRIGHT
    font.os2_weight = 400
    font.os2_fstype = 0
    for attr, value in (("hhea_ascent", ASCENT), ("hhea_descent", -DESCENT),
                        ("os2_typoascent", ASCENT), ("os2_typodescent", -DESCENT),
                        ("os2_winascent", ASCENT), ("os2_windescent", DESCENT)):
        setattr(font, attr + "_add", False)
        setattr(font, attr, value)
    font.hhea_linegap = 0
    font.os2_typolinegap = 0
    font.os2_use_typo_metrics = True
    for key, value in (("Copyright", COPYRIGHT), ("Family", FAMILY),
                       ("SubFamily", "Regular"), ("UniqueID", PS_NAME + " " + VERSION),
                       ("Fullname", FAMILY), ("Version", "Version " + VERSION),
                       ("PostScriptName", PS_NAME), ("Designer", "The LilyPond authors"),
                       ("Descriptor", "Music symbols for Quillsong, made from "
                                      "LilyPond's notation font"),
                       ("License", LICENSE), ("License URL", LICENSE_URL)):
        font.appendSFNTName("English (US)", key, value)

    notdef = font.createChar(-1, ".notdef")
    pen = notdef.glyphPen()
    for x0, y0, x1, y1, clockwise in ((0, 0, 12, 20, True), (1, 1, 11, 19, False)):
        corners = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not clockwise:
            corners.reverse()
        pen.moveTo(*(round(c * FU) for c in corners[0]))
        for corner in corners[1:]:
            pen.lineTo(*(round(c * FU) for c in corner))
        pen.closePath()
    pen = None
    notdef.width = round(14 * FU)

    space = font.createChar(0x20, "space")
    space.width = SPACE_ADVANCE

    used = {}
    for char, name, src_name, horizontal, vertical, kind in GLYPHS:
        glyph = font.createChar(ord(char), name)
        glyph.foreground = source_glyph(source, char, src_name).foreground
        used[char] = place(glyph, horizontal, vertical, factor[kind])
        glyph.width = round(glyph.boundingBox()[2] + ADVANCE_GAP * FU)
        glyph.autoHint()

    empty = font.createChar(ord(EMPTY[0]), EMPTY[1])
    empty.width = 0

    # no-FFTM-table: FontForge's own table holds its build date.
    font.generate(out_path, flags=("opentype", "no-FFTM-table"))
    font.close()
    return factor, used


# --------------------------------------------------------------------------
# Checking the written font

def expected_box(source_box, horizontal, vertical, scale):
    """Where a glyph must lie, in drawing units, computed from the rules."""
    x0, y0, x1, y1 = source_box
    width = (x1 - x0) * scale
    height = (y1 - y0) * scale
    kind = horizontal[0]
    if kind == "centre":
        left = horizontal[1] - width / 2
    elif kind == "left":
        left = horizontal[1]
    elif kind == "right":
        left = horizontal[1] - width
    elif kind == "span":
        left, width = horizontal[1], horizontal[2] - horizontal[1]
    kind = vertical[0]
    if kind == "origin":
        bottom = y0 * scale
    elif kind == "top":
        bottom = vertical[1] - height
    elif kind == "bottom":
        bottom = vertical[1]
    elif kind == "centre":
        bottom = vertical[1] - height / 2
    return (left, bottom, left + width, bottom + height)


def name_records(data):
    """(nameID, string) pairs of a font's name table (Windows Unicode records)."""
    table = sfnt_tables(data)["name"]
    _fmt, count, strings = struct.unpack(">HHH", table[:6])
    records = []
    for i in range(count):
        platform, _enc, _lang, name_id, length, offset = struct.unpack(
            ">HHHHHH", table[6 + 12 * i:18 + 12 * i])
        raw = table[strings + offset:strings + offset + length]
        records.append((name_id, raw.decode("utf-16-be") if platform in (0, 3)
                        else raw.decode("latin-1")))
    return records


def check(out_path, source, factor):
    problems = []

    def expect(condition, message):
        if not condition:
            problems.append(message)

    with open(out_path, "rb") as f:
        data = f.read()
    tables = sfnt_tables(data)

    # Metrics, read from the tables themselves.
    units_per_em = struct.unpack(">H", tables["head"][18:20])[0]
    created, modified = struct.unpack(">qq", tables["head"][20:36])
    hhea_asc, hhea_desc, hhea_gap = struct.unpack(">hhh", tables["hhea"][4:10])
    typo_asc, typo_desc, typo_gap, win_asc, win_desc = struct.unpack(
        ">hhhHH", tables["OS/2"][68:78])
    print("metrics: em %d; hhea %d/%d gap %d; typo %d/%d gap %d; win %d/%d"
          % (units_per_em, hhea_asc, hhea_desc, hhea_gap, typo_asc, typo_desc,
             typo_gap, win_asc, win_desc))
    expect(units_per_em == UPM, "units per em %d" % units_per_em)
    expect((hhea_asc, hhea_desc, hhea_gap) == (ASCENT, -DESCENT, 0),
           "hhea ascent/descent/gap %d/%d/%d" % (hhea_asc, hhea_desc, hhea_gap))
    expect((typo_asc, typo_desc, typo_gap) == (ASCENT, -DESCENT, 0),
           "OS/2 typo ascent/descent/gap %d/%d/%d" % (typo_asc, typo_desc, typo_gap))
    expect((win_asc, win_desc) == (ASCENT, DESCENT),
           "OS/2 win ascent/descent %d/%d" % (win_asc, win_desc))
    mac_epoch_offset = 2082844800  # seconds from 1904-01-01 to 1970-01-01
    expect(created == modified == FIXED_TIME + mac_epoch_offset,
           "head dates %d/%d are not the fixed date" % (created, modified))

    # Names: ours, and none of the original's reserved names anywhere.
    names = dict(name_records(data))
    for name_id, value in ((1, FAMILY), (2, "Regular"), (4, FAMILY), (5, "Version " + VERSION),
                           (6, PS_NAME)):
        expect(names.get(name_id) == value,
               "name %d is %r, expected %r" % (name_id, names.get(name_id), value))
    expect("LilyPond" in names.get(0, ""), "the copyright does not name the LilyPond authors")
    expect("Open Font License" in names.get(13, ""), "the licence does not name the OFL")
    lowered = data.lower()
    for word in RESERVED_NAMES:
        expect(word.encode("ascii") not in lowered
               and word.encode("utf-16-be") not in lowered,
               "the font contains the reserved name %r" % word)

    font = fontforge.open(out_path)
    expect(font.fontname == PS_NAME, "PostScript name %s" % font.fontname)
    expect(font.familyname == FAMILY, "family name %s" % font.familyname)
    expect(font.weight == "Regular", "weight %s" % font.weight)

    # The character map holds exactly our characters.
    mapped = sorted(chr(g.unicode) for g in font.glyphs() if g.unicode >= 0)
    wanted = sorted([row[0] for row in GLYPHS] + [EMPTY[0], " "])
    expect(mapped == wanted, "mapped characters %r, expected %r"
           % ("".join(mapped), "".join(wanted)))
    expect(".notdef" in font, "no .notdef")
    expect(font[0x20].width == SPACE_ADVANCE, "space advance %d" % font[0x20].width)

    empty = font[ord(EMPTY[0])]
    expect(empty.width == 0 and len(empty.foreground) == 0,
           "%r is not empty with advance 0" % EMPTY[0])

    print()
    print("char  glyph                  from                      "
          "left    bottom   right    top    advance  (drawing units)")
    for char, name, src_name, horizontal, vertical, kind in GLYPHS:
        glyph = font[ord(char)]
        box = tuple(v / FU for v in glyph.boundingBox())
        advance = glyph.width / FU
        print("%-5s %-22s %-24s %7.2f %8.2f %7.2f %7.2f %8.2f"
              % (char, glyph.glyphname, src_name, box[0], box[1], box[2], box[3], advance))
        expect(glyph.glyphname == name, "%r is named %s" % (char, glyph.glyphname))
        expect(len(glyph.foreground) > 0, "%r has no outline" % char)
        target = expected_box(source[src_name].boundingBox(), horizontal, vertical,
                              factor[kind])
        for side, got, want in zip(("left", "bottom", "right", "top"), box, target):
            expect(abs(got - want) <= TOLERANCE,
                   "%r (%s): %s edge at %.2f, expected %.2f" % (char, name, side, got, want))
        expect(abs(advance - (box[2] + ADVANCE_GAP)) <= TOLERANCE,
               "%r: advance %.2f, right edge %.2f" % (char, advance, box[2]))
    print("%-5s %-22s %-24s %s" % (EMPTY[0], EMPTY[1], "(empty)", "no contours, advance 0"))
    font.close()
    return problems


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    args = sys.argv[1:]
    if len(args) > 1 or (args and args[0].startswith("-")):
        print(__doc__.strip().split("\n\n")[1], file=sys.stderr)
        sys.exit(2)
    out_path = args[0] if args else os.path.join(root, "assets", "fonts", "LarkNotation.otf")
    out_dir = os.path.dirname(os.path.abspath(out_path))
    os.makedirs(out_dir, exist_ok=True)

    path = find_source()
    source = fontforge.open(path)
    staff_space = staff_space_of(path, source)
    factor, used = build(source, staff_space, out_path)
    print("scale: %.6f drawing units per Emmentaler unit (%.6f font units); "
          "accidentals %.6f (%.6f font units, %.4f of the staff scale)"
          % (factor["staff"], factor["staff"] * FU, factor["accidental"],
             factor["accidental"] * FU, factor["accidental"] / factor["staff"]))
    for char in ("H", "I"):
        print("  %r: horizontal %.6f drawing units per unit (%.4f of the staff scale)"
              % (char, used[char], used[char] / factor["staff"]))
    print("wrote %s" % out_path)

    problems = check(out_path, source, factor)

    # The same input must give the same bytes.
    with tempfile.TemporaryDirectory() as tmp:
        again = os.path.join(tmp, "again.otf")
        build(source, staff_space, again)
        with open(out_path, "rb") as a, open(again, "rb") as b:
            if a.read() != b.read():
                problems.append("a second build gave different bytes")
    source.close()

    print()
    if problems:
        for problem in problems:
            print("FAILED: " + problem, file=sys.stderr)
        sys.exit(1)
    print("all checks passed")


if __name__ == "__main__":
    main()
