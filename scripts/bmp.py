"""The 24-bit BMP writer shared by the sample generators (standard library only)."""
import struct


def write_bmp(path, w, h, pixel):
    """24-bit bottom-up BMP; pixel(x, y) -> (r, g, b) with y from the top."""
    row = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        line = bytearray()
        for x in range(w):
            r, g, b = pixel(x, y)
            line += bytes((max(0, min(255, int(b))), max(0, min(255, int(g))), max(0, min(255, int(r)))))
        line += b"\0" * (row - w * 3)
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)
