#!/usr/bin/python3
"""Checks a Windows CE ARM image with readers independent of the tool that
wrote it: llvm-readobj for the headers, exports, imports and relocations,
and the GNU ARM objdump on the linked ELF (whose code the image carries
byte for byte) for the instruction set.

  check_image.py IMAGE --machine M --subsystem MAJ.MIN --base B --imports LIST [--exports DEF]
                 [--elf ELF [--armv4]] [--same-resources-as DESKTOP.dll]
                 [--readobj llvm-readobj-14] [--objdump arm-none-eabi-objdump]

A library is checked for the DEF's exports, a program (no --exports) for
being a program that exports nothing. Exits 1 and names every finding when the image is not as declared. Only the
declared lists are read with cepe.py's readers; the image never is.
"""
import argparse
import re
import struct
import subprocess
import sys

import cepe  # the declared lists are read as the build reads them


def readobj(tool, image):
    return subprocess.run([tool, '--file-headers', '--coff-exports', '--coff-imports', '--coff-basereloc', image],
                          check=True, capture_output=True, text=True).stdout


def field(text, name):
    m = re.search(rf'^\s*{name}: (.*)$', text, re.M)
    return m.group(1).strip() if m else None


def number(text):
    m = re.search(r'\((0x[0-9A-Fa-f]+)\)$', text)
    return int(m.group(1) if m else text, 0)


def check_headers(report, args):
    findings = []
    machine = number(field(report, 'Machine'))
    if machine != args.machine:
        findings.append(f'machine 0x{machine:04X}, not 0x{args.machine:04X}')
    subsystem = number(field(report, 'Subsystem'))
    version = (int(field(report, 'MajorSubsystemVersion')), int(field(report, 'MinorSubsystemVersion')))
    want = tuple(int(v) for v in args.subsystem.split('.'))
    if subsystem != 9 or version != want:
        findings.append(f'subsystem {subsystem} version {version[0]}.{version[1]}, not 9 (Windows CE) '
                        f'version {want[0]}.{want[1]}')
    base = number(field(report, 'ImageBase'))
    if base != args.base:
        findings.append(f'image base 0x{base:X}, not 0x{args.base:X}')
    return findings


def check_kind(report, library):
    is_library = 'IMAGE_FILE_DLL' in report.split('ImageOptionalHeader', 1)[0]
    if is_library != library:
        return [f'a {"library" if is_library else "program"}, not a {"library" if library else "program"}']
    return []


def check_exports(report, wanted):
    found = set(re.findall(r'^Export \{\n\s*Ordinal: \d+\n\s*Name: (\S+)', report, re.M))
    findings = [f'missing export {n}' for n in sorted(wanted - found)]
    return findings + [f'unexpected export {n}' for n in sorted(found - wanted)]


def check_imports(report, allowed):
    findings = []
    for block in re.findall(r'^Import \{(.*?)^\}', report, re.M | re.S):
        dll = field(block, 'Name').lower()
        for name in re.findall(r'^\s*Symbol: (\S+)', block, re.M):
            if (dll, name) not in allowed:
                findings.append(f'import {dll}!{name} is not in the declared list')
    return findings


def check_relocations(report):
    kinds = set(re.findall(r'^\s*Type: (\S+)', report.split('BaseReloc [', 1)[-1], re.M)) if 'BaseReloc [' in report else set()
    return [f'base relocation of type {k}' for k in sorted(kinds - {'HIGHLOW', 'ABSOLUTE'})]


def resource_listing(tool, image):
    report = subprocess.run([tool, '--coff-resources', image], check=True, capture_output=True, text=True).stdout
    return [line.strip() for line in report.splitlines()
            if re.match(r'\s*(Type|Name|Language|DataSize):', line)]


def check_resources(tool, image, desktop):
    """The same resource types, ids, languages and sizes as the desktop build."""
    ours, theirs = resource_listing(tool, image), resource_listing(tool, desktop)
    if not theirs:
        return [f'{desktop} has no resources to compare with']
    for number, (a, b) in enumerate(zip(ours, theirs)):
        if a != b:
            return [f'resources differ from {desktop} at entry {number}: {a!r}, there {b!r}']
    if len(ours) != len(theirs):
        return [f'{len(ours)} resource entries, {desktop} has {len(theirs)}']
    return []


def pe_section(image, wanted):
    pe = struct.unpack_from('<I', image, 0x3C)[0]
    count, optional = struct.unpack_from('<H', image, pe + 6)[0], struct.unpack_from('<H', image, pe + 20)[0]
    table = pe + 24 + optional
    for i in range(count):
        name, vsize, _, _, raw = struct.unpack_from('<8sIIII', image, table + 40 * i)
        if name.rstrip(b'\0').decode() == wanted:
            return image[raw:raw + vsize]
    return None


def check_code(image_path, elf, objdump, armv4):
    findings = []
    code = subprocess.run([objdump.replace('objdump', 'objcopy'), '-O', 'binary', '-j', '.text', elf, '/dev/stdout'],
                          check=True, capture_output=True).stdout
    with open(image_path, 'rb') as f:
        if pe_section(f.read(), '.text') != code:
            findings.append('the image code is not the code of the linked ELF')
    if armv4:
        listing = subprocess.run([objdump, '-d', '--section=.text', elf], check=True, capture_output=True,
                                 text=True).stdout
        function = '?'
        for line in listing.splitlines():
            m = re.match(r'^([0-9a-f]+) <(.*)>:$', line)
            if m:
                function = m.group(2)
            m = re.match(r'^\s*([0-9a-f]+):\s+[0-9a-f]+\s+(bx|blx)\b', line)
            if m:
                findings.append(f'{m.group(2).upper()} at 0x{m.group(1)} in {function}, which ARMv4 lacks')
            elif re.match(r'^\s*[0-9a-f]+:\s+[0-9a-f]{4}\s', line):
                findings.append(f'Thumb code in {function}: {line.strip()}')
        symbols = subprocess.run([objdump, '-t', elf], check=True, capture_output=True, text=True).stdout
        if re.search(r'\s\$t(\.\S*)?$', symbols, re.M):
            findings.append('the ELF marks Thumb code')
    return findings


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument('image')
    parser.add_argument('--machine', type=lambda v: int(v, 0), required=True)
    parser.add_argument('--subsystem', required=True)
    parser.add_argument('--base', type=lambda v: int(v, 0), required=True)
    parser.add_argument('--imports', required=True)
    parser.add_argument('--exports')
    parser.add_argument('--elf')
    parser.add_argument('--armv4', action='store_true', help='no BX, BLX or Thumb code')
    parser.add_argument('--same-resources-as', metavar='DESKTOP_DLL')
    parser.add_argument('--readobj', default='llvm-readobj-14')
    parser.add_argument('--objdump', default='arm-none-eabi-objdump')
    args = parser.parse_args(argv)
    report = readobj(args.readobj, args.image)
    findings = (check_headers(report, args) + check_kind(report, bool(args.exports)) +
                check_exports(report, set(cepe.read_def(args.exports)) if args.exports else set()) +
                check_imports(report, set(cepe.read_imports(args.imports))) + check_relocations(report))
    if args.same_resources_as:
        findings += check_resources(args.readobj, args.image, args.same_resources_as)
    if args.elf:
        findings += check_code(args.image, args.elf, args.objdump, args.armv4)
    for finding in findings:
        print(f'{args.image}: {finding}', file=sys.stderr)
    return 1 if findings else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
