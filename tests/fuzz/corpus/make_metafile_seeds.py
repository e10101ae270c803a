#!/usr/bin/env python3
"""Writes the metafile seeds of the fuzz corpus: a placeable and a plain 16-bit
metafile and an enhanced metafile, each with a few records of every kind the
players draw (shapes, pens, brushes, fonts and text, bitmaps, saved states),
and one of each kind with curves, paths, clipping, regions and transforms.

Run from this folder: python3 make_metafile_seeds.py"""

import struct

DIB = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 24, 0, 16, 0, 0, 0, 0) + bytes(
    [0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0])
MASK = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, 1, 0, 8, 0, 0, 2, 0) + struct.pack(
    "<II", 0, 0xFFFFFF) + bytes([0x80, 0, 0, 0, 0x40, 0, 0, 0])


def wmf_record(function, words, tail=b""):
    if len(tail) % 2:
        tail += b"\0"
    body = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words) + tail
    return struct.pack("<IH", 3 + len(body) // 2, function) + body


def wmf(records, placeable):
    out = b""
    if placeable:
        out += struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, 400, 200, 192, 0, 0)
    out += struct.pack("<HHHIHIH", 1, 9, 0x0300, 0, 8, 0, 0)
    out += b"".join(records) + struct.pack("<IH", 3, 0)
    return out


WMF_RECORDS = [
    wmf_record(0x020B, [0, 0]),               # window origin
    wmf_record(0x020C, [200, 400]),           # window extent
    wmf_record(0x0103, [8]),                  # map mode
    wmf_record(0x02FA, [0, 2, 0, 0x00FF, 0]),  # pen, slot 0
    wmf_record(0x02FC, [0, 0x00FF, 0x0000, 0]),  # red brush, slot 1
    wmf_record(0x012D, [0]),
    wmf_record(0x012D, [1]),
    wmf_record(0x041B, [60, 120, 10, 10]),    # rectangle
    wmf_record(0x0418, [180, 380, 100, 200]),  # ellipse
    wmf_record(0x061C, [8, 8, 150, 300, 110, 210]),  # round rectangle
    wmf_record(0x0324, [3, 10, 150, 50, 190, 90, 150]),  # polygon
    wmf_record(0x0325, [3, 10, 10, 390, 10, 390, 190]),  # polyline
    wmf_record(0x0538, [2, 3, 3, 1, 1, 5, 1, 1, 5, 7, 7, 9, 7, 7, 9]),  # two polygons
    wmf_record(0x0817, [10, 10, 190, 390, 20, 20, 180, 380]),  # arc
    wmf_record(0x081A, [10, 10, 190, 390, 20, 20, 180, 380]),  # pie
    wmf_record(0x0830, [10, 10, 190, 390, 20, 20, 180, 380]),  # chord
    wmf_record(0x0214, [5, 5]), wmf_record(0x0213, [195, 395]),  # move, line
    wmf_record(0x041F, [0x00FF, 0, 100, 100]),  # pixel
    wmf_record(0x001E, []),                   # save
    wmf_record(0x0209, [0xFF00, 0x0000]),     # text colour
    wmf_record(0x0102, [1]),                  # transparent background
    wmf_record(0x012E, [24]),                 # baseline alignment
    wmf_record(0x02FB, [-20, 0, 0, 0, 700, 0, 0, 0, 0], b"DejaVu Sans\0"),  # font, slot 2
    wmf_record(0x012D, [2]),
    wmf_record(0x0521, [2], b"Hi" + struct.pack("<hh", 100, 20)),  # text out
    wmf_record(0x0A32, [120, 30, 2, 2, 20, 100, 140, 200], b"Go"),  # opaque text in a box
    wmf_record(0x0108, [2]),                  # character extra
    wmf_record(0x020A, [1, 5]),               # justification: one break, 5 units
    wmf_record(0x0521, [3], b"a b" + b"\0" + struct.pack("<hh", 80, 20)),  # text out
    wmf_record(0x02FB, [-20, 0, 450, 450, 400, 0, 0, 0, 3], b"DejaVu Sans\0"),  # turned font, slot 3
    wmf_record(0x012D, [3]),
    wmf_record(0x0A32, [150, 40, 3, 4, 140, 30, 170, 190], b"Abc\0" + struct.pack("<3h", 12, 10, 14)),
    wmf_record(0x0104, [7]),                  # exclusive-or
    wmf_record(0x02FA, [0, 9, 0, 0x00FF, 0]),  # wide pen, slot 4
    wmf_record(0x012D, [4]),
    wmf_record(0x0325, [3, 10, 10, 200, 190, 390, 10]),  # polyline
    wmf_record(0x0127, [-1]),                 # restore
    wmf_record(0x0B41, [0x0020, 0x00CC, 2, 2, 0, 0, 40, 80, 150, 20], DIB),  # stretched bitmap
    wmf_record(0x0F43, [0x0020, 0x00CC, 0, 2, 2, 0, 0, 40, 80, 150, 250], DIB),  # device-independent bitmap
    wmf_record(0x01F0, [1]),                  # delete the brush
]


def emf_record(rtype, fields, tail=b""):
    body = b"".join(struct.pack("<i" if f < 0 else "<I", f) for f in fields) + tail
    while len(body) % 4:
        body += b"\0"
    return struct.pack("<II", rtype, 8 + len(body)) + body


def utf16(text, units):
    data = text.encode("utf-16-le")
    return data + b"\0" * (2 * units - len(data))


EMF_RECORDS = [
    emf_record(17, [8]),                      # map mode
    emf_record(9, [200, 100]), emf_record(11, [200, 100]),  # window and viewport extents
    emf_record(38, [1, 0, 2, 0, 0x0000FF]),   # pen, slot 1
    emf_record(39, [2, 0, 0x00FF00, 0]),      # green brush, slot 2
    emf_record(37, [1]), emf_record(37, [2]),
    emf_record(43, [10, 10, 60, 40]),         # rectangle
    emf_record(42, [80, 5, 150, 45]),         # ellipse
    emf_record(44, [20, 50, 90, 90, 10, 10]),  # round rectangle
    emf_record(45, [100, 50, 180, 95, 100, 50, 180, 95]),  # arc
    emf_record(47, [100, 50, 180, 95, 180, 50, 100, 95]),  # pie
    emf_record(46, [100, 50, 180, 95, 100, 95, 180, 50]),  # chord
    emf_record(86, [0, 0, 0, 0, 3], struct.pack("<6h", 5, 95, 30, 60, 55, 95)),  # polygon16
    emf_record(4, [0, 0, 0, 0, 2, 0, 0, 199, 99]),  # polyline
    emf_record(91, [0, 0, 0, 0, 2, 6, 3, 3], struct.pack("<12h", 1, 1, 9, 1, 5, 9, 11, 1, 19, 1, 15, 9)),
    emf_record(27, [5, 5]), emf_record(54, [195, 95]),  # move, line
    emf_record(15, [50, 50, 0x00FF00FF]),     # pixel
    emf_record(33, []),                       # save
    emf_record(37, [0x80000000 | 5]),         # null brush
    emf_record(95, [3, 0, 0, 0, 0, 0x10000, 3, 0, 0xFF0000, 0]),  # wide geometric pen, slot 3
    emf_record(37, [3]),
    emf_record(43, [120, 10, 190, 40]),
    emf_record(34, [0xFFFFFFFF]),             # restore
    emf_record(22, [24]), emf_record(24, [0x800000]), emf_record(18, [1]),
    emf_record(82, [4, 0xFFFFFFEC, 0, 0, 0, 700, 0, 0], utf16("DejaVu Sans", 32)),  # font, slot 4
    emf_record(37, [4]),
    emf_record(84, [0, 0, 0, 0, 1, 0, 0, 20, 60, 2, 76, 0, 0, 0, 0, 0, 0], utf16("Hi", 2)),
    emf_record(83, [0, 0, 0, 0, 1, 0, 0, 120, 60, 2, 76, 2, 110, 55, 170, 80, 0], b"Go"),
    emf_record(81, [0, 0, 0, 0, 150, 60, 0, 0, 2, 2, 80, 40, 120, 16, 0, 0x00CC0020, 40, 30], DIB),
    emf_record(76, [0, 0, 0, 0, 5, 70, 20, 20, 0x00F00021, 0, 0] + [0] * 6 + [0, 0, 0, 0, 0, 0]),
    emf_record(82, [5, 0xFFFFFFEC, 0, 900, 900, 400, 0, 0x00030000], utf16("DejaVu Sans", 32)),  # turned, slot 5
    emf_record(37, [5]),
    emf_record(22, [3]),                      # right-aligned from the current position
    emf_record(84, [0, 0, 0, 0, 1, 0, 0, 40, 50, 2, 76, 0x2004, 30, 30, 90, 90, 80],
               utf16("Ab", 2) + struct.pack("<4i", 10, 3, 12, -2)),  # clipped, vertical distances
    emf_record(84, [0, 0, 0, 0, 1, 0, 0, 60, 50, 2, 76, 0x10, 0, 0, 0, 0, 0],
               struct.pack("<2H", 36, 72)),       # glyph numbers
    emf_record(78, [0, 0, 0, 0, 10, 10, 2, 2, 0xAACC0020, 0, 0, 0x3F800000, 0, 0, 0x3F800000, 0, 0,
                    0, 0, 128, 40, 168, 16, 0, 0, 0, 184, 48, 232, 8], DIB + MASK),  # masked copy
    emf_record(20, [7]),                      # exclusive-or
    emf_record(37, [3]),
    emf_record(46, [100, 50, 180, 95, 100, 95, 180, 50]),  # chord
    emf_record(40, [2]),                      # delete the brush
]


def f32(*values):
    return struct.pack("<%df" % len(values), *values)


def region_data(*rects):
    return struct.pack("<IIII4i", 32, 1, len(rects), 16 * len(rects), 0, 0, 200, 100) + b"".join(
        struct.pack("<4i", *r) for r in rects)


RGN = region_data((10, 10, 60, 40), (80, 20, 150, 90))

EMF_GEOMETRY_RECORDS = [
    emf_record(85, [0, 0, 0, 0, 4], struct.pack("<8h", 10, 90, 20, 0, 70, 100, 90, 20)),  # curve16
    emf_record(27, [10, 50]),
    emf_record(5, [0, 0, 0, 0, 3, 40, 10, 60, 90, 100, 50]),  # curve from the position
    emf_record(56, [0, 0, 0, 0, 4, 10, 10, 40, 10, 40, 40, 10, 40], bytes([6, 2, 2, 3])),  # points of kinds
    emf_record(41, [100, 50, 30], f32(0.0, 135.0)),  # angle arc
    emf_record(57, [2]),                      # clockwise
    emf_record(55, [100, 10, 180, 90, 180, 50, 100, 10]),  # arc to
    emf_record(19, [2]),                      # winding
    emf_record(59, []), emf_record(43, [10, 10, 60, 60]), emf_record(42, [30, 30, 90, 90]),
    emf_record(61, []), emf_record(60, []), emf_record(63, [0, 0, 0, 0]),  # a path stroked and filled
    emf_record(59, []), emf_record(27, [5, 5]), emf_record(54, [150, 80]), emf_record(60, []),
    emf_record(66, []), emf_record(65, []), emf_record(62, [0, 0, 0, 0]),  # widened and filled
    emf_record(33, []),
    emf_record(30, [5, 5, 190, 95]), emf_record(29, [50, 50, 70, 70]),  # clip rectangles
    emf_record(75, [len(RGN), 3], RGN),       # region xor the clip
    emf_record(26, [3, 4]), emf_record(28, []),  # clip moved, meta region
    emf_record(59, []), emf_record(44, [20, 20, 120, 80, 30, 30]), emf_record(60, []),
    emf_record(67, [1]),                      # path and the clip
    emf_record(35, [], f32(0.8, 0.6, -0.6, 0.8, 40.0, -10.0)),  # rotation
    emf_record(36, [], f32(1.5, 0.0, 0.0, 1.5, 0.0, 0.0) + struct.pack("<I", 2)),
    emf_record(43, [10, 10, 60, 40]), emf_record(42, [80, 5, 150, 45]),
    emf_record(34, [-1]),
    emf_record(31, [3, 2, 1, 1]), emf_record(32, [1, 1, 2, 1]),  # extents scaled
    emf_record(71, [0, 0, 0, 0, len(RGN), 0x80000004], RGN),  # region filled
    emf_record(72, [0, 0, 0, 0, len(RGN), 0x80000004, 2, 3], RGN),  # framed
    emf_record(73, [0, 0, 0, 0, len(RGN)], RGN), emf_record(74, [0, 0, 0, 0, len(RGN)], RGN),
    emf_record(70, [8], b"EMF+" + bytes(4)),  # a comment of the newer records
    emf_record(75, [0, 5]),                   # no clip
]

WMF_REGION = struct.pack("<HHIHHH4h", 0, 6, 0, 42, 2, 4, 10, 10, 80, 60) + struct.pack(
    "<8H6H", 4, 10, 30, 10, 40, 50, 80, 4, 2, 30, 60, 20, 70, 2)

WMF_GEOMETRY_RECORDS = WMF_RECORDS[:7] + [
    wmf_record(0x06FF, [], WMF_REGION),       # region, slot 2
    wmf_record(0x0228, [2, 1]), wmf_record(0x0429, [2, 1, 2, 3]),  # filled, framed
    wmf_record(0x012B, [2]), wmf_record(0x012A, [2]),  # painted, inverted
    wmf_record(0x012C, [2]), wmf_record(0x0220, [5, 6]),  # selected as the clip, moved
    wmf_record(0x0416, [150, 300, 0, 0]), wmf_record(0x0415, [60, 60, 20, 20]),
    wmf_record(0x0106, [2]), wmf_record(0x0324, [5, 200, 4, 300, 180, 20, 70, 380, 70, 90, 180]),
    wmf_record(0x020F, [10, 20]), wmf_record(0x0211, [3, 4]),  # origins moved
    wmf_record(0x0410, [1, 1, 2, 1]), wmf_record(0x0412, [2, 1, 1, 1]),  # extents scaled
    wmf_record(0x041B, [60, 120, 10, 10]),
    wmf_record(0x0626, [15, 4, 0, 0]),        # an escape
]


def emf(records):
    body = b"".join(records)
    end = struct.pack("<IIIII", 14, 20, 0, 0, 20)
    size = 88 + len(body) + len(end)
    header = struct.pack("<II4i4iIIIIHHIIIiiii", 1, 88, 0, 0, 199, 99, 0, 0, 5080, 2540,
                         0x464D4520, 0x10000, size, len(records) + 2, 5, 0, 0, 0, 0,
                         1024, 768, 320, 240)
    return header + body + end


def vertex(x, y, red, green, blue):
    return struct.pack("<ii4H", x, y, red, green, blue, 0)


# Gradients, copies through a transparent colour and onto parallelograms,
# small text, text of several strings, a widened font, under a turn.
EMF_LATER_RECORDS = [
    emf_record(35, [], f32(0.8, 0.6, -0.6, 0.8, 40, -20)),
    emf_record(118, [0, 0, 0, 0, 3, 1, 2], vertex(10, 10, 0xFF00, 0, 0) + vertex(90, 10, 0, 0xFF00, 0) +
               vertex(10, 90, 0, 0, 0xFF00) + struct.pack("<3I", 0, 1, 2)),  # a triangle
    emf_record(118, [0, 0, 0, 0, 2, 1, 0], vertex(100, 10, 0xFF00, 0xFF00, 0) + vertex(190, 40, 0, 0, 0xFF00) +
               struct.pack("<2I", 0, 1)),  # a band across
    emf_record(116, [0, 0, 0, 0, 20, 40, 40, 40, 0xFFFFFF, 0, 0, 0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0,
                     108, 40, 148, 16, 2, 2], DIB),  # transparent copy
    emf_record(79, [0, 0, 0, 0, 100, 50, 160, 60, 110, 95, 0, 0, 2, 2, 0x3F800000, 0, 0, 0x3F800000, 0, 0, 0, 0,
                    140, 40, 180, 16, 0, 0, 0, 196, 48, 244, 8], DIB + MASK),  # parallelogram with a mask
    emf_record(82, [1, 0xFFFFFFEC, 30, 0, 0, 400, 0, 0], utf16("DejaVu Sans", 32)),  # a widened font
    emf_record(37, [1]),
    emf_record(108, [10, 80, 4, 0x300, 1, 0, 0], b"Tiny"),  # small text of bytes, no rectangle
    emf_record(108, [60, 80, 2, 0, 1, 0, 0, 50, 60, 120, 90], utf16("Go", 2)),  # with its rectangle
    emf_record(97, [0, 0, 0, 0, 1, 0, 0, 2, 10, 30, 2, 120, 0, 0, 0, 0, 0, 0, 90, 30, 2, 124, 4, 80, 20, 150,
                    40, 0], utf16("Ab", 2) + utf16("Cd", 2)),  # two strings
]

with open("metafile/later.emf", "wb") as f:
    f.write(emf(EMF_LATER_RECORDS))
with open("metafile/shapes-placeable.wmf", "wb") as f:
    f.write(wmf(WMF_RECORDS, True))
with open("metafile/shapes-plain.wmf", "wb") as f:
    f.write(wmf(WMF_RECORDS, False))
with open("metafile/shapes.emf", "wb") as f:
    f.write(emf(EMF_RECORDS))
with open("metafile/geometry.emf", "wb") as f:
    f.write(emf(EMF_GEOMETRY_RECORDS))
with open("metafile/geometry-placeable.wmf", "wb") as f:
    f.write(wmf(WMF_GEOMETRY_RECORDS, True))
