#!/usr/bin/python3
"""Runs a dialog export of a Windows CE ARM image on a CPU model up to its
dialog: the export converts and splits its texts, fills the dialog object
and runs it modally; the modal run here only sends the dialog its
WM_INITDIALOG, records what the dialog puts into its controls (window texts,
list columns and rows, hidden controls) and ends it with a given code.
The window functions are stubs with no windows behind them: this checks the
exports' code on ARM, not the CE window system.

  dialog_host.py IMAGE --cpu sa1110|ti925t|cortex-a8 [--elf ELF] EXPORT ARG...

A text argument is given with \\xNN escapes (\\x1c the separator), an
integer as itself, "@end" for the caller's end-code integer (set to -7
before the call). Prints one record a line, then the end code:
  template N | text ID TEXT | column ID TEXT | row ID TEXT | hide ID | endcode N
"""
import argparse
import struct
import sys

from emulate import CALLER, KEEP_REGISTERS, LOAD_BASE, Machine, STUBS, Stop, elf_names, MOV_PC_LR
from unicorn import arm_const as arm

DIALOG = 0x00D10000      # the dialog's window handle
CONTROL = 0x00C00000     # a control's handle is CONTROL + its id
DIALOG_END = STUBS + 0xFFE0
OLD_PROC = STUBS + 0xFFD0
SCREEN = (480, 640)
END_CODE = 1             # how the dialog ends its modal run here


def shown(text):
    """A recorded text, its control characters as \\xNN."""
    return ''.join(f'\\x{ord(c):02x}' if ord(c) < 0x20 else c for c in text)


def ansi_text(data):
    """Code page 1252 as Wine and CE convert it (undefined bytes as Latin-1)."""
    return ''.join(bytes([b]).decode('cp1252', errors='ignore') or chr(b) for b in data)


class DialogHost(Machine):
    def __init__(self, image_bytes, cpu, names=None):
        super().__init__(image_bytes, cpu, names)
        self.records = []
        self.handles = 0x00A00000
        self.window_longs = {}
        self.uc.mem_write(DIALOG_END, struct.pack('<I', MOV_PC_LR))
        self.stubs[DIALOG_END] = ('', '_dialog_end')

    # --- helpers -----------------------------------------------------------
    def arg(self, n):
        """The n-th argument (0-based) of the call being stubbed."""
        if n < 4:
            return self.uc.reg_read((arm.UC_ARM_REG_R0, arm.UC_ARM_REG_R1, arm.UC_ARM_REG_R2, arm.UC_ARM_REG_R3)[n])
        return self.read32(self.uc.reg_read(arm.UC_ARM_REG_SP) + 4 * (n - 4))

    def wide(self, va):
        out = bytearray()
        while True:
            unit = bytes(self.uc.mem_read(va, 2))
            if unit == b'\0\0':
                return out.decode('utf-16-le')
            out += unit
            va += 2

    def new_handle(self, *_):
        self.handles += 4
        return self.handles

    def control(self, hwnd):
        if hwnd == DIALOG:
            return 'dialog'
        return str(hwnd - CONTROL) if CONTROL < hwnd < CONTROL + 0x10000 else 'other'

    def write_rect(self, va, rect):
        self.uc.mem_write(va, struct.pack('<4i', *rect))

    # --- the modal run -------------------------------------------------------
    def ce_FindResourceW(self, module, name, kind, *_):
        rva, _ = self.image.directories[2]
        entry = self.resource_entry(rva, rva, kind)
        entry = entry and self.resource_entry(rva, entry, name)
        entry = entry and self.resource_entry(rva, entry, None)
        if not entry:
            raise Stop(f'the image has no resource {name} of type {kind}')
        self.records.append(f'template {name}')
        return LOAD_BASE + entry

    def resource_entry(self, root, directory, wanted):
        """The first (wanted None) or the wanted id's entry of a directory; a
        subdirectory's RVA, or a data entry's RVA."""
        base = LOAD_BASE
        named, ids = struct.unpack('<HH', self.uc.mem_read(base + directory + 12, 4))
        for i in range(named + ids):
            ident, target = struct.unpack('<II', self.uc.mem_read(base + directory + 16 + 8 * i, 8))
            if wanted is None or ident == wanted:
                return root + (target & 0x7FFFFFFF)
        return 0

    def ce_LoadResource(self, module, resource, *_):
        data_rva = self.read32(resource)
        return LOAD_BASE + data_rva

    def ce_DialogBoxIndirectParamW(self, instance, template, owner, proc, *_):
        # The dialog procedure gets WM_INITDIALOG; its return comes back to
        # _dialog_end, which ends the modal run with END_CODE.
        self.dialog_return = self.uc.reg_read(arm.UC_ARM_REG_LR)
        param = self.arg(4)
        for reg, value in zip((arm.UC_ARM_REG_R0, arm.UC_ARM_REG_R1, arm.UC_ARM_REG_R2, arm.UC_ARM_REG_R3),
                              (DIALOG, 0x0110, 0, param)):
            self.uc.reg_write(reg, value)
        self.uc.reg_write(arm.UC_ARM_REG_LR, DIALOG_END)
        self.uc.reg_write(arm.UC_ARM_REG_PC, proc)
        return KEEP_REGISTERS

    def ce__dialog_end(self, init_result, *_):
        self.uc.reg_write(arm.UC_ARM_REG_LR, self.dialog_return)
        return END_CODE

    # --- windows -------------------------------------------------------------
    def ce_GetDlgItem(self, dialog, ident, *_):
        return CONTROL + ident

    def ce_GetClassNameW(self, hwnd, buffer, size, *_):
        name = '#32770' if hwnd == DIALOG else 'Control'
        self.uc.mem_write(buffer, (name[:size - 1] + '\0').encode('utf-16-le'))
        return len(name)

    def ce_SetWindowLongW(self, hwnd, index, value, *_):
        key = (hwnd, index - (1 << 32) if index & 0x80000000 else index)
        old = self.window_longs.get(key, OLD_PROC if key[1] == -4 else 0)
        self.window_longs[key] = value
        return old

    def ce_GetWindowLongW(self, hwnd, index, *_):
        return self.window_longs.get((hwnd, index - (1 << 32) if index & 0x80000000 else index), 0)

    def ce_SetWindowTextW(self, hwnd, text, *_):
        self.records.append(f'text {self.control(hwnd)} {shown(self.wide(text))}')
        return 1

    def ce_ShowWindow(self, hwnd, show, *_):
        if show == 0:
            self.records.append(f'hide {self.control(hwnd)}')
        return 1

    def ce_SendMessageW(self, hwnd, message, wparam, lparam, *_):
        if message == 0x104D:  # LVM_INSERTITEMW: the row's text
            self.records.append(f'row {self.control(hwnd)} {shown(self.wide(self.read32(lparam + 20)))}')
            return self.read32(lparam + 4)
        if message == 0x1061:  # LVM_INSERTCOLUMNW: the heading
            self.records.append(f'column {self.control(hwnd)} {shown(self.wide(self.read32(lparam + 12)))}')
            return wparam
        return 0

    def ce_GetSystemMetrics(self, index, *_):
        return {0: SCREEN[0], 1: SCREEN[1]}.get(index, 0)

    def ce_GetWindowRect(self, hwnd, rect, *_):
        self.write_rect(rect, (0, 0) + SCREEN)
        return 1

    ce_GetClientRect = ce_GetWindowRect

    def ce_GetObjectW(self, handle, size, buffer, *_):
        # A picture of 16 x 16 pixels, 4 bits each.
        self.uc.mem_write(buffer, struct.pack('<iiiiHHI', 0, 16, 16, 8, 1, 4, 0)[:size])
        return size

    def ce_MultiByteToWideChar(self, code_page, flags, text, length, *_):
        buffer, size = self.arg(4), self.arg(5)
        data = bytearray()
        while length == 0xFFFFFFFF or len(data) < length:
            c = self.uc.mem_read(text + len(data), 1)[0]
            data.append(c)
            if length == 0xFFFFFFFF and not c:
                break
        wide = ansi_text(data).encode('utf-16-le')
        if buffer:
            if len(wide) // 2 > size:
                return 0
            self.uc.mem_write(buffer, wide)
        return len(wide) // 2

    def ce_GetSystemDefaultLCID(self, *_):
        return 0x0409

    def ce_RegOpenKeyExW(self, *_):
        return 2  # no such key: the registry holds no font name

    ce_CreateFontIndirectW = ce_CreateSolidBrush = ce_CreatePen = ce_CreateCompatibleDC = new_handle
    ce_LoadBitmapW = ce_CommandBar_Create = new_handle

    def ce_GetSysColor(self, *_):
        return 0xC0C0C0


# Calls that change nothing the exports' code reads back: each succeeds.
for _name in ('InitCommonControlsEx', 'SHInitDialog', 'SHFullScreen', 'SHDoneButton', 'SetWindowPos',
              'SetForegroundWindow', 'MoveWindow', 'InvalidateRect', 'RedrawWindow', 'SetFocus', 'DeleteObject',
              'DeleteDC', 'DestroyWindow', 'EndDialog', 'SelectObject', 'SetBkMode', 'SaveDC', 'RestoreDC',
              'RegCloseKey'):
    setattr(DialogHost, 'ce_' + _name, lambda self, *_: 1)
# Calls whose answer is "none": no active window, no parent, no task bar.
for _name in ('GetActiveWindow', 'GetParent', 'FindWindowW', 'CallWindowProcW', 'DefWindowProcW', 'DefDlgProcW',
              'SetTextColor', 'SetBkColor', 'GetBkColor', 'GetWindowTextLengthW', 'GetWindowTextW',
              'RegQueryValueExW'):
    setattr(DialogHost, 'ce_' + _name, lambda self, *_: 0)


def encode_argument(text):
    return bytes(text, 'latin-1').decode('unicode_escape').encode('latin-1')


def run(host, export, arguments):
    values, at, end_code = [], CALLER, None
    for argument in arguments:
        if argument == '@end':
            end_code = at
            host.write32(at, -7)
            values.append(at)
            at += 4
        elif argument.lstrip('-').isdigit():
            values.append(int(argument) & 0xFFFFFFFF)
        else:
            data = encode_argument(argument) + b'\0'
            host.uc.mem_write(at, data)
            values.append(at)
            at = (at + len(data) + 3) & ~3
    host.call(host.export(export), values)
    records = host.records
    if end_code is not None:
        value = host.read32(end_code)
        records.append(f'endcode {value - (1 << 32) if value & 0x80000000 else value}')
    return records


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument('image')
    parser.add_argument('--cpu', required=True)
    parser.add_argument('--elf')
    parser.add_argument('export')
    parser.add_argument('arguments', nargs='*')
    args = parser.parse_args(argv)
    with open(args.image, 'rb') as f:
        host = DialogHost(f.read(), args.cpu, elf_names(args.elf) if args.elf else None)
    try:
        host.attach()
        for line in run(host, args.export, args.arguments):
            print(line)
    except Stop as e:
        print(f'dialog_host: {e}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
