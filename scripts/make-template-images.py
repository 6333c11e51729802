#!/usr/bin/env python3
"""Draws the fixed pictures of data/Template Images with the standard library.

The generator copies Template Images/Other/{spacerb,spacerg,spacerw,nada,
VeriSignSeal}.gif and favicon.ico into every site; the shopping-cart and
button pictures are the defaults of a style that names none of its own.
Run from anywhere; the pictures are rewritten each time, byte for byte the
same.
"""

import os
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'data', 'Template Images')

# A 5 x 7 pixel font: each glyph is seven rows of five bits, top row first.
FONT = {
    'A': '01110 10001 10001 11111 10001 10001 10001',
    'B': '11110 10001 10001 11110 10001 10001 11110',
    'C': '01110 10001 10000 10000 10000 10001 01110',
    'D': '11110 10001 10001 10001 10001 10001 11110',
    'E': '11111 10000 10000 11110 10000 10000 11111',
    'F': '11111 10000 10000 11110 10000 10000 10000',
    'G': '01110 10001 10000 10111 10001 10001 01111',
    'H': '10001 10001 10001 11111 10001 10001 10001',
    'I': '01110 00100 00100 00100 00100 00100 01110',
    'K': '10001 10010 10100 11000 10100 10010 10001',
    'L': '10000 10000 10000 10000 10000 10000 11111',
    'M': '10001 11011 10101 10101 10001 10001 10001',
    'N': '10001 11001 10101 10011 10001 10001 10001',
    'O': '01110 10001 10001 10001 10001 10001 01110',
    'P': '11110 10001 10001 11110 10000 10000 10000',
    'R': '11110 10001 10001 11110 10100 10010 10001',
    'S': '01111 10000 10000 01110 00001 00001 11110',
    'T': '11111 00100 00100 00100 00100 00100 00100',
    'U': '10001 10001 10001 10001 10001 10001 01110',
    'V': '10001 10001 10001 10001 10001 01010 00100',
    'W': '10001 10001 10001 10101 10101 10101 01010',
    'Y': '10001 10001 01010 00100 00100 00100 00100',
    'X': '10001 10001 01010 00100 01010 10001 10001',
    '+': '00000 00100 00100 11111 00100 00100 00000',
    '-': '00000 00000 00000 11111 00000 00000 00000',
    ' ': '00000 00000 00000 00000 00000 00000 00000',
}


class Picture:
    """A paletted picture: rows of palette indexes, top row first."""

    def __init__(self, width, height, palette, fill=0):
        self.width = width
        self.height = height
        self.palette = palette
        self.rows = [[fill] * width for _ in range(height)]

    def set(self, x, y, index):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = index

    def rect(self, x0, y0, x1, y1, index):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.set(x, y, index)

    def rounded(self, x0, y0, x1, y1, index, radius=3):
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + radius - x, x - (x1 - 1 - radius), 0)
                dy = max(y0 + radius - y, y - (y1 - 1 - radius), 0)
                if dx * dx + dy * dy <= radius * radius:
                    self.set(x, y, index)

    def text(self, x, y, words, index, scale=1):
        for char in words.upper():
            rows = FONT[char].split()
            for row, bits in enumerate(rows):
                for column, bit in enumerate(bits):
                    if bit == '1':
                        self.rect(x + column * scale, y + row * scale,
                                  x + (column + 1) * scale, y + (row + 1) * scale, index)
            x += 6 * scale

    @staticmethod
    def text_width(words, scale=1):
        return (6 * len(words) - 1) * scale


def lzw(indexes, min_code_size):
    """GIF's variable-length LZW, emitting a clear code when the table is full."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, size):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += size
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def fresh_table():
        return {(i,): i for i in range(clear)}

    table = fresh_table()
    next_code = end + 1
    size = min_code_size + 1
    emit(clear, size)
    current = ()
    for index in indexes:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], size)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            table = fresh_table()
            next_code = end + 1
            size = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current], size)
    emit(end, size)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def gif(picture, transparent=None):
    """The picture as a GIF89a file with a global colour table."""
    depth = 1
    while (1 << depth) < len(picture.palette):
        depth += 1
    colours = list(picture.palette) + [(0, 0, 0)] * ((1 << depth) - len(picture.palette))
    data = bytearray(b'GIF89a')
    data += struct.pack('<HHBBB', picture.width, picture.height, 0x80 | (depth - 1) << 4 |
                        (depth - 1), 0, 0)
    for r, g, b in colours:
        data += bytes((r, g, b))
    if transparent is not None:
        data += bytes((0x21, 0xF9, 4, 1, 0, 0, transparent, 0))
    data += b'\x2c' + struct.pack('<HHHHB', 0, 0, picture.width, picture.height, 0)
    min_code_size = max(2, depth)
    data.append(min_code_size)
    pixels = [index for row in picture.rows for index in row]
    packed = lzw(pixels, min_code_size)
    for start in range(0, len(packed), 255):
        chunk = packed[start:start + 255]
        data.append(len(chunk))
        data += chunk
    data += b'\x00\x3b'
    return bytes(data)


def ico(picture):
    """The picture as a 32-bit icon (one image, BMP payload with an AND mask)."""
    width, height = picture.width, picture.height
    pixels = bytearray()
    for row in reversed(picture.rows):
        for index in row:
            r, g, b = picture.palette[index]
            pixels += bytes((b, g, r, 255))
    mask_stride = ((width + 31) // 32) * 4
    mask = bytes(mask_stride * height)
    header = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + bytes(pixels) + mask
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', width, height, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def save(relative, data):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, 'wb') as out:
        out.write(data)


WHITE, BLACK, GREY = (255, 255, 255), (0, 0, 0), (128, 128, 128)
GREEN, DARK_GREEN = (46, 125, 80), (25, 80, 48)
BUTTON, BUTTON_EDGE = (214, 218, 222), (120, 128, 136)


def spacer(colour):
    return gif(Picture(1, 1, [colour]))


def button(words, fill, edge, ink, width=None, height=22):
    width = width or Picture.text_width(words) + 20
    picture = Picture(width, height, [WHITE, edge, fill, ink])
    picture.rounded(0, 0, width, height, 1)
    picture.rounded(1, 1, width - 1, height - 1, 2)
    picture.text((width - Picture.text_width(words)) // 2, (height - 7) // 2, words, 3)
    return gif(picture, transparent=0)


def cart(full):
    picture = Picture(32, 24, [WHITE, (60, 60, 60), (200, 120, 40)])
    picture.rect(2, 4, 8, 6, 1)              # handle
    picture.rect(7, 6, 28, 8, 1)             # top rim
    for y in range(8, 16):                   # basket, narrowing downwards
        inset = (y - 8) // 3
        picture.rect(8 + inset, y, 9 + inset, y + 1, 1)
        picture.rect(26 - inset, y, 27 - inset, y + 1, 1)
    picture.rect(10, 16, 25, 17, 1)
    if full:
        picture.rect(10, 3, 16, 8, 2)
        picture.rect(17, 1, 24, 8, 2)
        for y in range(8, 16):
            inset = (y - 8) // 3
            picture.rect(9 + inset, y, 26 - inset, y + 1, 2)
    picture.rounded(10, 18, 15, 23, 1, radius=2)
    picture.rounded(20, 18, 25, 23, 1, radius=2)
    return gif(picture, transparent=0)


def seal():
    picture = Picture(96, 44, [WHITE, DARK_GREEN, GREEN, WHITE, (240, 200, 60)])
    picture.rounded(0, 0, 96, 44, 1, radius=6)
    picture.rounded(2, 2, 94, 42, 2, radius=5)
    picture.rect(8, 10, 20, 30, 4)           # padlock body
    picture.rect(10, 4, 12, 10, 4)
    picture.rect(16, 4, 18, 10, 4)
    picture.rect(10, 4, 18, 6, 4)
    picture.rect(13, 17, 15, 23, 2)
    picture.text(26, 9, 'SECURE', 3)
    picture.text(26, 24, 'ORDER', 3)
    return gif(picture, transparent=0)


def favicon():
    picture = Picture(16, 16, [WHITE, GREEN, DARK_GREEN, (240, 200, 60)])
    picture.rounded(0, 0, 16, 16, 2, radius=3)
    picture.rounded(1, 1, 15, 15, 1, radius=3)
    picture.rect(4, 6, 12, 11, 3)            # a little bag
    picture.rect(6, 3, 7, 6, 3)
    picture.rect(9, 3, 10, 6, 3)
    picture.rect(6, 3, 10, 4, 3)
    return ico(picture)


def main():
    save('Other/spacerb.gif', spacer(BLACK))
    save('Other/spacerg.gif', spacer(GREY))
    save('Other/spacerw.gif', spacer(WHITE))
    save('Other/nada.gif', gif(Picture(1, 1, [WHITE, BLACK]), transparent=0))
    save('Other/VeriSignSeal.gif', seal())
    save('Other/favicon.ico', favicon())
    save('Other/cartempty.gif', cart(False))
    save('Other/cartfull.gif', cart(True))
    for name, words in (('buy', 'BUY'), ('continue', 'CONTINUE'), ('submit', 'SUBMIT'),
                        ('view', 'VIEW CART')):
        save('Other/%s-gr.gif' % name, button(words, GREEN, DARK_GREEN, WHITE))
    save('delete.gif', button('X', BUTTON, BUTTON_EDGE, BLACK, width=20, height=20))
    save('minus-gr.gif', button('-', GREEN, DARK_GREEN, WHITE, width=20, height=20))
    save('plus-gr.gif', button('+', GREEN, DARK_GREEN, WHITE, width=20, height=20))
    save('button-gray.gif', button(' ', BUTTON, BUTTON_EDGE, BLACK, width=120, height=24))


if __name__ == '__main__':
    main()
