#!/usr/bin/env python3
"""Draws every picture of Qiv.exe and writes it into resources/art/.

Icons (ICO, a 32 x 32 and a 16 x 16 image of 256 colours each), cursors (CUR, 32 x 32
monochrome), bitmaps (BMP, 24 bits) and the start-up picture (GIF89a with its own LZW
encoder). Standard library only. The outputs are committed: the build does not run this.

    python3 resources/art/generate.py
"""

import math
import os
import struct

ART_DIR = os.path.dirname(os.path.abspath(__file__))

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RED = (255, 0, 0)
NAVY = (0, 0, 128)
GREY = (128, 128, 128)
LIGHT_GREY = (192, 192, 192)
EMPTY_GREY = (163, 163, 163)
DARK_GREY = (64, 64, 64)
GREEN = (0, 160, 40)
DARK_GREEN = (0, 90, 20)
TITLE_BLUE = (10, 60, 180)
OUTLINE = (30, 30, 50)

# The splash GIF keeps this palette index for its holes; the window region leaves them out.
GIF_TRANSPARENT_INDEX = 251


# ----------------------------------------------------------------------------------------
# Canvas and shapes

class Canvas:
    """A grid of RGB tuples (None where transparent). Shapes are given in design units, so
    one drawing serves several pixel sizes; a pixel belongs to a shape when its centre does."""

    def __init__(self, width, height, background=None, design=None):
        self.width = width
        self.height = height
        design_width, design_height = design or (width, height)
        self.scale_x = design_width / width
        self.scale_y = design_height / height
        self.rows = [[background] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def cells(self, shape):
        return {(x, y) for y in range(self.height) for x in range(self.width)
                if shape((x + 0.5) * self.scale_x, (y + 0.5) * self.scale_y)}

    def fill(self, shape, colour, outline=None):
        """Fills the shape with a colour, or with colour(x, y) per pixel for a gradient. With an
        outline colour, edge pixels (a 4-neighbour outside the shape) take it: one pixel wide at
        every size."""
        cells = self.cells(shape)
        for x, y in cells:
            edge = any((x + dx, y + dy) not in cells for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if outline is not None and edge:
                self.rows[y][x] = outline
            else:
                self.rows[y][x] = colour(x, y) if callable(colour) else colour

    def paste(self, source, left, top):
        for y, row in enumerate(source.rows):
            for x, colour in enumerate(row):
                if colour is not None:
                    self.put(left + x, top + y, colour)

    def art(self, lines, legend, left=0, top=0):
        """Pixel art: one string per row, one character per pixel; '.' leaves the pixel."""
        for y, line in enumerate(lines):
            for x, char in enumerate(line):
                if char != '.':
                    self.put(left + x, top + y, legend[char])


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1


def polygon(points):
    def inside(x, y):
        result = False
        for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                result = not result
        return result
    return inside


def round_rect(x0, y0, x1, y1, radius):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        dx = max(x0 + radius - x, x - (x1 - radius), 0)
        dy = max(y0 + radius - y, y - (y1 - radius), 0)
        return dx * dx + dy * dy <= radius * radius
    return inside


def union(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def minus(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def intersect(shape, other):
    return lambda x, y: shape(x, y) and other(x, y)


def rotated(shape, cx, cy, degrees):
    cos, sin = math.cos(math.radians(degrees)), math.sin(math.radians(degrees))
    return lambda x, y: shape(cx + (x - cx) * cos + (y - cy) * sin, cy - (x - cx) * sin + (y - cy) * cos)


def mirrored(lines):
    return [line[::-1] for line in lines]


# ----------------------------------------------------------------------------------------
# File formats

def bitmap_info_header(width, height, bit_count, image_size, colours_used=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bit_count, 0, image_size, 0, 0, colours_used, 0)


def padded(data, multiple=4):
    return bytes(data) + bytes(-len(data) % multiple)


def mask_row(bits):
    """Packs 0/1 values most significant bit first, padded to 32 bits as DIB rows are."""
    data = bytearray((len(bits) + 7) // 8)
    for x, bit in enumerate(bits):
        if bit:
            data[x // 8] |= 0x80 >> (x % 8)
    return padded(data)


def bmp_bytes(canvas):
    pixels = b''.join(padded(b''.join(bytes((b, g, r)) for r, g, b in row)) for row in reversed(canvas.rows))
    info = bitmap_info_header(canvas.width, canvas.height, 24, len(pixels))
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def icon_image_bytes(canvas):
    # Index 0 must be black: a transparent pixel is the screen ANDed with 1s, then XORed with it.
    colours = [BLACK] + sorted({c for row in canvas.rows for c in row if c not in (None, BLACK)})
    if len(colours) > 256:
        raise ValueError('an icon image holds more than 256 colours')
    index = {colour: i for i, colour in enumerate(colours)}
    palette = b''.join(bytes((b, g, r, 0)) for r, g, b in colours) + bytes(4 * (256 - len(colours)))
    rows = list(reversed(canvas.rows))
    colour_bits = b''.join(padded(bytes(index.get(c, 0) for c in row)) for row in rows)
    mask_bits = b''.join(mask_row([c is None for c in row]) for row in rows)
    info = bitmap_info_header(canvas.width, 2 * canvas.height, 8, len(colour_bits) + len(mask_bits))
    return info + palette + colour_bits + mask_bits


def ico_bytes(canvases):
    images = [icon_image_bytes(canvas) for canvas in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for canvas, image in zip(canvases, images):
        directory += struct.pack('<BBBBHHII', canvas.width, canvas.height, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    return directory + b''.join(images)


def cur_bytes(canvas, hotspot):
    """A monochrome cursor: black, white and transparent pixels."""
    rows = list(reversed(canvas.rows))
    colour_bits = b''.join(mask_row([c == WHITE for c in row]) for row in rows)
    mask_bits = b''.join(mask_row([c is None for c in row]) for row in rows)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    image = bitmap_info_header(canvas.width, 2 * canvas.height, 1, len(colour_bits) + len(mask_bits), 2)
    image += palette + colour_bits + mask_bits
    directory = struct.pack('<HHH', 0, 2, 1)
    directory += struct.pack('<BBBBHHII', canvas.width, canvas.height, 2, 0, hotspot[0], hotspot[1], len(image), 22)
    return directory + image


class BitWriter:
    """Packs codes least significant bit first, as GIF wants them."""

    def __init__(self):
        self.data = bytearray()
        self.accumulator = 0
        self.bit_count = 0

    def write(self, code, width):
        self.accumulator |= code << self.bit_count
        self.bit_count += width
        while self.bit_count >= 8:
            self.data.append(self.accumulator & 0xFF)
            self.accumulator >>= 8
            self.bit_count -= 8

    def finish(self):
        if self.bit_count:
            self.data.append(self.accumulator & 0xFF)
        return bytes(self.data)


def lzw_encode(indices, min_code_size):
    """GIF's variable-length LZW. The decoder adds each table entry one code later than the
    encoder, so the code width is taken from a mirror of the decoder's table size; that also
    gets the width of the end code right when the last entry would widen it."""
    clear_code = 1 << min_code_size
    end_code = clear_code + 1
    writer = BitWriter()
    decoder = {'width': min_code_size + 1, 'next': clear_code + 2, 'first': True}

    def emit(code):
        writer.write(code, decoder['width'])
        if code == clear_code:
            decoder.update(width=min_code_size + 1, next=clear_code + 2, first=True)
        elif decoder['first']:
            decoder['first'] = False
        elif decoder['next'] < 4096:
            decoder['next'] += 1
            if decoder['next'] == 1 << decoder['width'] and decoder['width'] < 12:
                decoder['width'] += 1

    emit(clear_code)
    table = {}
    next_code = clear_code + 2
    prefix = indices[0]
    for index in indices[1:]:
        code = table.get((prefix, index))
        if code is not None:
            prefix = code
            continue
        emit(prefix)
        if next_code < 4096:
            table[(prefix, index)] = next_code
            next_code += 1
        else:
            emit(clear_code)
            table = {}
            next_code = clear_code + 2
        prefix = index
    emit(prefix)
    emit(end_code)
    return writer.finish()


def gif_bytes(canvas):
    """GIF89a: 256-entry global table, one graphic control extension marking
    GIF_TRANSPARENT_INDEX transparent, one full-size, non-interlaced image."""
    colours = sorted({c for row in canvas.rows for c in row if c is not None})
    if len(colours) > GIF_TRANSPARENT_INDEX:
        raise ValueError('the picture holds more colours than the palette has room for')
    index = {colour: i for i, colour in enumerate(colours)}
    table = colours + [BLACK] * (256 - len(colours))
    table[GIF_TRANSPARENT_INDEX] = (255, 0, 255)
    pixels = [index[c] if c is not None else GIF_TRANSPARENT_INDEX for row in canvas.rows for c in row]
    data = lzw_encode(pixels, 8)

    out = bytearray(b'GIF89a')
    out += struct.pack('<HHBBB', canvas.width, canvas.height, 0xF7, 0, 0)
    out += b''.join(bytes(colour) for colour in table)
    out += struct.pack('<BBBBHBB', 0x21, 0xF9, 4, 0x01, 0, GIF_TRANSPARENT_INDEX, 0)
    out += struct.pack('<BHHHHB', 0x2C, 0, 0, canvas.width, canvas.height, 0)
    out.append(8)
    for start in range(0, len(data), 255):
        block = data[start:start + 255]
        out.append(len(block))
        out += block
    out += b'\x00\x3B'
    return bytes(out)


# ----------------------------------------------------------------------------------------
# Glyphs: digits 5 x 9 (the digit strip and the splash), letters for the splash title

DIGIT_GLYPHS = {
    '0': ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '#...#', '.###.'],
    '1': ['..#..', '.##..', '#.#..', '..#..', '..#..', '..#..', '..#..', '..#..', '#####'],
    '2': ['.###.', '#...#', '....#', '....#', '...#.', '..#..', '.#...', '#....', '#####'],
    '3': ['.###.', '#...#', '....#', '....#', '..##.', '....#', '....#', '#...#', '.###.'],
    '4': ['...#.', '..##.', '.#.#.', '#..#.', '#..#.', '#####', '...#.', '...#.', '...#.'],
    '5': ['#####', '#....', '#....', '####.', '....#', '....#', '....#', '#...#', '.###.'],
    '6': ['..##.', '.#...', '#....', '#....', '####.', '#...#', '#...#', '#...#', '.###.'],
    '7': ['#####', '....#', '....#', '...#.', '...#.', '..#..', '..#..', '.#...', '.#...'],
    '8': ['.###.', '#...#', '#...#', '#...#', '.###.', '#...#', '#...#', '#...#', '.###.'],
    '9': ['.###.', '#...#', '#...#', '#...#', '.####', '....#', '....#', '...#.', '.##..'],
}

TEXT_GLYPHS = dict(DIGIT_GLYPHS, **{
    'Q': ['.###.', '#...#', '#...#', '#...#', '#...#', '#...#', '#.#.#', '#..#.', '.##.#'],
    'i': ['.', '#', '.', '#', '#', '#', '#', '#', '#'],
    'v': ['.....', '.....', '.....', '#...#', '#...#', '#...#', '.#.#.', '.#.#.', '..#..'],
    'd': ['....#', '....#', '....#', '.####', '#...#', '#...#', '#...#', '#...#', '.####'],
    'e': ['.....', '.....', '.....', '.###.', '#...#', '#####', '#....', '#...#', '.###.'],
    's': ['.....', '.....', '.....', '.####', '#....', '.###.', '....#', '....#', '####.'],
    'k': ['#...', '#...', '#...', '#..#', '#.#.', '##..', '#.#.', '#..#', '#..#'],
    'r': ['....', '....', '....', '#.##', '##..', '#...', '#...', '#...', '#...'],
    'o': ['.....', '.....', '.....', '.###.', '#...#', '#...#', '#...#', '#...#', '.###.'],
    'n': ['.....', '.....', '.....', '#.##.', '##..#', '#...#', '#...#', '#...#', '#...#'],
    '.': ['.', '.', '.', '.', '.', '.', '.', '.', '#'],
    ' ': ['...'] * 9,
})


def text_width(text, scale):
    return scale * (sum(len(TEXT_GLYPHS[char][0]) for char in text) + len(text) - 1)


def draw_text(canvas, text, left, top, scale, colour):
    for char in text:
        glyph = TEXT_GLYPHS[char]
        for y, line in enumerate(glyph):
            for x, pixel in enumerate(line):
                if pixel == '#':
                    for dy in range(scale):
                        for dx in range(scale):
                            canvas.put(left + x * scale + dx, top + y * scale + dy, colour)
        left += (len(glyph[0]) + 1) * scale


def draw_centred_text(canvas, text, top, scale, colour, shadow=None):
    left = (canvas.width - text_width(text, scale)) // 2
    if shadow:
        draw_text(canvas, text, left + scale // 2 + 1, top + scale // 2 + 1, scale, shadow)
    draw_text(canvas, text, left, top, scale, colour)


# ----------------------------------------------------------------------------------------
# Icon motifs, drawn on a 32 x 32 design grid

def draw_screens(c):
    """The program: four screens, each with its own desktop."""
    desktops = [(40, 110, 230), (30, 160, 90), (240, 150, 40), (150, 80, 190)]
    for (x0, y0), desktop in zip([(0, 2), (17, 2), (0, 17), (17, 17)], desktops):
        c.fill(round_rect(x0, y0, x0 + 15, y0 + 13, 2), (40, 50, 80), outline=OUTLINE)
        c.fill(rect(x0 + 2, y0 + 2, x0 + 13, y0 + 11), desktop)
        c.fill(rect(x0 + 4, y0 + 4, x0 + 10, y0 + 9), WHITE)
        c.fill(rect(x0 + 4, y0 + 4, x0 + 10, y0 + 6), OUTLINE)
        c.fill(rect(x0 + 6, y0 + 13, x0 + 10, y0 + 15), DARK_GREY)


def draw_window(c):
    """Any window that has no icon of its own."""
    c.fill(rect(2, 4, 30, 28), WHITE, outline=DARK_GREY)
    c.fill(rect(2, 4, 30, 10), TITLE_BLUE, outline=DARK_GREY)
    c.fill(rect(23, 6, 27, 8), WHITE)
    for top in (13, 17, 21):
        c.fill(rect(6, top, 22 + top % 3 * 2, top + 1), LIGHT_GREY)


def draw_box(c):
    """Misc: a taped cardboard box."""
    edge = (100, 60, 20)
    c.fill(rect(2, 12, 24, 30), (215, 165, 95), outline=edge)
    c.fill(polygon([(2, 12.5), (10, 4), (32, 4), (24, 12.5)]), (235, 195, 130), outline=edge)
    c.fill(polygon([(23.5, 12), (31.5, 4), (31.5, 22), (23.5, 30)]), (175, 125, 60), outline=edge)
    c.fill(union(polygon([(11, 12), (19, 4), (23, 4), (15, 12)]), rect(11, 12, 15, 20)), (245, 235, 200))


def draw_monitor(c, screen_colour):
    c.fill(rect(12, 24, 20, 28), GREY, outline=DARK_GREY)
    c.fill(round_rect(6, 27, 26, 31, 1), GREY, outline=DARK_GREY)
    c.fill(round_rect(1, 3, 31, 25, 2), (70, 70, 80), outline=OUTLINE)
    c.fill(rect(4, 6, 28, 22), screen_colour, outline=(40, 40, 50))


def draw_empty_screen(c):
    """A screen without windows."""
    draw_monitor(c, (210, 225, 240))


def draw_lock(c):
    c.fill(minus(ellipse(16, 12, 9, 9), union(ellipse(16, 12, 5, 5), rect(0, 13, 32, 32))), (170, 170, 180),
           outline=(70, 70, 80))
    c.fill(rect(7, 12, 11, 15), (170, 170, 180), outline=(70, 70, 80))
    c.fill(rect(21, 12, 25, 15), (170, 170, 180), outline=(70, 70, 80))
    c.fill(round_rect(4, 14, 28, 31, 3), (235, 185, 40), outline=(120, 80, 0))
    c.fill(union(ellipse(16, 20, 3, 3), rect(14, 20, 18, 27)), (60, 40, 0))


def draw_house(c):
    """Main: a house."""
    c.fill(rect(21, 4, 26, 12), (170, 60, 40), outline=(100, 30, 20))
    c.fill(rect(5, 14, 27, 30), (250, 235, 195), outline=(120, 80, 40))
    c.fill(polygon([(0, 16), (16, 2), (32, 16)]), (210, 50, 35), outline=(110, 20, 10))
    c.fill(rect(9, 19, 15, 30), (150, 90, 40), outline=(90, 50, 20))
    c.fill(rect(18, 19, 24, 25), (150, 200, 250), outline=(90, 50, 20))


def draw_globe(c):
    """The Web: a globe."""
    globe = ellipse(16, 16, 14, 14)
    c.fill(globe, (40, 120, 230), outline=(10, 40, 120))
    land = union(ellipse(10, 10, 6, 5), ellipse(8, 18, 3, 5), ellipse(22, 21, 6, 6), ellipse(23, 8, 3, 3))
    c.fill(minus(globe, ellipse(16, 16, 13, 13)), (10, 40, 120))
    c.fill(intersect(land, ellipse(16, 16, 13, 13)), (60, 180, 70))


def draw_music(c):
    """Music: two beamed notes."""
    ink, edge = (110, 40, 170), (50, 10, 80)
    c.fill(union(rect(11, 6, 14, 25), rect(25, 3, 28, 22)), ink, outline=edge)
    c.fill(polygon([(11, 6), (28, 2), (28, 8), (11, 12)]), ink, outline=edge)
    c.fill(rotated(ellipse(8, 25, 5.5, 4), 8, 25, 25), ink, outline=edge)
    c.fill(rotated(ellipse(22, 22, 5.5, 4), 22, 22, 25), ink, outline=edge)


def draw_picture(c):
    """Pictures: a framed landscape."""
    c.fill(rect(1, 4, 31, 28), (180, 120, 55), outline=(100, 60, 20))
    c.fill(rect(5, 8, 27, 24), (160, 210, 250), outline=(100, 60, 20))
    c.fill(intersect(rect(5, 8, 27, 24), ellipse(12, 28, 14, 9)), (70, 170, 70))
    c.fill(intersect(rect(5, 8, 27, 24), ellipse(24, 30, 10, 11)), (40, 130, 50))
    c.fill(ellipse(22, 13, 3, 3), (250, 210, 30))


def draw_finder(c):
    """The window finder: a cross-hair that the user drags out of its frame."""
    c.fill(rect(1, 1, 31, 31), WHITE, outline=GREY)
    c.fill(minus(ellipse(16, 16, 11, 11), ellipse(16, 16, 8, 8)), BLACK)
    c.fill(union(rect(15, 3, 17, 13), rect(15, 19, 17, 29), rect(3, 15, 13, 17), rect(19, 15, 29, 17)), BLACK)
    c.fill(rect(15, 15, 17, 17), RED)


def arrow_motif(direction):
    """Previous (-1) or next (+1) screen: a green arrow."""
    def draw(c):
        points = [(3, 12), (17, 12), (17, 4), (29, 16), (17, 28), (17, 20), (3, 20)]
        if direction < 0:
            points = [(32 - x, y) for x, y in points]
        c.fill(polygon(points), (50, 180, 70), outline=(10, 90, 20))
    return draw


def draw_sliders(c):
    """General settings: three sliders."""
    for top, knob in ((5, 20), (15, 8), (25, 16)):
        c.fill(rect(2, top, 30, top + 2), DARK_GREY)
        c.fill(rect(knob, top - 4, knob + 6, top + 6), (60, 130, 230), outline=OUTLINE)


def draw_keyboard(c):
    c.fill(round_rect(0, 8, 32, 28, 3), (225, 225, 225), outline=DARK_GREY)
    for row, top in enumerate((12, 16)):
        for left in range(4 + 2 * row, 28 - 2 * row, 4):
            c.fill(rect(left, top, left + 2, top + 2), DARK_GREY)
    c.fill(rect(8, 20, 24, 22), DARK_GREY)


def draw_pin(c):
    """Sticky windows: a drawing pin."""
    c.fill(rect(15, 18, 17, 31), DARK_GREY)
    c.fill(union(rect(10, 1, 22, 6), rect(12, 5, 20, 14), rect(6, 13, 26, 19)), (220, 40, 40), outline=(120, 10, 10))


def draw_shield(c):
    """Advanced: the shield of screen integrity protection."""
    c.fill(polygon([(4, 4), (16, 1), (28, 4), (28, 16), (16, 31), (4, 16)]), (40, 110, 200), outline=(10, 40, 110))
    c.fill(polygon([(16, 4), (25, 6), (25, 16), (16, 27)]), (90, 160, 240))


def icon_images(motif):
    images = []
    for size in (32, 16):
        canvas = Canvas(size, size, design=(32, 32))
        motif(canvas)
        images.append(canvas)
    return images


# ----------------------------------------------------------------------------------------
# Bitmaps

def grip_bitmap():
    """Top-left quadrant red (cut out of the window); the rest nested L-shaped stripes around
    the anchor corner (7, 7), with the tips of the outermost L rounded off in red."""
    c = Canvas(14, 14)
    for y in range(14):
        for x in range(14):
            if x < 7 and y < 7:
                c.put(x, y, RED)
            else:
                c.put(x, y, NAVY if (max(x, y) - 7) % 2 == 0 else WHITE)
    c.put(13, 0, RED)
    c.put(0, 13, RED)
    return c


def digits_bitmap():
    """Digits 0-9 in 6 x 11 cells, black on white; the screen buttons AND them on."""
    c = Canvas(60, 11, WHITE)
    for digit in range(10):
        c.art(DIGIT_GLYPHS[str(digit)], {'#': BLACK}, left=6 * digit, top=1)
    return c


def settings_tabs_bitmap():
    """One 24 x 16 image per settings page, in page order, on the navy mask colour."""
    c = Canvas(120, 16, NAVY)
    for i, motif in enumerate((draw_sliders, draw_screens, draw_keyboard, draw_pin, draw_shield)):
        image = Canvas(16, 16, design=(32, 32))
        motif(image)
        c.paste(image, 24 * i + 4, 0)
    return c


MENU_LEGEND = {'k': BLACK, 'w': WHITE, 'g': GREY, 'l': LIGHT_GREY, 'b': TITLE_BLUE, 'B': (90, 150, 240),
               'r': (210, 30, 30), 'y': (230, 180, 40), 'Y': (255, 230, 120), 'd': (120, 80, 0)}


def art_bitmap(lines, legend=MENU_LEGEND):
    c = Canvas(len(lines[0]), len(lines), WHITE)
    c.art(lines, legend)
    return c


def cross_bitmap(size):
    """A red X: Close and Delete."""
    c = Canvas(size, size, WHITE)
    for i in range(2, size - 2):
        for x in (i, i + 1):
            c.put(x, i, MENU_LEGEND['r'])
            c.put(size - 1 - x, i, MENU_LEGEND['r'])
    return c


def window_glyph(c, x0, y0, x1, y1, title):
    c.fill(rect(x0, y0, x1, y1), WHITE, outline=BLACK)
    c.fill(rect(x0, y0, x1, y0 + 3), title, outline=BLACK)


def restore_bitmap():
    c = Canvas(13, 13, WHITE)
    window_glyph(c, 4, 1, 12, 8, TITLE_BLUE)
    window_glyph(c, 1, 5, 9, 12, TITLE_BLUE)
    return c


def maximize_bitmap():
    c = Canvas(13, 13, WHITE)
    window_glyph(c, 1, 1, 12, 12, TITLE_BLUE)
    return c


def minimize_bitmap():
    c = Canvas(13, 13, WHITE)
    c.fill(rect(2, 9, 9, 11), BLACK)
    return c


def minimize_all_bitmap():
    c = Canvas(13, 13, WHITE)
    c.fill(polygon([(3, 1), (10, 1), (10, 4), (12, 4), (6.5, 8.5), (1, 4), (3, 4)]), TITLE_BLUE)
    c.fill(rect(0, 10, 6, 12), BLACK)
    c.fill(rect(7, 10, 13, 12), BLACK)
    return c


def stacked_windows_bitmap(highlight_in_front):
    """Keep On Top (the blue window in front) and Not On Top (the blue window behind)."""
    c = Canvas(13, 13, WHITE)
    blue, grey = (1, 1, 9, 9), (4, 4, 12, 12)
    for box, title in ((grey, GREY), (blue, TITLE_BLUE)) if highlight_in_front else ((blue, TITLE_BLUE), (grey, GREY)):
        window_glyph(c, *box, title)
    return c


def screens_bitmap(with_window):
    """Copy To All Screens (a window on every screen) and Keep Only In This Screen (on one)."""
    c = Canvas(13, 13, WHITE)
    for i, (x, y) in enumerate([(0, 0), (7, 0), (0, 7), (7, 7)]):
        c.fill(rect(x, y, x + 6, y + 6), WHITE, outline=BLACK)
        if with_window(i):
            c.fill(rect(x + 2, y + 2, x + 4, y + 4), TITLE_BLUE)
    return c


def select_all_bitmap():
    c = Canvas(13, 13, WHITE)
    c.fill(rect(0, 0, 13, 13), WHITE, outline=BLACK)
    for top in (2, 5, 8):
        c.fill(rect(2, top, 11, top + 2), TITLE_BLUE)
        c.fill(rect(3, top, 8, top + 1), WHITE)
    return c


def sliders_bitmap():
    """Settings."""
    c = Canvas(13, 13, WHITE)
    for top, knob in ((2, 7), (6, 2), (10, 5)):
        c.fill(rect(0, top, 13, top + 1), GREY)
        c.fill(rect(knob, top - 1, knob + 4, top + 2), TITLE_BLUE)
    return c


LOCK_ART = [
    '....kkkkk....',
    '...kg...gk...',
    '..kg.....gk..',
    '..kg.....gk..',
    '..kg.....gk..',
    '.kkkkkkkkkkk.',
    '.kyyyyyyyyyk.',
    '.kyYYkkkYYyk.',
    '.kyYYkkkYYyk.',
    '.kyYYYkYYYyk.',
    '.kyYYYkYYYyk.',
    '.kyyyyyyyyyk.',
    '.kkkkkkkkkkk.',
]

HELP_ART = [
    '....kkkkk....',
    '..kkbbbbbkk..',
    '.kbbbwwwbbbk.',
    '.kbbwbbbwbbk.',
    'kbbbbbbbwbbbk',
    'kbbbbbbwbbbbk',
    'kbbbbbwbbbbbk',
    'kbbbbbwbbbbbk',
    'kbbbbbbbbbbbk',
    '.kbbbbwbbbbk.',
    '.kbbbbbbbbbk.',
    '..kkbbbbbkk..',
    '....kkkkk....',
]

ABOUT_ART = [
    '....kkkkk....',
    '..kkBBBBBkk..',
    '.kBBBBwBBBBk.',
    '.kBBBBBBBBBk.',
    'kBBBBwwBBBBBk',
    'kBBBBBwBBBBBk',
    'kBBBBBwBBBBBk',
    'kBBBBBwBBBBBk',
    'kBBBBBwBBBBBk',
    '.kBBBwwwBBBk.',
    '.kBBBBBBBBBk.',
    '..kkBBBBBkk..',
    '....kkkkk....',
]

PIN_ART = [
    '...kkkkkkk...',
    '...krrrrrk...',
    '...kkrrrkk...',
    '....krrrk....',
    '....krrrk....',
    '..kkkrrrkkk..',
    '..krrrrrrrk..',
    '..kkkkkkkkk..',
    '......g......',
    '......g......',
    '......g......',
    '......g......',
    '......g......',
]

FOLDER_ART = [
    '............',
    '.kkkk.......',
    'kyyyyk......',
    'kyyyyykkkkk.',
    'kyyyyyyyyyk.',
    'kykkkkkkkkkk',
    'kykYYYYYYYYk',
    'kkYYYYYYYYk.',
    'kkYYYYYYYYk.',
    'kYYYYYYYYk..',
    'kkkkkkkkkk..',
    '............',
]


def play_bitmap():
    c = Canvas(12, 12, WHITE)
    c.fill(polygon([(3, 1), (10, 6), (3, 11)]), GREEN, outline=DARK_GREEN)
    return c


ARROW_RIGHT_ART = [
    '............',
    '......k.....',
    '......kk....',
    '......kbk...',
    '.kkkkkkbbk..',
    '.kbbbbbbbbk.',
    '.kbbbbbbbbk.',
    '.kkkkkkbbk..',
    '......kbk...',
    '......kk....',
    '......k.....',
    '............',
]


# ----------------------------------------------------------------------------------------
# Cursors (32 x 32, black, white and transparent)

CURSOR_LEGEND = {'k': BLACK, 'w': WHITE}

ARROW_ART = [
    'k...........',
    'kk..........',
    'kwk.........',
    'kwwk........',
    'kwwwk.......',
    'kwwwwk......',
    'kwwwwwk.....',
    'kwwwwwwk....',
    'kwwwwwwwk...',
    'kwwwwwwwwk..',
    'kwwwwwkkkkk.',
    'kwwkwwk.....',
    'kwk.kwwk....',
    'kk..kwwk....',
    'k....kwwk...',
    '.....kwwk...',
    '......kwwk..',
    '......kwwk..',
    '.......kk...',
]

HAND_ART = [
    '.....kk..........',
    '....kwwk.........',
    '....kwwk.........',
    '....kwwk.........',
    '....kwwk.........',
    '....kwwkkk.......',
    '....kwwkwwkkk....',
    '....kwwkwwkwwkkk.',
    '....kwwkwwkwwkwwk',
    '.kk.kwwkwwkwwkwwk',
    'kwwkkwwwwwwwwwwwk',
    'kwwwkwwwwwwwwwwwk',
    '.kwwwwwwwwwwwwwwk',
    '..kwwwwwwwwwwwwwk',
    '..kwwwwwwwwwwwwwk',
    '...kwwwwwwwwwwwk.',
    '...kwwwwwwwwwwwk.',
    '....kwwwwwwwwwk..',
    '....kwwwwwwwwwk..',
    '....kwwwwwwwwwk..',
    '....kkkkkkkkkkk..',
]


def hand_cursor():
    c = Canvas(32, 32)
    c.art(HAND_ART, CURSOR_LEGEND)
    return c


def crosshair_cursor():
    c = Canvas(32, 32)
    for arm in (rect(14, 0, 17, 12), rect(14, 19, 17, 31), rect(0, 14, 12, 17), rect(19, 14, 31, 17)):
        c.fill(arm, BLACK, outline=WHITE)
    c.fill(rect(14, 14, 17, 17), BLACK, outline=WHITE)
    return c


def drag_cursor(window_count, copy):
    """The arrow with the dragged windows (one, or a stack), and a plus sign when copying."""
    c = Canvas(32, 32)
    c.art(ARROW_ART, CURSOR_LEGEND)
    for i in range(window_count):
        left, top = 11 + 4 * i, 15 + 3 * i
        c.fill(rect(left, top, left + 10, top + 8), WHITE, outline=BLACK)
        c.fill(rect(left, top, left + 10, top + 2), BLACK)
    if copy:
        c.fill(rect(22, 22, 31, 31), WHITE, outline=BLACK)
        c.fill(union(rect(24, 26, 29, 27), rect(26, 24, 27, 29)), BLACK)
    return c


def no_drop_cursor():
    c = Canvas(32, 32)
    c.art(ARROW_ART, CURSOR_LEGEND)
    sign = union(minus(ellipse(21, 22, 8, 8), ellipse(21, 22, 5, 5)),
                 intersect(ellipse(21, 22, 6, 6), rotated(rect(14, 20.5, 28, 23.5), 21, 22, -45)))
    c.fill(sign, BLACK, outline=WHITE)
    return c


# ----------------------------------------------------------------------------------------
# The start-up picture: three screens on the product's blue panel

def splash_monitor(c, x0, y0, x1, y1, wallpaper, windows):
    middle = (x0 + x1) // 2
    c.fill(rect(middle - 7, y1 - 2, middle + 7, y1 + 8), (90, 90, 100), outline=(20, 20, 30))
    c.fill(round_rect(x0, y0, x1, y1, 5), (60, 62, 72), outline=(15, 15, 25))
    c.fill(rect(x0 + 3, y0 + 3, x1 - 3, y0 + 4), (100, 102, 115))
    top, bottom = y0 + 6, y1 - 6
    c.fill(rect(x0 + 6, top, x1 - 6, bottom),
           lambda x, y: tuple(int(v * (1 - 0.4 * (y - top) / (bottom - top))) // 8 * 8 for v in wallpaper))
    for wx, wy, ww, wh, title in windows:
        c.fill(rect(x0 + wx, y0 + wy, x0 + wx + ww, y0 + wy + wh), (245, 245, 245), outline=(40, 40, 50))
        c.fill(rect(x0 + wx, y0 + wy, x0 + wx + ww, y0 + wy + 4), title, outline=(40, 40, 50))


def splash_button(c, left, top, width, height, face, pressed, number, motif):
    """A screen button as the panel draws it: 3D frame, the screen's icon and number."""
    c.fill(rect(left, top, left + width, top + height), face)
    light, dark = (BLACK, WHITE) if pressed else (WHITE, BLACK)
    c.fill(rect(left, top, left + width, top + 1), light)
    c.fill(rect(left, top, left + 1, top + height), light)
    c.fill(rect(left, top + height - 1, left + width, top + height), dark)
    c.fill(rect(left + width - 1, top, left + width, top + height), dark)
    shift = 1 if pressed else 0
    icon = Canvas(16, 16, design=(32, 32))
    motif(icon)
    c.paste(icon, left + 4 + shift, top + (height - 16) // 2 + shift)
    c.art(DIGIT_GLYPHS[str(number)], {'#': BLACK}, left + width - 9, top + height - 12)


def draw_splash(c):
    # The gradient of the panel's caption strip, in steps of 8 to leave the palette room.
    c.fill(round_rect(0, 58, 204, 200, 26), lambda x, y: (0, 0, int(55 + 200 * x / 204) // 8 * 8), outline=(0, 0, 40))
    splash_monitor(c, 4, 18, 78, 72, (60, 170, 90), [(12, 12, 30, 20, (200, 60, 60)), (32, 22, 28, 18, TITLE_BLUE)])
    splash_monitor(c, 126, 18, 200, 72, (180, 90, 200), [(14, 10, 40, 26, (30, 140, 60))])
    splash_monitor(c, 58, 2, 146, 68, (60, 130, 235), [(12, 11, 36, 24, TITLE_BLUE), (38, 20, 38, 26, (220, 120, 0)),
                                                        (22, 38, 24, 14, (110, 40, 170))])
    draw_centred_text(c, 'Qivdesk', 84, 4, WHITE, shadow=(0, 0, 30))
    draw_centred_text(c, 'version 2.0', 128, 2, (190, 210, 255))
    buttons = [(LIGHT_GREY, False, draw_house), (LIGHT_GREY, True, draw_globe), (EMPTY_GREY, False, draw_music),
               (RED, False, draw_picture), (LIGHT_GREY, False, draw_box)]
    for i, (face, pressed, motif) in enumerate(buttons):
        splash_button(c, 27 + 30 * i, 156, 30, 22, face, pressed, i + 1, motif)


def splash_picture():
    c = Canvas(204, 200)
    draw_splash(c)
    return c


# ----------------------------------------------------------------------------------------

def pictures():
    """Every output file and how to make its bytes."""
    icons = {
        'program.ico': draw_screens, 'window.ico': draw_window, 'screen_misc.ico': draw_box,
        'empty_screen.ico': draw_empty_screen, 'lock.ico': draw_lock, 'screen_music.ico': draw_music,
        'screen_pictures.ico': draw_picture, 'screen_web.ico': draw_globe, 'screen_main.ico': draw_house,
        'finder.ico': draw_finder, 'previous_screen.ico': arrow_motif(-1), 'next_screen.ico': arrow_motif(1),
    }
    bitmaps = {
        'grip.bmp': grip_bitmap, 'digits.bmp': digits_bitmap, 'settings_tabs.bmp': settings_tabs_bitmap,
        'menu_settings.bmp': sliders_bitmap, 'menu_lock.bmp': lambda: art_bitmap(LOCK_ART),
        'menu_help.bmp': lambda: art_bitmap(HELP_ART), 'menu_about.bmp': lambda: art_bitmap(ABOUT_ART),
        'menu_close.bmp': lambda: cross_bitmap(13), 'menu_select_all.bmp': select_all_bitmap,
        'menu_restore.bmp': restore_bitmap, 'menu_minimize.bmp': minimize_bitmap,
        'menu_maximize.bmp': maximize_bitmap, 'menu_minimize_all.bmp': minimize_all_bitmap,
        'menu_keep_on_top.bmp': lambda: stacked_windows_bitmap(True),
        'menu_not_on_top.bmp': lambda: stacked_windows_bitmap(False),
        'menu_stick.bmp': lambda: art_bitmap(PIN_ART),
        'menu_copy_to_all.bmp': lambda: screens_bitmap(lambda i: True),
        'menu_keep_only.bmp': lambda: screens_bitmap(lambda i: i == 0),
        'button_browse.bmp': lambda: art_bitmap(FOLDER_ART), 'button_play.bmp': play_bitmap,
        'button_delete.bmp': lambda: cross_bitmap(12),
        'button_left.bmp': lambda: art_bitmap(mirrored(ARROW_RIGHT_ART)),
        'button_right.bmp': lambda: art_bitmap(ARROW_RIGHT_ART),
    }
    cursors = {
        'hand.cur': (hand_cursor, (5, 0)), 'crosshair.cur': (crosshair_cursor, (15, 15)),
        'no_drop.cur': (no_drop_cursor, (0, 0)),
        'drag_move.cur': (lambda: drag_cursor(1, False), (0, 0)),
        'drag_copy.cur': (lambda: drag_cursor(1, True), (0, 0)),
        'drag_move_many.cur': (lambda: drag_cursor(3, False), (0, 0)),
        'drag_copy_many.cur': (lambda: drag_cursor(3, True), (0, 0)),
    }
    files = {name: (lambda motif=motif: ico_bytes(icon_images(motif))) for name, motif in icons.items()}
    files.update({name: (lambda draw=draw: bmp_bytes(draw())) for name, draw in bitmaps.items()})
    files.update({name: (lambda draw=draw, hotspot=hotspot: cur_bytes(draw(), hotspot))
                  for name, (draw, hotspot) in cursors.items()})
    files['splash.gif'] = lambda: gif_bytes(splash_picture())
    return files


def main():
    for name, make in sorted(pictures().items()):
        with open(os.path.join(ART_DIR, name), 'wb') as out:
            out.write(make())
        print('wrote', name)


if __name__ == '__main__':
    main()
