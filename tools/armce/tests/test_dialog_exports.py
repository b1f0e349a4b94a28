#!/usr/bin/python3
"""The four dialog exports of each ARM library image, on its device's CPU
model, up to their dialog: the texts converted through the code page or
"%S", the text list cut at 0x1C by the display rule (last piece kept when
not empty) or the list rule (last piece dropped), the guest's line not cut,
the mode's low 16 bits, the template, and the end code written once.

  test_dialog_exports.py ARM_BUILD_DIR
"""
import os
import re
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import dialog_host  # noqa: E402
import emulate  # noqa: E402

BUILD = sys.argv.pop(1) if len(sys.argv) > 1 else 'build/arm-ce'
IMAGES = [('riloCE', 'sa1110'), ('riloCE5', 'ti925t'), ('riloEC7', 'cortex-a8')]
with open(os.path.join(HERE, '..', '..', '..', 'library', 'resources', 'resource.h')) as f:
    ID = dict(re.findall(r'#define\s+(\w+)\s+(\d+)', f.read()))

# (export and arguments, expected records: the template, the title, the
# list's column and rows, the labels' texts, what is hidden, the end code)
CASES = [
    (['rilo_display', 'Bill', 'A\\x1cB\\xe9\\x1c\\x1cC', '65537', '@end'],
     [f"template {ID['IDD_DLG_SHORT32']}", f"text {ID['IDC_TITLE']} Bill", f"column {ID['IDC_SHORT_LINES']} ",
      f"row {ID['IDC_SHORT_LINES']} A", f"row {ID['IDC_SHORT_LINES']} B\u00e9", f"row {ID['IDC_SHORT_LINES']} ",
      f"row {ID['IDC_SHORT_LINES']} C", 'endcode 1']),
    # Mode 65538 is mode 2: only Back and the paging buttons; a closing
    # separator adds no empty line.
    (['rilo_display', 'T', 'x\\x1c', '65538', '@end'],
     [f"template {ID['IDD_DLG_SHORT32']}", f"text {ID['IDC_TITLE']} T", f"column {ID['IDC_SHORT_LINES']} ",
      f"row {ID['IDC_SHORT_LINES']} x", f"hide {ID['IDC_SHORT_PRINT']}", f"hide {ID['IDC_SHORT_EXIT']}",
      'endcode 1']),
    (['rilo_short_inq', 'Room 0412\\x1cBalance\\x1c', '5.2'],
     [f"template {ID['IDD_DLG_SHORT32']}", f"text {ID['IDC_TITLE']} Zenta Rilo V.5.2",
      f"column {ID['IDC_SHORT_LINES']} ", f"row {ID['IDC_SHORT_LINES']} Room 0412",
      f"row {ID['IDC_SHORT_LINES']} Balance", f"hide {ID['IDC_SHORT_PRINT']}", f"hide {ID['IDC_SHORT_EXIT']}"]),
    # A leading separator gives an empty first item; the unclosed last one is dropped.
    (['rilo_list_input', 'Guests', 'Room  Name', '\\x1c0412 SMITH\\x1c0414 MILLER', '0', '5.2', '@end'],
     [f"template {ID['IDD_DLG_LIST32']}", f"text {ID['IDC_TITLE']} Guests", f"column {ID['IDC_LIST_ITEMS']} Room  Name",
      f"row {ID['IDC_LIST_ITEMS']} ", f"row {ID['IDC_LIST_ITEMS']} 0412 SMITH", 'endcode 1']),
    # Markers "L": the message label and icon are hidden; the guest's line keeps its separator.
    (['rilo_gst_select', 'Guest', 'Room  Name', '0412 SMITH\\x1cX', 'L', '0', '@end'],
     [f"template {ID['IDD_DLG_GUESTFUNC32']}", f"text {ID['IDC_TITLE']} Guest",
      f"column {ID['IDC_GUEST_LIST']} Room  Name", f"row {ID['IDC_GUEST_LIST']} 0412 SMITH\\x1cX",
      f"text {ID['IDC_GUEST_MESSAGE_IND']} Guest has a Message", f"text {ID['IDC_GUEST_LOCATOR_IND']} Guest has a Locator",
      f"hide {ID['IDC_GUEST_MESSAGE_IND']}", f"hide {ID['IDC_GUEST_MESSAGE_ICON']}", 'endcode 1']),
]


def shown(records):
    """What the check compares: no empty button captions, no shell windows."""
    return [r for r in records if not re.fullmatch(r'text \d+ ', r) and not r.endswith(' other')]


class DialogExports(unittest.TestCase):
    def test_each_export_reaches_its_dialog_with_the_converted_texts(self):
        for image, cpu in IMAGES:
            with open(os.path.join(BUILD, 'images', image + '.dll'), 'rb') as f:
                data = f.read()
            names = emulate.elf_names(os.path.join(BUILD, image + '_elf.elf'))
            for call, expected in CASES:
                with self.subTest(image=image, export=call[0], arguments=call[1:]):
                    host = dialog_host.DialogHost(data, cpu, names)
                    host.attach()
                    self.assertEqual(expected, shown(dialog_host.run(host, call[0], call[1:])))


if __name__ == '__main__':
    unittest.main()
