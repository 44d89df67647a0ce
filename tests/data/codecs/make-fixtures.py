#!/usr/bin/env python3
"""Makes the codec fixtures: small images written by ImageMagick's convert,
a few variants ImageMagick does not write (RLE4 and top-down bitmaps, a V4
header, planar PCX, an icon with a PNG entry, a GIF frame inside a larger
screen) assembled here byte by byte, and for each a reference made by
ImageMagick's own decoder (8-bit RGBA PAM, <file>.pam). Also refreshes the
fuzz seed corpora. Run from anywhere; needs Debian's imagemagick."""
import os, shutil, struct, subprocess, zlib

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..', '..'))
CONVERT = '/usr/bin/convert'


def im(*args):
    subprocess.run([CONVERT, *args], check=True, cwd=HERE)


def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)


def read(name):
    with open(os.path.join(HERE, name), 'rb') as f:
        return f.read()


# --- pixel patterns of our own for the hand-assembled files
W, H = 13, 9  # odd sizes exercise row padding


def indexes(colours):
    return [[(x * 3 + y * 5 + (x * y) // 4) % colours if x < 9 else (y % 2) * (colours - 1)
             for x in range(W)] for y in range(H)]


PALETTE16 = [(i * 16, 255 - i * 12, (i * 37) % 256) for i in range(16)]


def bmp_file(header, palette, pixels):
    offset = 14 + len(header) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + header + palette + pixels


def info_header(width, height, bits, compression, image_size, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, image_size, 2835, 2835,
                       colours, 0)


def palette_bytes(palette):
    return b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in palette)


def rle4_bitmap():
    rows = indexes(16)
    data = bytearray()
    for row in reversed(rows):  # bottom-up
        x = 0
        while x < W:
            run = 1
            while x + run < W and row[x + run] == row[x] and run < 255:
                run += 1
            if run >= 3 or W - x < 3:
                data += bytes([run, (row[x] << 4) | row[x]])
                x += run
            else:
                count = min(W - x, 5)
                nibbles = row[x:x + count] + [0]
                packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, count, 2))
                if len(packed) % 2:
                    packed += b'\0'
                data += bytes([0, count]) + packed
                x += count
        data += b'\0\0'  # end of line
    data += b'\0\1'  # end of bitmap
    header = info_header(W, H, 4, 2, len(data), 16)
    return bmp_file(header, palette_bytes(PALETTE16), bytes(data))


def top_down_bitmap():
    rows = indexes(16)
    stride = ((W * 8 + 31) // 32) * 4
    pixels = b''.join(bytes(row) + b'\0' * (stride - W) for row in rows)  # top row first
    palette = [(r, g, b) for r, g, b in PALETTE16] + [(0, 0, 0)] * 240
    return bmp_file(info_header(W, -H, 8, 0, len(pixels)), palette_bytes(palette), pixels)


def v4_from_v5(v5):
    """Cuts a 124-byte V5 header down to the 108-byte V4 layout."""
    offset = struct.unpack_from('<I', v5, 10)[0] - 16
    header = struct.pack('<I', 108) + v5[18:14 + 108]
    body = v5[14 + 124:]
    return b'BM' + struct.pack('<IHHI', 14 + len(header) + len(body), 0, 0, offset) + header + body


def pcx_runs(line):
    out = bytearray()
    x = 0
    while x < len(line):
        run = 1
        while x + run < len(line) and line[x + run] == line[x] and run < 63:
            run += 1
        if run > 1 or line[x] >= 0xC0:
            out.append(0xC0 | run)
        out.append(line[x])
        x += run
    return bytes(out)


def pcx_header(bits, planes, bytes_per_line, ega):
    header = struct.pack('<BBBBHHHHHH', 0x0A, 5, 1, bits, 0, 0, W - 1, H - 1, 72, 72)
    header += ega.ljust(48, b'\0') + b'\0' + bytes([planes]) + struct.pack('<HH', bytes_per_line, 1)
    return header.ljust(128, b'\0')


def pcx_planar(planes):
    rows = indexes(1 << planes)
    bytes_per_line = ((W + 15) // 16) * 2
    data = bytearray()
    for row in rows:
        for plane in range(planes):
            line = bytearray(bytes_per_line)
            for x, value in enumerate(row):
                if (value >> plane) & 1:
                    line[x // 8] |= 0x80 >> (x % 8)
            data += pcx_runs(bytes(line))
    ega = b''.join(bytes(c) for c in PALETTE16) if planes > 1 else bytes([0, 0, 0, 255, 255, 255])
    return pcx_header(1, planes, bytes_per_line, ega) + bytes(data)


def ico_with_png_entry():
    png = subprocess.run([CONVERT, 'source.png', '-resize', '24x24!', 'png32:-'], check=True, cwd=HERE,
                         capture_output=True).stdout
    small = read('icon-16-32bit.ico')  # one BMP entry of 16 x 16
    small_data = small[struct.unpack_from('<I', small, 18)[0]:]
    directory = struct.pack('<HHH', 0, 1, 2)
    first_offset = 6 + 32
    directory += struct.pack('<BBBBHHII', 16, 16, 0, 0, 1, 32, len(small_data), first_offset)
    directory += struct.pack('<BBBBHHII', 24, 24, 0, 0, 1, 32, len(png), first_offset + len(small_data))
    return directory + small_data + png


def icon_with_and_mask():
    """A 24-bit icon entry: the 16 x 12 bitmap's rows plus an AND mask with
    a diagonal band of transparent pixels."""
    bmp = read('bmp-24bit.bmp')
    width, height = struct.unpack_from('<ii', bmp, 18)
    pixels = bmp[struct.unpack_from('<I', bmp, 10)[0]:]
    mask_stride = ((width + 31) // 32) * 4
    mask = bytearray()
    for row in range(height):  # bottom-up like the pixels
        bits = bytearray(mask_stride)
        for x in range(width):
            if (x + row) % 5 == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    dib = info_header(width, 2 * height, 24, 0, len(pixels) + len(mask)) + pixels + bytes(mask)
    directory = struct.pack('<HHHBBBBHHII', 0, 1, 1, width, height, 0, 0, 1, 24, len(dib), 22)
    return directory + dib


def make_references(names):
    for name in names:
        frame = name + ('[1]' if name == 'icon-png-entry.ico' else '[0]')
        # ImageMagick keeps a bottom-left TGA's rows in file order and only
        # tags the orientation; -auto-orient applies it.
        orient = ['-auto-orient'] if name.endswith('.tga') else []
        im(frame, *orient, '-alpha', 'set', '-depth', '8', '-type', 'TrueColorAlpha', 'pam:' + name + '.pam')


def main():
    im('-seed', '7', '-size', '16x12', 'plasma:', 'source.png')
    im('source.png', '-alpha', 'set', '-channel', 'A', '-fx', 'i/w', '+channel', 'source-alpha.png')
    written = {
        'bmp-24bit.bmp': ['source.png', 'BMP3:bmp-24bit.bmp'],
        'bmp-8bit.bmp': ['source.png', '-colors', '200', 'BMP3:bmp-8bit.bmp'],
        'bmp-4bit.bmp': ['source.png', '-colors', '16', 'BMP3:bmp-4bit.bmp'],
        'bmp-1bit.bmp': ['source.png', '-monochrome', 'BMP3:bmp-1bit.bmp'],
        'bmp-rle8.bmp': ['source.png', '-colors', '200', '-compress', 'RLE', 'BMP3:bmp-rle8.bmp'],
        'bmp-bitfields-565.bmp': ['source.png', '-define', 'bmp:subtype=RGB565', 'BMP:bmp-bitfields-565.bmp'],
        'bmp-v5-alpha.bmp': ['source-alpha.png', 'BMP:bmp-v5-alpha.bmp'],
        'bmp-os2-core.bmp': ['source.png', 'BMP2:bmp-os2-core.bmp'],
        'gif-64-colours.gif': ['source.png', '-colors', '64', 'gif-64-colours.gif'],
        'gif-interlaced.gif': ['source.png', '-colors', '64', '-interlace', 'GIF', 'gif-interlaced.gif'],
        'gif-mono.gif': ['source.png', '-monochrome', 'gif-mono.gif'],
        'gif-transparent.gif': ['source-alpha.png', '-channel', 'A', '-threshold', '50%', '+channel',
                                '-colors', '32', 'gif-transparent.gif'],
        'gif-offset-frame.gif': ['source.png', '-colors', '16', '-repage', '24x20+5+3', 'gif-offset-frame.gif'],
        'icon-16-32bit.ico': ['source.png', '-resize', '16x16!', 'icon-16-32bit.ico'],
        'icon-32-alpha.ico': ['source-alpha.png', '-resize', '32x32!', 'icon-32-alpha.ico'],
        **{f'icon-{bits}bit-and-mask.ico': ['source-alpha.png', '-channel', 'A', '-threshold', '50%', '+channel',
                                            '-colors', str(colours), f'icon-{bits}bit-and-mask.ico']
           for bits, colours in ((1, 2), (4, 16), (8, 200))},
        'tga-raw-24bit.tga': ['source.png', 'tga-raw-24bit.tga'],
        'tga-rle-bottom-left.tga': ['source.png', '-compress', 'RLE', 'tga-rle-bottom-left.tga'],
        'tga-rle-top-left.tga': ['source.png', '-orient', 'TopLeft', '-compress', 'RLE', 'tga-rle-top-left.tga'],
        'tga-colour-mapped.tga': ['source.png', '-type', 'Palette', '-colors', '100', 'tga-colour-mapped.tga'],
        'tga-grey.tga': ['source.png', '-type', 'Grayscale', 'tga-grey.tga'],
        'tga-rle-32bit-alpha.tga': ['source-alpha.png', '-compress', 'RLE', 'tga-rle-32bit-alpha.tga'],
        'pcx-8bit.pcx': ['source.png', '-colors', '200', '-type', 'Palette', 'pcx-8bit.pcx'],
        'pcx-24bit.pcx': ['source.png', 'pcx-24bit.pcx'],
        'wbmp-mono.wbmp': ['source.png', '-monochrome', 'wbmp-mono.wbmp'],
    }
    for args in written.values():
        im(*args)
    write('bmp-rle4.bmp', rle4_bitmap())
    write('bmp-top-down.bmp', top_down_bitmap())
    write('bmp-v4-alpha.bmp', v4_from_v5(read('bmp-v5-alpha.bmp')))
    write('pcx-1bit.pcx', pcx_planar(1))
    write('pcx-4bit-planar.pcx', pcx_planar(4))
    write('icon-png-entry.ico', ico_with_png_entry())
    write('icon-24bit-and-mask.ico', icon_with_and_mask())
    crafted = ['bmp-rle4.bmp', 'bmp-top-down.bmp', 'bmp-v4-alpha.bmp', 'pcx-1bit.pcx', 'pcx-4bit-planar.pcx',
               'icon-png-entry.ico', 'icon-24bit-and-mask.ico']
    names = list(written) + crafted
    make_references(names)
    corpus = {'bmp': 'bmp', 'gif': 'gif', 'ico': 'ico', 'tga': 'tga', 'pcx': 'pcx', 'wbmp': 'wbmp'}
    for name in names:
        target = os.path.join(ROOT, 'fuzz', 'corpus', corpus[name.rsplit('.', 1)[1]])
        os.makedirs(target, exist_ok=True)
        shutil.copy(os.path.join(HERE, name), target)


if __name__ == '__main__':
    main()
