#!/usr/bin/python3
"""Runs the code of a Windows CE ARM image on a CPU model (Debian's unicorn).

The image is loaded at a base other than its preferred one, its HIGHLOW
relocations are applied and its imports are bound to stubs that do what the
CE functions do; then DllMain and the exports run on the CPU model. This
checks the code and the image layout, not the CE loader or window system.

  emulate.py prorate IMAGE CASES --cpu sa1110|ti925t|cortex-a8 [--misaligned] [--elf ELF]

prints the result of each case of CASES (format in prorate_cases.txt), as
prorate_table.exe prints those of an x86 build.

  emulate.py preheat IMAGE --cpu sa1110 [--id NAME]... [--no-library] [--no-log] [--elf ELF]

runs the preloader on a device with those id files (in the order the search
yields them), with or without the library and a log that can be opened, and
prints what it did: the files it searched and loaded, each log line, and
how it ended (asleep, or its exit code).

An unbound import or an invalid instruction stops a run with its name and
address.
"""
import argparse
import struct
import sys

from unicorn import Uc, UcError, UC_ARCH_ARM, UC_MODE_ARM, UC_HOOK_CODE, UC_PROT_ALL, UC_PROT_READ, UC_PROT_WRITE
from unicorn import UC_ERR_INSN_INVALID
from unicorn import arm_const as arm

CPUS = {'sa1110': arm.UC_CPU_ARM_SA1110, 'ti925t': arm.UC_CPU_ARM_TI925T, 'arm926': arm.UC_CPU_ARM_926,
        'cortex-a8': arm.UC_CPU_ARM_CORTEX_A8}
LOAD_BASE = 0x20000000  # not the images' preferred 0x10000000
STUBS = 0x01000000      # one 16-byte stub per import; RETURN ends a call
RETURN = STUBS + 0xFFF0
HEAP = 0x40000000
HEAP_SIZE = 0x400000
STACK = 0x7F000000
STACK_SIZE = 0x100000
CALLER = 0x60000000     # the caller's memory: texts, arrays, values
CALLER_SIZE = 0x10000
NO_ACCESS = 0x50000000  # no memory there: a caller's bad pointer
MOV_PC_LR = 0xE1A0F00E
KEEP_REGISTERS = object()  # a stub's answer when it set the registers itself


class Stop(Exception):
    pass


class Image:
    def __init__(self, data):
        pe = struct.unpack_from('<I', data, 0x3C)[0]
        if data[pe:pe + 4] != b'PE\0\0':
            raise Stop('not a PE image')
        self.machine, count = struct.unpack_from('<HH', data, pe + 4)
        opt = pe + 24
        self.entry = struct.unpack_from('<I', data, opt + 16)[0]
        self.base = struct.unpack_from('<I', data, opt + 28)[0]
        self.size = struct.unpack_from('<I', data, opt + 56)[0]
        self.headers = struct.unpack_from('<I', data, opt + 60)[0]
        self.directories = [struct.unpack_from('<II', data, opt + 96 + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + struct.unpack_from('<H', data, pe + 20)[0]
        for i in range(count):
            name, vsize, rva, rawsize, rawptr = struct.unpack_from('<8sIIII', data, table + 40 * i)
            flags = struct.unpack_from('<I', data, table + 40 * i + 36)[0]
            self.sections.append((name.rstrip(b'\0').decode(), rva, vsize, data[rawptr:rawptr + rawsize], flags))
        self.data = data


class Machine:
    def __init__(self, image_bytes, cpu, names=None):
        self.uc = Uc(UC_ARCH_ARM, UC_MODE_ARM)
        self.uc.ctl_set_cpu_model(CPUS[cpu])
        self.image = Image(image_bytes)
        self.names = names or {}
        self.heap_next = HEAP
        self.blocks = {}
        self.stubs = {}
        self.load()

    # --- loading ---------------------------------------------------------
    def load(self):
        img, uc = self.image, self.uc
        uc.mem_map(LOAD_BASE, (img.size + 0xFFF) & ~0xFFF, UC_PROT_ALL)
        uc.mem_write(LOAD_BASE, img.data[:img.headers])
        for name, rva, vsize, raw, flags in img.sections:
            uc.mem_write(LOAD_BASE + rva, raw[:max(vsize, 0)] if vsize else raw)
        self.relocate(LOAD_BASE - img.base)
        uc.mem_map(STUBS, 0x10000, UC_PROT_ALL)
        uc.mem_map(HEAP, HEAP_SIZE, UC_PROT_READ | UC_PROT_WRITE)
        uc.mem_map(STACK, STACK_SIZE, UC_PROT_READ | UC_PROT_WRITE)
        uc.mem_map(CALLER, CALLER_SIZE, UC_PROT_READ | UC_PROT_WRITE)
        uc.mem_write(RETURN, struct.pack('<I', MOV_PC_LR))
        self.bind_imports()
        uc.hook_add(UC_HOOK_CODE, self.on_stub, begin=STUBS, end=STUBS + 0xFFEF)

    def read32(self, va):
        return struct.unpack('<I', self.uc.mem_read(va, 4))[0]

    def write32(self, va, value):
        self.uc.mem_write(va, struct.pack('<I', value & 0xFFFFFFFF))

    def relocate(self, delta):
        rva, size = self.image.directories[5]
        end = rva + size
        while rva < end:
            page, block = struct.unpack('<II', self.uc.mem_read(LOAD_BASE + rva, 8))
            for i in range(8, block, 2):
                entry = struct.unpack('<H', self.uc.mem_read(LOAD_BASE + rva + i, 2))[0]
                kind, offset = entry >> 12, entry & 0xFFF
                if kind == 3:
                    va = LOAD_BASE + page + offset
                    self.write32(va, self.read32(va) + delta)
                elif kind != 0:
                    raise Stop(f'base relocation of type {kind} at RVA 0x{page + offset:x}')
            rva += block

    def string(self, va):
        """A narrow text, byte for byte (Latin-1 keeps every byte as it is)."""
        out = bytearray()
        while True:
            c = self.uc.mem_read(va, 1)[0]
            if not c:
                return out.decode('latin-1')
            out.append(c)
            va += 1

    def bind_imports(self):
        rva, _ = self.image.directories[1]
        at = LOAD_BASE + rva
        slot = 0
        while True:
            lookup, _, _, name, iat = struct.unpack('<IIIII', self.uc.mem_read(at, 20))
            if not name:
                return
            dll = self.string(LOAD_BASE + name).lower()
            i = 0
            while True:
                entry = self.read32(LOAD_BASE + (lookup or iat) + 4 * i)
                if not entry:
                    break
                if entry & 0x80000000:
                    raise Stop(f'{dll} import by ordinal {entry & 0xFFFF}')
                function = self.string(LOAD_BASE + entry + 2)
                stub = STUBS + 16 * slot
                slot += 1
                self.uc.mem_write(stub, struct.pack('<I', MOV_PC_LR))
                self.stubs[stub] = (dll, function)
                self.write32(LOAD_BASE + iat + 4 * i, stub)
                i += 1
            at += 20

    # --- the CE functions --------------------------------------------------
    def on_stub(self, uc, address, size, _):
        if address not in self.stubs:
            return
        dll, function = self.stubs[address]
        handler = getattr(self, 'ce_' + function, None)
        if handler is None:
            self.fault = f'unbound import {dll}!{function} called from {self.where(uc.reg_read(arm.UC_ARM_REG_LR) - 4)}'
            uc.emu_stop()
            return
        args = [uc.reg_read(r) for r in (arm.UC_ARM_REG_R0, arm.UC_ARM_REG_R1, arm.UC_ARM_REG_R2,
                                          arm.UC_ARM_REG_R3)]
        result = handler(*args)
        if result is not KEEP_REGISTERS:
            uc.reg_write(arm.UC_ARM_REG_R0, (result or 0) & 0xFFFFFFFF)

    def alloc(self, size):
        va = self.heap_next
        self.heap_next = (va + size + 15) & ~7
        if self.heap_next > HEAP + HEAP_SIZE:
            return 0
        self.blocks[va] = size
        return va

    def ce_LocalAlloc(self, flags, size, *_):
        va = self.alloc(size)
        if va and flags & 0x40:
            self.uc.mem_write(va, bytes(size))
        return va

    def ce_LocalFree(self, va, *_):
        if va and self.blocks.pop(va, None) is None:
            raise Stop(f'LocalFree of 0x{va:x}, which is no block')
        return 0

    def ce_LocalReAlloc(self, va, size, flags, *_):
        if va not in self.blocks:
            return 0
        if not flags & 2 and size > self.blocks[va]:
            return 0  # a fixed block may not move
        new = self.alloc(size)
        self.uc.mem_write(new, bytes(self.uc.mem_read(va, min(size, self.blocks.pop(va)))))
        return new

    def accessible(self, va, size, write):
        if size == 0:
            return True
        end = va + size
        for begin, last, perms in self.uc.mem_regions():
            if begin <= va <= last:
                if not perms & (UC_PROT_WRITE if write else UC_PROT_READ):
                    return False
                if end - 1 <= last:
                    return True
                va = last + 1
        return False

    def ce_IsBadReadPtr(self, va, size, *_):
        return 0 if self.accessible(va, size, False) else 1

    def ce_IsBadWritePtr(self, va, size, *_):
        return 0 if self.accessible(va, size, True) else 1

    def ce_TerminateProcess(self, process, code, *_):
        self.fault = f'the image ended the process (code {code}) from {self.where(self.uc.reg_read(arm.UC_ARM_REG_LR) - 4)}'
        self.uc.emu_stop()
        return 0

    # The thread slots of the class library (one thread here).
    def ce_TlsCall(self, function, slot, *_):
        if function != 0:  # only allocation is used
            raise Stop(f'TlsCall function {function}')
        self.tls = getattr(self, 'tls', [])
        self.tls.append(0)
        return len(self.tls) - 1

    def ce_TlsGetValue(self, slot, *_):
        return self.tls[slot]

    def ce_TlsSetValue(self, slot, value, *_):
        self.tls[slot] = value
        return 1

    def ce_DisableThreadLibraryCalls(self, module, *_):
        return 1

    # --- calls -------------------------------------------------------------
    def where(self, va):
        rva = va - LOAD_BASE
        best = max(((addr, name) for name, addr in self.names.items() if addr <= rva), default=None)
        return f'0x{va:08x}' + (f' ({best[1]}+0x{rva - best[0]:x})' if best else '')

    def export(self, wanted):
        rva, _ = self.image.directories[0]
        base = LOAD_BASE + rva
        n = self.read32(base + 24)
        functions, names, ordinals = (self.read32(base + o) for o in (28, 32, 36))
        for i in range(n):
            if self.string(LOAD_BASE + self.read32(LOAD_BASE + names + 4 * i)) == wanted:
                ordinal = struct.unpack('<H', self.uc.mem_read(LOAD_BASE + ordinals + 2 * i, 2))[0]
                return LOAD_BASE + self.read32(LOAD_BASE + functions + 4 * ordinal)
        raise Stop(f'the image exports no {wanted}')

    def call(self, va, args, misaligned=False):
        uc = self.uc
        stack_args = args[4:]
        sp = STACK + STACK_SIZE - 0x100 - 4 * len(stack_args)
        sp &= ~7
        if misaligned:
            sp -= 4
        for i, value in enumerate(stack_args):
            self.write32(sp + 4 * i, value)
        for reg, value in zip((arm.UC_ARM_REG_R0, arm.UC_ARM_REG_R1, arm.UC_ARM_REG_R2, arm.UC_ARM_REG_R3), args):
            uc.reg_write(reg, value & 0xFFFFFFFF)
        uc.reg_write(arm.UC_ARM_REG_SP, sp)
        uc.reg_write(arm.UC_ARM_REG_LR, RETURN)
        self.fault = None
        try:
            uc.emu_start(va, RETURN, count=50_000_000)
        except UcError as e:
            pc = uc.reg_read(arm.UC_ARM_REG_PC)
            what = 'invalid instruction' if e.errno == UC_ERR_INSN_INVALID else str(e)
            raise Stop(f'{what} at {self.where(pc)}')
        if self.fault:
            raise Stop(self.fault)
        if getattr(self, 'ended', None):
            raise Stop(self.ended)
        if uc.reg_read(arm.UC_ARM_REG_PC) != RETURN:
            raise Stop(f'the call did not return (stopped at {self.where(uc.reg_read(arm.UC_ARM_REG_PC))})')
        if uc.reg_read(arm.UC_ARM_REG_SP) != sp:
            raise Stop('the call did not restore the stack pointer')
        return uc.reg_read(arm.UC_ARM_REG_R0)

    def attach(self):
        if not self.call(LOAD_BASE + self.image.entry, [LOAD_BASE, 1, 0]):
            raise Stop('DllMain refused the process attach')


def to_signed(value):
    return value - (1 << 32) if value & 0x80000000 else value


BAD = {'!': 0, '?': NO_ACCESS}


def run_prorate(machine, cases, misaligned):
    """Cases as prorate_cases.txt describes them: "!" marks a null pointer,
    "?" one to memory that cannot be read or written."""
    do_prorate, prorate_ex = machine.export('do_prorate'), machine.export('ProrateEx')
    out = []
    for line in cases:
        fields = line.split()
        if fields[0] == 'd':
            at, pointers = CALLER, []
            for field in fields[1:4]:
                if field in ('!', '?'):
                    pointers.append(BAD[field])
                    continue
                text = b'' if field == '_' else field.replace('~', ' ').encode()
                machine.uc.mem_write(at, text + b'\0')
                pointers.append(at)
                at += len(text) + 1
            bad = fields[4] if fields[4:5] in (['!'], ['?']) else None
            result = BAD[bad] if bad else (at + 7) & ~7
            if not bad:
                machine.uc.mem_write(result, b'\xAA' * 64)
            written = machine.call(do_prorate, pointers + [result], misaligned)
            text = bad or bytes(machine.uc.mem_read(result, 64)).split(b'\0')[0].decode()
            out.append(f'd {to_signed(written)} {text}')
        else:
            total, part = int(fields[1]), int(fields[2])
            arrays = []
            for field in fields[3:5]:
                if field[0] in '!?':
                    arrays.append((field[0], int(field[1:])))
                else:
                    values = [] if field == '-' else [int(v) for v in field.split(',')]
                    arrays.append((values, len(values)))
            singles = [f if f in ('!', '?') else int(f) for f in fields[5:8]]
            singles.append(fields[8] if fields[8:9] in (['!'], ['?']) else 0x5A5A)
            words, pointers, at = [], [], CALLER
            for values, count in arrays:
                pointers += [BAD[values] if isinstance(values, str) else at, count]
                if not isinstance(values, str):
                    words += values
                    at += 4 * len(values)
            for value in singles:
                pointers.append(BAD[value] if isinstance(value, str) else at)
                if not isinstance(value, str):
                    words.append(value)
                    at += 4
            machine.uc.mem_write(CALLER, struct.pack(f'<{len(words)}i', *words))
            machine.call(prorate_ex, [total, part] + pointers, misaligned)
            got = list(struct.unpack(f'<{len(words)}i', machine.uc.mem_read(CALLER, 4 * len(words))))
            shown = []
            for values, count in arrays:
                shown.append(values if isinstance(values, str) else ','.join(str(got.pop(0)) for _ in values) or '-')
            shown += [value if isinstance(value, str) else str(got.pop(0)) for value in singles]
            out.append('p ' + ' '.join(shown))
    return out


class Device(Machine):
    """A CE 3.0 handheld's file system, as the preloader sees it."""
    FOUND = 0x1D00
    LOG = 0x10C

    def __init__(self, image_bytes, cpu, names, ids, library, log):
        super().__init__(image_bytes, cpu, names)
        self.ids, self.library, self.log_opens = ids, library, log
        self.events = []
        self.ended = None

    def wide(self, va):
        out = []
        while True:
            unit = struct.unpack('<H', self.uc.mem_read(va, 2))[0]
            if not unit:
                return ''.join(out)
            out.append(chr(unit))
            va += 2

    def stop(self, how):
        self.ended = how
        self.uc.emu_stop()

    def ce_FindFirstFileW(self, pattern, found, *_):
        self.events.append(f'search {self.wide(pattern)}')
        if not self.ids:
            return 0xFFFFFFFF
        # CE's find data: attributes, three times, two sizes, object id, name
        name = self.ids[0][:259].encode('utf-16-le') + b'\0\0'
        self.uc.mem_write(found + 40, name)
        return self.FOUND

    def ce_FindClose(self, search, *_):
        if search != self.FOUND:
            raise Stop(f'FindClose of 0x{search:x}, which is no search')
        return 1

    def ce_LoadLibraryW(self, path, *_):
        self.events.append(f'load {self.wide(path)}')
        return 0x7000000 if self.library else 0

    def ce_Sleep(self, milliseconds, *_):
        self.stop(f'asleep ({milliseconds} ms)')

    def ce_TerminateProcess(self, process, code, *_):
        if process != 0x42:
            raise Stop(f'TerminateProcess of 0x{process:x}, not of the process itself')
        self.stop(f'ended with {to_signed(code)}')

    def stack_argument(self, n):
        """Argument n (from 0) of a call: the first four come in registers."""
        return self.read32(self.uc.reg_read(arm.UC_ARM_REG_SP) + 4 * (n - 4))

    def ce_WideCharToMultiByte(self, code_page, flags, wide, wide_length):
        """The ANSI code page of a Western device (1252); characters it lacks
        become its default character."""
        narrow, narrow_bytes = self.stack_argument(4), self.stack_argument(5)
        if code_page != 0 or to_signed(wide_length) != -1:
            raise Stop(f'WideCharToMultiByte({code_page}, length {to_signed(wide_length)}) is not stubbed')
        text = self.wide(wide).encode('cp1252', errors='replace') + b'\0'
        if len(text) > narrow_bytes:
            return 0
        self.uc.mem_write(narrow, text)
        return len(text)

    def ce_fopen(self, path, mode, *_):
        self.events.append(f'open {self.string(path)} "{self.string(mode)}"')
        return self.LOG if self.log_opens else 0

    def ce_fwrite(self, data, size, count, stream):
        if stream != self.LOG:
            raise Stop(f'fwrite to 0x{stream:x}, which is no open file')
        self.events.append('line ' + repr(bytes(self.uc.mem_read(data, size * count)).decode('latin-1')))
        return count

    def ce_fclose(self, stream, *_):
        return 0

    def ce__vsnprintf(self, buffer, size, fmt, args):
        """CE's: -1 and no terminator when the text does not fit."""
        text = bytearray()
        pattern = self.string(fmt)
        i = 0
        while i < len(pattern):
            c = pattern[i]
            if c != '%':
                text += c.encode('latin-1')
            else:
                i += 1
                kind = pattern[i]
                if kind == '%':
                    text += b'%'
                else:
                    value = self.read32(args)
                    args += 4
                    if kind == 'S':
                        text += self.wide(value).encode('latin-1')
                    elif kind == 's':
                        text += self.string(value).encode('latin-1')
                    elif kind == 'd':
                        text += str(to_signed(value)).encode()
                    else:
                        raise Stop(f'_vsnprintf format %{kind} is not stubbed')
            i += 1
        if len(text) < size:
            self.uc.mem_write(buffer, bytes(text) + b'\0')
            return len(text)
        self.uc.mem_write(buffer, bytes(text[:size]))
        return -1

    def run(self):
        try:
            self.call(LOAD_BASE + self.image.entry, [LOAD_BASE, 0, 0, 5])
        except Stop as e:
            if self.ended is None:
                raise
            if self.fault:
                raise Stop(self.fault) from e
        if self.ended is None:
            raise Stop('the program returned from its entry')
        return self.events + [self.ended]


def read_cases(path):
    with open(path) as f:
        return [l.split('#', 1)[0].strip() for l in f if l.split('#', 1)[0].strip()]


def elf_names(path):
    sys.path.insert(0, __file__.rsplit('/', 1)[0])
    import cepe
    with open(path, 'rb') as f:
        elf = cepe.Elf(f.read())
    base = min(s['addr'] for s in elf.sections if s['flags'] & 2) - 0x1000
    return {s['name']: s['value'] - base for s in elf.symbols if s['type'] == 2 and s['name']}


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument('what', choices=['prorate', 'preheat'])
    parser.add_argument('image')
    parser.add_argument('cases', nargs='?')
    parser.add_argument('--id', action='append', default=[], help='an id file, in search order')
    parser.add_argument('--no-library', action='store_true')
    parser.add_argument('--no-log', action='store_true', help='the log cannot be opened')
    parser.add_argument('--cpu', choices=sorted(CPUS), required=True)
    parser.add_argument('--misaligned', action='store_true', help='call with a stack aligned to 4 bytes only')
    parser.add_argument('--elf', help='the linked ELF, to name addresses in reports')
    args = parser.parse_args(argv)
    with open(args.image, 'rb') as f:
        data = f.read()
    names = elf_names(args.elf) if args.elf else None
    try:
        if args.what == 'preheat':
            device = Device(data, args.cpu, names, args.id, not args.no_library, not args.no_log)
            lines = device.run()
        else:
            machine = Machine(data, args.cpu, names)
            machine.attach()
            lines = run_prorate(machine, read_cases(args.cases), args.misaligned)
        for line in lines:
            print(line)
    except Stop as e:
        print(f'emulate: {e}', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
