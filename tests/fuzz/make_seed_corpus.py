#!/usr/bin/env python3
"""Writes the seed inputs of input_fuzzer: a few command lines, group directories, small PE
modules with a resource table and small NE modules. The first byte of each picks what the
rest is (0 command line, 1 group directory, 2 file for the resource table checks and the PE
resource reader, 3 file for the NE resource table reader, 4 image of a group).

    make_seed_corpus.py OUT_DIR
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', 'fixtures'))
from make_fixtures import dib, dib_image, ne_module, png, png_image  # noqa: E402


def command_line(text):
    return b'\0' + text.encode('utf-16-le')


def group_directory(entries, count=None):
    """(width, bits per pixel, byte count, image id) of each member."""
    out = struct.pack('<HHH', 0, 1, len(entries) if count is None else count)
    for width, bpp, size, image_id in entries:
        out += struct.pack('<BBBBHHIH', width, width, 0, 0, 1, bpp, size, image_id)
    return b'\1' + out


def pe_module(group, image, pe32_plus=False):
    """A module of one section holding a resource table: one icon group and one icon."""
    section_rva, section_at = 0x1000, 0x200

    def directory(entries):
        return struct.pack('<IIHHHH', 0, 0, 0, 0, 0, len(entries)) + b''.join(
            struct.pack('<II', name, target) for name, target in entries)

    # root (type entries) at 0, then the name and language levels, then data entries and data.
    root_size = 16 + 8 * 2
    level = 16 + 8
    names_at = root_size
    languages_at = names_at + 2 * level
    data_entries_at = languages_at + 2 * level
    data_at = data_entries_at + 2 * 16
    sub = 0x80000000
    tree = directory([(3, sub | names_at), (14, sub | (names_at + level))])
    tree += directory([(1, sub | languages_at)]) + directory([(1, sub | (languages_at + level))])
    tree += directory([(0, data_entries_at)]) + directory([(0, data_entries_at + 16)])
    tree += struct.pack('<IIII', section_rva + data_at, len(image), 0, 0)
    tree += struct.pack('<IIII', section_rva + data_at + len(image), len(group), 0, 0)
    resources = tree + image + group

    optional_size = 240 if pe32_plus else 224
    dos = b'MZ' + bytes(0x3A) + struct.pack('<I', 0x40)
    file_header = struct.pack('<HHIIIHH', 0x8664 if pe32_plus else 0x14C, 1, 0, 0, 0,
                              optional_size, 0x2102)
    optional = bytearray(optional_size)
    struct.pack_into('<H', optional, 0, 0x20B if pe32_plus else 0x10B)
    directories = 112 if pe32_plus else 96
    struct.pack_into('<I', optional, directories - 4, 16)
    struct.pack_into('<II', optional, directories + 16, section_rva, len(resources))
    section = struct.pack('<8sIIIIIIHHI', b'.rsrc', len(resources), section_rva, len(resources),
                          section_at, 0, 0, 0, 0, 0x40000040)
    headers = dos + b'PE\0\0' + file_header + bytes(optional) + section
    return b'\2' + headers + bytes(section_at - len(headers)) + resources


def ne_library():
    """Three groups in table order: a number, a name and a number; 4-bit, 32-bit and PNG."""
    return ne_module([(5, [dib(16, 4, 1), dib(8, 32, 2)]), ('NAMED', [png(8, 3)]),
                      (1, [dib(16, 4, 4)])], 4, library=True)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    image = bytes(range(40)) * 4
    seeds = {
        'command_quoted': command_line('"C:\\Tools\\Morvane.exe" "D:\\my apps\\tool.exe"'),
        'command_plain': command_line('Morvane.exe D:\\apps\\tool.exe more'),
        'command_lone_quote': command_line('Morvane.exe "'),
        'group_two_images': group_directory([(32, 4, 744, 1), (16, 4, 296, 2)]),
        'group_no_image': group_directory([]),
        'group_counts_more': group_directory([(32, 4, 744, 1)], count=3),
        'group_missing_image': group_directory([(32, 8, 100, 10), (48, 32, 9000, 14)]),
        'module_pe32': pe_module(group_directory([(32, 4, len(image), 1)])[1:], image),
        'module_pe32_plus': pe_module(group_directory([(32, 4, len(image), 1)])[1:], image, True),
        'module_16_bit': b'\2MZ' + bytes(0x3A) + struct.pack('<I', 0x40) + b'NE' + bytes(60),
        'module_ne_library': b'\3' + ne_library(),
        'module_ne_program': b'\3' + ne_module([(1, [dib(16, 4, 2)])], 9, library=False,
                                               code=bytes(range(100))),
        'shell_ne_library': b'\2' + ne_library(),
        'image_1_bit': b'\4' + dib_image(7, 1, 1),
        'image_4_bit': b'\4' + dib_image(16, 4, 2),
        'image_8_bit': b'\4' + dib_image(9, 8, 3),
        'image_24_bit': b'\4' + dib_image(5, 24, 4),
        'image_32_bit': b'\4' + dib_image(16, 32, 5),
        'image_png': b'\4' + png_image(8, 6),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
