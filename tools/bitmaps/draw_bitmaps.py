#!/usr/bin/env python3
"""Draws the add-in's bitmaps from their text descriptions.

Each description is a small drawing made of one command a line ('#' starts
a comment):

    size W H                      a new canvas; every pixel unpainted
    fill RRGGBB                   paint every pixel
    rect X Y W H RRGGBB           a filled rectangle
    gradient X Y W H TOP BOTTOM   a rectangle blending from TOP to BOTTOM
    disc CX CY R RRGGBB           a filled circle: the pixels whose centre
                                  lies within R of (CX, CY)
    colour K RRGGBB               names a colour for grids by one character
    grid X Y [SCALE]              pixel rows follow, up to a line 'end'; each
                                  character is a named colour, '.' leaves the
                                  pixel as it is; SCALE enlarges every pixel
    mask NAME NAME ...            instead of drawing: the mask of these
                                  drawings, which must all cover the same
                                  pixels: black where they are painted,
                                  white where they are not

Unpainted pixels are written white; they are the transparent ones of a
button face. Each NAME.txt becomes NAME.bmp (24 bits per pixel, bottom-up,
uncompressed) in the output folder.

    draw_bitmaps.py --out FOLDER DRAWING.txt...
"""

import argparse
import os
import struct
import sys

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


class DrawingError(Exception):
    pass


def parse_colour(text):
    if len(text) != 6:
        raise DrawingError("colour %r is not RRGGBB" % text)
    try:
        return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))
    except ValueError:
        raise DrawingError("colour %r is not RRGGBB" % text)


class Canvas:
    def __init__(self, width, height):
        if width <= 0 or height <= 0:
            raise DrawingError("empty canvas")
        self.width = width
        self.height = height
        self.pixels = [[None] * width for _ in range(height)]

    def paint(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def painted(self):
        return [[p is not None for p in row] for row in self.pixels]


def draw(lines, name):
    canvas = None
    colours = {}
    rows = iter(enumerate(lines, 1))
    for number, line in rows:
        words = line.split("#", 1)[0].split()
        if not words:
            continue
        command, args = words[0], words[1:]
        try:
            if command == "size":
                canvas = Canvas(int(args[0]), int(args[1]))
                continue
            if command == "mask":
                return ("mask", args)
            if canvas is None:
                raise DrawingError("'size' must come first")
            if command == "fill":
                colour = parse_colour(args[0])
                for y in range(canvas.height):
                    for x in range(canvas.width):
                        canvas.paint(x, y, colour)
            elif command == "rect":
                x0, y0, w, h = (int(a) for a in args[:4])
                colour = parse_colour(args[4])
                for y in range(y0, y0 + h):
                    for x in range(x0, x0 + w):
                        canvas.paint(x, y, colour)
            elif command == "gradient":
                x0, y0, w, h = (int(a) for a in args[:4])
                top, bottom = parse_colour(args[4]), parse_colour(args[5])
                for y in range(y0, y0 + h):
                    t = (y - y0) / max(h - 1, 1)
                    colour = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
                    for x in range(x0, x0 + w):
                        canvas.paint(x, y, colour)
            elif command == "disc":
                cx, cy, r = (float(a) for a in args[:3])
                colour = parse_colour(args[3])
                for y in range(canvas.height):
                    for x in range(canvas.width):
                        if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                            canvas.paint(x, y, colour)
            elif command == "colour":
                if len(args[0]) != 1 or args[0] == ".":
                    raise DrawingError("a colour key is one character other than '.'")
                colours[args[0]] = parse_colour(args[1])
            elif command == "grid":
                x0, y0 = int(args[0]), int(args[1])
                scale = int(args[2]) if len(args) > 2 else 1
                grid = []
                for number, row in rows:
                    row = row.strip()
                    if row == "end":
                        break
                    grid.append(row)
                else:
                    raise DrawingError("grid without 'end'")
                if len({len(row) for row in grid}) > 1:
                    raise DrawingError("grid rows of different lengths")
                for gy, row in enumerate(grid):
                    for gx, key in enumerate(row):
                        if key == ".":
                            continue
                        if key not in colours:
                            raise DrawingError("colour %r is not named" % key)
                        for dy in range(scale):
                            for dx in range(scale):
                                canvas.paint(x0 + gx * scale + dx, y0 + gy * scale + dy,
                                             colours[key])
            else:
                raise DrawingError("unknown command %r" % command)
        except (IndexError, ValueError) as error:
            raise DrawingError("%s:%d: bad arguments (%s)" % (name, number, error))
        except DrawingError as error:
            raise DrawingError("%s:%d: %s" % (name, number, error))
    if canvas is None:
        raise DrawingError("%s: nothing drawn" % name)
    return ("canvas", canvas)


def mask_of(name, faces):
    shapes = {face: canvas.painted() for face, canvas in faces.items()}
    first = next(iter(shapes.values()))
    for face, shape in shapes.items():
        if shape != first:
            raise DrawingError("%s: %s does not cover the same pixels as the others"
                               % (name, face))
    some = next(iter(faces.values()))
    mask = Canvas(some.width, some.height)
    for y, row in enumerate(first):
        for x, opaque in enumerate(row):
            mask.paint(x, y, BLACK if opaque else WHITE)
    return mask


def bmp_bytes(canvas):
    stride = (canvas.width * 3 + 3) // 4 * 4
    body = bytearray()
    for row in reversed(canvas.pixels):  # bottom-up
        for pixel in row:
            r, g, b = pixel if pixel is not None else WHITE
            body += bytes((b, g, r))
        body += b"\0" * (stride - canvas.width * 3)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(body),
                       2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + bytes(body)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("drawings", nargs="+")
    options = parser.parse_args(argv)

    canvases, masks = {}, {}
    try:
        for path in options.drawings:
            name = os.path.splitext(os.path.basename(path))[0]
            with open(path, encoding="ascii") as source:
                kind, result = draw(source.read().splitlines(), name)
            (canvases if kind == "canvas" else masks)[name] = result
        for name, faces in masks.items():
            missing = [face for face in faces if face not in canvases]
            if missing or not faces:
                raise DrawingError("%s: no drawing named %s" % (name, ", ".join(missing)))
            canvases[name] = mask_of(name, {face: canvases[face] for face in faces})
    except (OSError, DrawingError) as error:
        print("draw_bitmaps: %s" % error, file=sys.stderr)
        return 1

    os.makedirs(options.out, exist_ok=True)
    for name, canvas in canvases.items():
        with open(os.path.join(options.out, name + ".bmp"), "wb") as out:
            out.write(bmp_bytes(canvas))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
