#!/usr/bin/env python3
"""Counts the errors of a valgrind memcheck XML log that come from the
project's own code, and prints "MINE ALL".

An error is the project's when the innermost frame below the allocator and
the C and C++ libraries lies in the program itself: the project's code is
linked into it statically.  Each such error is also named on stderr.
    memcheck_errors.py LOG.xml PROGRAM
"""
import os
import sys
import xml.etree.ElementTree as ET

WRAPPERS = ('vgpreload_', 'libc.so', 'libstdc++.so', 'libm.so')


def what(err):
    text = err.findtext('what')
    if text:
        return text
    xwhat = err.find('xwhat')
    return xwhat.findtext('text') if xwhat is not None else '?'


def main(log, binary):
    binary = os.path.realpath(binary)
    mine = total = 0
    for err in ET.parse(log).getroot().iter('error'):
        total += 1
        for frame in err.iter('frame'):
            obj = os.path.realpath(frame.findtext('obj') or '')
            if any(w in obj.rsplit('/', 1)[-1] for w in WRAPPERS):
                continue
            if obj == binary:
                mine += 1
                print('  %s: %s in %s' % (err.findtext('kind') or '?', what(err),
                                          frame.findtext('fn') or '?'), file=sys.stderr)
            break
    print(mine, total)


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
