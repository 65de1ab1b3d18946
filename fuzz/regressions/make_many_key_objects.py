#!/usr/bin/env python3
"""Writes the regression inputs of one object holding many distinct keys (about 8,700 in 63 KB), which
each reader took time growing with the square of the key count to read (every member was looked up
among those before it) before objects were read in time linear in their size. The object, with a
fault after it so that the full parser reads it too, is kept
  - as a key-parameter text (key_parameter/many-keys.json),
  - as a project file (project_check/many-keys.json),
  - as the key-parameter file a project names, relative to examples/ as the whole-road target reads
    it (whole_road/many-keys-in-key-parameter-file.json),
  - as the user-adjusted set of a stored component: hammerhead's stored file of
    fuzz/corpus/container_load/ with its adjustment data set replaced
    (container_load/many-keys-in-adjusted-key-parameters.pm001),
  - as a material catalogue (catalog/many-keys.json).
Run again when the archive format changes:  python3 fuzz/regressions/make_many_key_objects.py"""
import os
import string

from make_deep_key_parameters import with_adjusted_set

SIZE = 63 * 1024
here = os.path.dirname(os.path.abspath(__file__))
letters = string.ascii_letters + string.digits


def keys():   # the shortest distinct keys first: "a" … "9", "aa" …
    for c in letters:
        yield c
    for c in letters:
        for d in letters:
            yield c + d
    for c in letters:
        for d in letters:
            for e in letters:
                yield c + d + e


def many(outer):   # {outer: {"a":0,"b":0,…}, "x":} — the missing value after the object is the fault
    members, size = [], len(outer) + 16
    for key in keys():
        member = f'"{key}":0'
        if size + len(member) + 1 > SIZE:
            break
        members.append(member)
        size += len(member) + 1
    return '{"' + outer + '":{' + ','.join(members) + '},"x":}'


def write(name, text, mode='w'):
    with open(f'{here}/{name}', mode) as out:
        out.write(text)


write('key_parameter/many-keys.json', many('cap'))
write('project_check/many-keys.json', many('pier'))
write('whole_road/many-keys.json', many('cap'))
write('whole_road/many-keys-in-key-parameter-file.json',
      '{"keyParameterFile": "../fuzz/regressions/whole_road/many-keys.json"}\n')
with open(f'{here}/../corpus/container_load/hammerhead.pm001', 'rb') as stored:
    write('container_load/many-keys-in-adjusted-key-parameters.pm001', with_adjusted_set(stored.read(), many('cap')), 'wb')
write('catalog/many-keys.json', many('concrete'))
