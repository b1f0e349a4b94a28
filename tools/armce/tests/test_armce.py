#!/usr/bin/python3
"""The CE image glue on small images of its own: the import thunks, the
converter, the independent checks and the emulator's reports."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.dirname(HERE)
ROOT = os.path.dirname(os.path.dirname(TOOLS))
sys.path.insert(0, TOOLS)
import emulate  # noqa: E402

PY = '/usr/bin/python3'
IMPORTS = '# test list\ncoredll.dll LocalAlloc\ncoredll.dll LocalFree\ncoredll.dll Sleep\n'
DEF = 'EXPORTS\n    answer\n    where = where_impl\n'
SOURCE = r'''
extern "C" void* LocalAlloc(unsigned, unsigned);
extern "C" void Sleep(unsigned);
extern "C" int answer(int x);
int (*g_pointer)(int) = answer;               // a word the loader must move
extern "C" int answer(int x) { return x == 1 ? (LocalAlloc(0, 8) != 0) : x == 2 ? (Sleep(1), 0) : 42 + x; }
extern "C" void* where_impl() { return (void*)g_pointer; }
extern "C" int _DllMainCRTStartup(void*, unsigned, void*) { return 1; }
'''


class Image:
    """Compiles SOURCE (and EXTRA assembly) for CPU and writes a CE image."""

    def __init__(self, tmp, cpu=('-march=armv4', '-marm'), source=SOURCE, extra='', imports=IMPORTS,
                 machine='0x01C0', keep=()):
        self.tmp = tmp
        path = lambda name: os.path.join(tmp, name)
        with open(path('imports.txt'), 'w') as f:
            f.write(imports)
        with open(path('image.def'), 'w') as f:
            f.write(DEF)
        with open(path('code.cpp'), 'w') as f:
            f.write(source)
        with open(path('extra.S'), 'w') as f:
            f.write('.syntax unified\n.arm\n' + extra)
        self.run([PY, os.path.join(TOOLS, 'cepe.py'), 'thunks', path('imports.txt'), path('thunks.S')])
        link = ['arm-none-eabi-g++', *cpu, '-Os', '-ffunction-sections', '-fdata-sections', '-fno-exceptions',
                '-nostartfiles', '-nostdlib', '-T', os.path.join(ROOT, 'platform', 'ce', 'image.ld'),
                '-Wl,--defsym=RILO_IMAGE_BASE=0x10000000', '-Wl,-q', '-Wl,--gc-sections', '-Wl,--undefined=answer',
                '-Wl,--undefined=where_impl', path('code.cpp'), path('extra.S'), path('thunks.S'),
                '-o', path('image.elf')]
        link += [f'-Wl,--undefined={name}' for name in keep]
        self.link = subprocess.run(link, capture_output=True, text=True)
        self.elf, self.dll, self.machine = path('image.elf'), path('image.dll'), machine

    def run(self, command):
        return subprocess.run(command, check=True, capture_output=True, text=True)

    def convert(self, machine=None):
        return subprocess.run([PY, os.path.join(TOOLS, 'cepe.py'), 'image', self.elf,
                               os.path.join(self.tmp, 'imports.txt'), self.dll, '--machine', machine or self.machine,
                               '--subsystem', '3.0', '--exports', os.path.join(self.tmp, 'image.def')],
                              capture_output=True, text=True)

    def check(self, *extra, machine='0x01C0', subsystem='3.0'):
        return subprocess.run([PY, os.path.join(TOOLS, 'check_image.py'), self.dll, '--machine', machine,
                               '--subsystem', subsystem, '--base', '0x10000000', '--imports',
                               os.path.join(self.tmp, 'imports.txt'), '--exports',
                               os.path.join(self.tmp, 'image.def'), '--elf', self.elf, *extra],
                              capture_output=True, text=True)

    def machine_model(self, cpu='sa1110'):
        with open(self.dll, 'rb') as f:
            return emulate.Machine(f.read(), cpu, emulate.elf_names(self.elf))


class ArmCeGlue(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.tmp.cleanup()

    def test_a_function_the_list_lacks_fails_the_link_with_its_name(self):
        image = Image(self.tmp.name, imports='coredll.dll LocalAlloc\n')
        self.assertNotEqual(0, image.link.returncode)
        self.assertIn("undefined reference to `Sleep'", image.link.stderr)

    def test_image_imports_only_what_is_called_and_passes_the_checks(self):
        image = Image(self.tmp.name)
        self.assertEqual('', image.link.stderr)
        self.assertEqual(0, image.convert().returncode)
        checked = image.check('--armv4')
        self.assertEqual(0, checked.returncode, checked.stderr)
        report = subprocess.run(['llvm-readobj-14', '--coff-imports', '--coff-exports', image.dll],
                                capture_output=True, text=True).stdout
        self.assertIn('Symbol: LocalAlloc', report)
        self.assertIn('Symbol: Sleep', report)
        self.assertNotIn('LocalFree', report)  # listed, never called
        self.assertRegex(report, r'Ordinal: 1\s+Name: answer')  # names sorted, each its own ordinal
        self.assertRegex(report, r'Ordinal: 2\s+Name: where')

    def test_checks_name_a_wrong_machine_subsystem_import_and_bx(self):
        # An ARMv4 link turns BX into MOV PC; the instruction's bare encoding stays.
        image = Image(self.tmp.name, extra='.global f\n.type f, %function\nf: .inst 0xe12fff1e\n', keep=['f'])
        self.assertEqual(0, image.convert(machine='0x01C2').returncode)
        with open(os.path.join(self.tmp.name, 'imports.txt'), 'w') as f:
            f.write('coredll.dll LocalAlloc\n')
        found = image.check('--armv4', subsystem='5.0').stderr
        self.assertIn('machine 0x01C2, not 0x01C0', found)
        self.assertIn('version 3.0, not 9 (Windows CE) version 5.0', found)
        self.assertIn('import coredll.dll!Sleep is not in the declared list', found)
        self.assertRegex(found, r'BX at 0x[0-9a-f]+ in f,')

    def test_movw_movt_addresses_are_refused(self):
        image = Image(self.tmp.name, extra='.global g\n.type g, %function\ng: movw r0, #:lower16:answer\n'
                                           'movt r0, #:upper16:answer\nbx lr\n',
                      cpu=('-march=armv7-a', '-marm'), machine='0x01C2', keep=['g'])
        converted = image.convert()
        self.assertNotEqual(0, converted.returncode)
        self.assertIn('relocation type 43', converted.stderr)

    def test_emulator_relocates_binds_and_reports(self):
        image = Image(self.tmp.name)
        self.assertEqual(0, image.convert().returncode)
        machine = image.machine_model()
        machine.attach()
        answer = machine.export('answer')
        self.assertEqual(answer - emulate.LOAD_BASE, machine.names['answer'])
        self.assertEqual(answer, machine.call(machine.export('where'), []))  # the data word was moved
        self.assertEqual(49, machine.call(answer, [7]))
        self.assertEqual(1, machine.call(answer, [1]))  # LocalAlloc through its stub
        with self.assertRaisesRegex(emulate.Stop, r'unbound import coredll.dll!Sleep called from 0x[0-9a-f]+ '
                                                  r'\(answer\+0x[0-9a-f]+\)'):
            machine.call(answer, [2])

    def test_emulator_reports_an_instruction_the_cpu_lacks(self):
        image = Image(self.tmp.name, source=SOURCE.replace('return 1; }', 'asm volatile(".inst 0xe12fff1e"); return 1; }'))
        self.assertEqual(0, image.convert().returncode)
        with self.assertRaisesRegex(emulate.Stop, r'invalid instruction at 0x[0-9a-f]+ \(_DllMainCRTStartup\+'):
            image.machine_model('sa1110').attach()
        image.machine_model('ti925t').attach()  # ARMv4T has BX


if __name__ == '__main__':
    unittest.main()
