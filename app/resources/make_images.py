#!/usr/bin/env python3
"""Draws the program's small images and writes them as .ico/.cur files.

Run from this folder: python3 make_images.py. The shapes are defined as
signed-distance style tests, sampled 4 x 4 per pixel for smooth edges, and
stored as 32-bit icons with an alpha channel and a matching AND mask.
"""
import math
import struct

SAMPLES = 4


def render(size, shapes, grid=None):
    """shapes: list of (inside(x, y) -> bool, (r, g, b)); later shapes cover earlier ones.
    grid: the width of the coordinate system the shapes are drawn in (default: the pixel size)."""
    w, h = size
    unit = (grid or w) / w
    pixels = []
    for py in range(h):
        row = []
        for px in range(w):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * unit
                    y = (py + (sy + 0.5) / SAMPLES) * unit
                    colour = None
                    for inside, rgb in shapes:
                        if inside(x, y):
                            colour = rgb
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = SAMPLES * SAMPLES
            a = acc[3] / n
            if acc[3]:
                row.append((round(acc[0] / acc[3]), round(acc[1] / acc[3]), round(acc[2] / acc[3]), round(a * 255)))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def icon_image(pixels):
    h = len(pixels)
    w = len(pixels[0])
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((w + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = 0
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(line)
    return header + xor + mask


def write_icon(path, images, hotspots=None):
    """images: the pixels of each size, the size drawn at 96 dpi first; hotspots: a cursor's, one per image."""
    kind = 2 if hotspots else 1
    data = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    bodies = b''
    for k, pixels in enumerate(images):
        image = icon_image(pixels)
        w, h = len(pixels[0]), len(pixels)
        planes, bits = hotspots[k] if hotspots else (1, 32)
        data += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, planes, bits, len(image), offset + len(bodies))
        bodies += image
    with open(path, 'wb') as f:
        f.write(data + bodies)


# Each icon carries an image for each display scale it is drawn at: 16 pixels
# at 100%, 20 at 125%, 24 at 150%, 32 at 200%, 48 for the large icons.
ICON_SIZES = (16, 20, 24, 32, 48)


def icon_sizes(design):
    """The design size first: a load without a size takes it."""
    return (design,) + tuple(s for s in ICON_SIZES if s != design)


def write_scaled_icon(path, design, shapes, grid):
    write_icon(path, [render((s, s), shapes, grid=grid) for s in icon_sizes(design)])


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r, t):
    return lambda x, y: (r - t) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def rect(l, t, r, b):
    return lambda x, y: l <= x < r and t <= y < b


def segment(x1, y1, x2, y2, half):
    def inside(x, y):
        dx, dy = x2 - x1, y2 - y1
        k = max(0.0, min(1.0, ((x - x1) * dx + (y - y1) * dy) / (dx * dx + dy * dy)))
        return (x - x1 - k * dx) ** 2 + (y - y1 - k * dy) ** 2 <= half * half
    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
                hit = not hit
        return hit
    return inside


WHITE = (255, 255, 255)
INK = (70, 40, 10)
BLUE = (40, 110, 200)
GOLD = (255, 210, 60)


def star(cx, cy, outer, inner):
    pts = []
    for k in range(10):
        r = outer if k % 2 == 0 else inner
        a = -math.pi / 2 + k * math.pi / 5
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return polygon(pts)


def main():
    # The window icon: a gold star on a blue bookmark.
    write_scaled_icon('oravin.ico', 16, [
        (polygon([(2, 0.5), (14, 0.5), (14, 15.5), (8, 11), (2, 15.5)]), BLUE),
        (star(8, 6.5, 5, 2.2), GOLD),
    ], grid=16)
    # The menu pictures double as the list rows' icon, so they are row-sized:
    # drawn on a 24-unit grid, rendered at 16 x 16.
    s = 16
    # Search: a magnifying glass.
    write_scaled_icon('search.ico', s, [
        (segment(14, 14, 21, 21, 2.2), INK),
        (circle(10, 10, 7.5), INK),
        (circle(10, 10, 5.2), (200, 230, 255)),
    ], grid=24)
    # Web addresses: a globe.
    write_scaled_icon('web.ico', s, [
        (circle(12, 12, 10), BLUE),
        (ring(12, 12, 10, 1.2), WHITE),
        (lambda x, y: abs(x - 12) < 0.6 and (x - 12) ** 2 + (y - 12) ** 2 < 100, WHITE),
        (lambda x, y: abs(y - 12) < 0.6 and (x - 12) ** 2 + (y - 12) ** 2 < 100, WHITE),
        (lambda x, y: abs(((x - 12) / 5) ** 2 + ((y - 12) / 10) ** 2 - 1) < 0.12, WHITE),
    ], grid=24)
    # Folders: a folder.
    write_scaled_icon('folder.ico', s, [
        (polygon([(2, 5), (9, 5), (11, 7), (22, 7), (22, 20), (2, 20)]), (230, 170, 40)),
        (polygon([(2, 10), (22, 10), (22, 20), (2, 20)]), (255, 215, 90)),
    ], grid=24)
    # Options: a gear.
    teeth = lambda x, y: (x - 12) ** 2 + (y - 12) ** 2 <= 100 and \
        math.cos(8 * math.atan2(y - 12, x - 12)) > 0.2
    write_scaled_icon('options.ico', s, [
        (teeth, (90, 90, 100)),
        (circle(12, 12, 7.5), (90, 90, 100)),
        (circle(12, 12, 3), (255, 255, 255)),
    ], grid=24)
    # About: an "i" in a circle.
    write_scaled_icon('about.ico', s, [
        (circle(12, 12, 10), (40, 150, 80)),
        (circle(12, 6.5, 1.8), WHITE),
        (rect(10.5, 10, 13.5, 18.5), WHITE),
    ], grid=24)
    # The main menu button: three bars.
    write_scaled_icon('menu.ico', 24, [
        (rect(3, 5, 21, 8), INK), (rect(3, 10.5, 21, 13.5), INK), (rect(3, 16, 21, 19), INK),
    ], grid=24)


if __name__ == '__main__':
    main()
