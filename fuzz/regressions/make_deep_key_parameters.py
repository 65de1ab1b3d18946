#!/usr/bin/env python3
"""Writes the regression inputs of key parameters nested deep, a later key after
them, which crashed pm001 (the parser copied the deep object once per level) before the full parse
was held to 64 levels. The text, {"capx":{"":{"":…{}…}},"later":1} 16,500 objects deep (82 KB; a
sanitizer build overflows its stack from about 13,000), is kept
  - as a key-parameter text (key_parameter/deep-key-object.json),
  - as the user-adjusted set of a stored component: hammerhead's stored file of
    fuzz/corpus/container_load/ with its adjustment data set replaced (form 0x0302, switch 1, the
    text) and the checksum made again (container_load/deep-adjusted-key-parameters.pm001),
  - as the key-parameter file a project names, relative to examples/ as the whole-road target
    reads it (whole_road/deep-key-parameter-file.json).
Run again when the archive format changes:  python3 fuzz/regressions/make_deep_key_parameters.py"""
import os
import struct
import zlib

LEVELS = 16500
here = os.path.dirname(os.path.abspath(__file__))


def deep():
    return '{"capx":' + '{"":' * LEVELS + '{}' + '}' * LEVELS + ',"later":1}'


def archive_text(text):   # docs/archive-format.md, "Texts" (ASCII: the same bytes in code page 936)
    b = text.encode()
    if len(b) < 255: return bytes([len(b)]) + b
    if len(b) < 0xFFFE: return b'\xff' + struct.pack('<H', len(b)) + b
    return b'\xff\xff\xff' + struct.pack('<I', len(b)) + b


def with_adjusted_set(container, text):   # docs/archive-format.md, "The host's stored component file"
    assert container[:8] == b'PM001CMP'
    at, sets = 12, []
    for _ in range(3):
        n = struct.unpack_from('<I', container, at)[0]
        sets.append(container[at + 8:at + 8 + n])
        at += 8 + n
    assert sets[2][:4] == b'\x02\x03\x00\x00'
    sets[2] = sets[2][:4] + struct.pack('<i', 1) + archive_text(text)
    return container[:12] + b''.join(struct.pack('<II', len(s), zlib.crc32(s)) + s for s in sets)


if __name__ == '__main__':
    with open(f'{here}/key_parameter/deep-key-object.json', 'w') as out:
        out.write(deep())
    with open(f'{here}/../corpus/container_load/hammerhead.pm001', 'rb') as stored:
        container = with_adjusted_set(stored.read(), deep())
    with open(f'{here}/container_load/deep-adjusted-key-parameters.pm001', 'wb') as out:
        out.write(container)
    with open(f'{here}/whole_road/deep-key-parameter-file.json', 'w') as out:
        out.write('{"keyParameterFile": "../fuzz/regressions/key_parameter/deep-key-object.json"}\n')
