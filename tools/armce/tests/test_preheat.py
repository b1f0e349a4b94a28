#!/usr/bin/python3
"""The ARM preloader image on the CE 3.0 CPU model: what it searches, loads
and logs, and how it ends, for the device states the desktop build's test
drives (preload/tests/preheat_test.cpp), one expected sequence per state.

  test_preheat.py ARM_BUILD_DIR
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
import emulate  # noqa: E402

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else 'build/arm-ce'
SEARCH = 'search \\Platform\\PPT2846*.id'
OPEN = 'open \\corvane\\preheat.txt "a"'
LOAD = 'load \\corvane\\etc\\riloCE.dll'
ASLEEP = 'asleep (60000 ms)'
LONG_ID = 'PPT2846' + 'x' * 240 + '.id'

# (name, id files in search order, library loads, log opens, expected events)
CASES = [
    ('no id file', [], True, True,
     [SEARCH, OPEN, "line 'NO PPT2846 ID found, program will exit now\\n'", 'ended with 0']),
    ('library present', ['PPT2846.id'], True, True,
     [SEARCH, OPEN, "line 'Found PPT2846 ID: PPT2846.id\\n'", LOAD, OPEN, "line 'PreLoaded DLL successfully!!\\n'",
      ASLEEP]),
    ('library missing', ['PPT2846_03.id'], False, True,
     [SEARCH, OPEN, "line 'Found PPT2846 ID: PPT2846_03.id\\n'", LOAD, OPEN, "line 'FAILED to load DLL!!\\n'",
      ASLEEP]),
    ('first of two named', ['PPT2846A.id', 'PPT2846B.id'], True, True,
     [SEARCH, OPEN, "line 'Found PPT2846 ID: PPT2846A.id\\n'", LOAD, OPEN, "line 'PreLoaded DLL successfully!!\\n'",
      ASLEEP]),
    # The name keeps its first 236 characters: 255 bytes with the line feed.
    ('long name cut to fit', [LONG_ID], False, True,
     [SEARCH, OPEN, "line 'Found PPT2846 ID: PPT2846" + 'x' * 229 + "\\n'", LOAD, OPEN,
      "line 'FAILED to load DLL!!\\n'", ASLEEP]),
    # In the code page: the euro sign and e acute kept, a Chinese character as its default character.
    ('name in the ANSI code page', ['PPT2846-\u20ac\u4e2d-\u00e9.id'], True, True,
     [SEARCH, OPEN, "line 'Found PPT2846 ID: PPT2846-\\x80?-\u00e9.id\\n'", LOAD, OPEN,
      "line 'PreLoaded DLL successfully!!\\n'", ASLEEP]),
    ('log cannot be opened', ['PPT2846.id'], True, False, [SEARCH, OPEN, LOAD, OPEN, ASLEEP]),
]


class PreheatImage(unittest.TestCase):
    def test_device_states(self):
        with open(os.path.join(BUILD, 'images', 'preheat.exe'), 'rb') as f:
            image = f.read()
        names = emulate.elf_names(os.path.join(BUILD, 'preheat_elf.elf'))
        for name, ids, library, log, expected in CASES:
            with self.subTest(name):
                events = emulate.Device(image, 'sa1110', names, ids, library, log).run()
                for row, (want, got) in enumerate(zip(expected, events)):
                    self.assertEqual(want, got, f'event {row}')
                self.assertEqual(len(expected), len(events))


if __name__ == '__main__':
    unittest.main()
