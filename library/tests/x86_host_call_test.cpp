// The exports as a 32-bit POS host calls them: with the default (cdecl)
// convention, from a stack that is only 4-byte aligned (all that Windows
// promises on x86), and with the x87 unit set up as the host left it. The
// calls go through an assembly thunk, so that the test's own compiler
// settles none of this.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

struct HostCall {
    uint32_t result;  // eax after the call
    int32_t popped;   // bytes of arguments the callee took off the stack
    uint32_t kept;    // 1 when ebx, esi and edi came back unchanged
};

} // namespace

// CallAsHost(fn, args, count, misalign, out): pushes the arguments right to
// left with the stack pointer misalign bytes past a 16-byte boundary at the
// call, calls fn and records what came back.
extern "C" void CallAsHost(const void* fn, const uint32_t* args, int count, int misalign, HostCall* out);
asm(R"(
    .text
    .globl _CallAsHost
_CallAsHost:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    subl $4, %esp
    movl 12(%ebp), %esi
    movl 16(%ebp), %ecx
    leal 0(,%ecx,4), %edx
    movl %esp, %eax
    subl %edx, %eax
    subl $16, %eax
    andl $-16, %eax
    addl 20(%ebp), %eax
    movl %eax, -16(%ebp)
    addl %edx, %eax
    movl %eax, %esp
1:  testl %ecx, %ecx
    jz 2f
    decl %ecx
    pushl (%esi,%ecx,4)
    jmp 1b
2:  movl $0x5EB0B0E1, %ebx
    movl $0x5E5105E1, %esi
    movl $0x5ED105E1, %edi
    call *8(%ebp)
    movl 24(%ebp), %ecx
    movl %eax, (%ecx)
    movl %esp, %eax
    subl -16(%ebp), %eax
    movl %eax, 4(%ecx)
    xorl %eax, %eax
    cmpl $0x5EB0B0E1, %ebx
    jne 3f
    cmpl $0x5E5105E1, %esi
    jne 3f
    cmpl $0x5ED105E1, %edi
    jne 3f
    incl %eax
3:  movl %eax, 8(%ecx)
    leal -12(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");

namespace {

using ProrateExFn = void (*)(int, int, int*, int, int*, int, int*, int*, int*, int*);

constexpr int kMisalignments[] = {0, 4, 8, 12};

uint32_t Arg(const void* p) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(p)); }
uint32_t Arg(int v) { return static_cast<uint32_t>(v); }

HostCall Call(const void* fn, std::initializer_list<uint32_t> args, int misalign)
{
    const std::vector<uint32_t> list(args);
    HostCall out{0xDEADBEEF, -1, 0};
    CallAsHost(fn, list.data(), static_cast<int>(list.size()), misalign, &out);
    return out;
}

// The head of the thread's SEH chain, which the host's own handlers hang on.
void* SehChain()
{
    void* head = nullptr;
    asm volatile("movl %%fs:0, %0" : "=r"(head));
    return head;
}

struct X87State {
    uint16_t control;
    uint16_t tags; // 0xFFFF: every register empty
};

X87State ReadX87()
{
    uint32_t env[7];
    asm volatile("fnstenv %0\n\tfldenv %0" : "+m"(env) : : "memory");
    return {static_cast<uint16_t>(env[0]), static_cast<uint16_t>(env[2])};
}

void SetX87Control(uint16_t control) { asm volatile("fldcw %0" : : "m"(control) : "memory"); }

// Two pages, the second never accessible.
class Fence {
public:
    Fence() : m_base(static_cast<char*>(VirtualAlloc(nullptr, 2 * 4096, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE)))
    {
        DWORD old;
        VirtualProtect(m_base + 4096, 4096, PAGE_NOACCESS, &old);
    }
    ~Fence() { VirtualFree(m_base, 0, MEM_RELEASE); }
    int* At() const { return reinterpret_cast<int*>(m_base + 4096); }

private:
    char* m_base;
};

class HostCallX86 : public testing::TestWithParam<Flavour> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_library.ok()) << GetParam().path;
        m_doProrate = m_library.Export<void*>("do_prorate");
        m_prorateEx = m_library.Export<void*>("ProrateEx");
        ASSERT_NE(nullptr, m_doProrate);
        ASSERT_NE(nullptr, m_prorateEx);
    }

    // do_prorate through the thunk; the text it wrote.
    std::string DoProrate(const char* total, const char* part, const char* amount, int misalign = 4)
    {
        char buffer[64];
        std::memset(buffer, 0x5A, sizeof buffer);
        const HostCall call = Call(m_doProrate, {Arg(total), Arg(part), Arg(amount), Arg(buffer)}, misalign);
        EXPECT_EQ(0, call.popped) << "misalign " << misalign;
        EXPECT_EQ(1u, call.kept) << "misalign " << misalign;
        EXPECT_EQ(std::strlen(buffer), call.result);
        return buffer;
    }

    LoadedLibrary m_library{GetParam()};
    const void* m_doProrate = nullptr;
    const void* m_prorateEx = nullptr;
};

TEST_P(HostCallX86, ProratingExportsLeaveTheArgumentsToTheCaller)
{
    for (int misalign : kMisalignments) {
        EXPECT_EQ("3.50", DoProrate("10", "5", "7", misalign));
        EXPECT_EQ("1234.57", DoProrate(" 3", "3", "1234.5678", misalign));

        int a[3] = {7, 7, 7}, v1 = 7, v2 = -7, v3 = 1, status = 99;
        const HostCall call = Call(m_prorateEx,
                                   {Arg(2), Arg(1), Arg(a), Arg(3), Arg(nullptr), Arg(0), Arg(&v1), Arg(&v2),
                                    Arg(&v3), Arg(&status)},
                                   misalign);
        EXPECT_EQ(0, call.popped) << "misalign " << misalign;
        EXPECT_EQ(1u, call.kept) << "misalign " << misalign;
        EXPECT_EQ((std::vector<int>{3, 4, 4}), std::vector<int>(a, a + 3));
        EXPECT_EQ(4, v1);
        EXPECT_EQ(-4, v2);
        EXPECT_EQ(1, v3);
        EXPECT_EQ(0, status);
    }
}

TEST_P(HostCallX86, FaultReturnsWithTheHostsRegistersChainAndX87State)
{
    Fence fence;
    void* const chain = SehChain();
    const X87State before = ReadX87();
    for (int misalign : kMisalignments) {
        int v = 9, status = 99;
        const HostCall call = Call(m_prorateEx,
                                   {Arg(3), Arg(1), Arg(fence.At()), Arg(2), Arg(nullptr), Arg(0), Arg(&v), Arg(&v),
                                    Arg(&v), Arg(&status)},
                                   misalign);
        EXPECT_EQ(1, status);
        EXPECT_EQ(0, call.popped);
        EXPECT_EQ(1u, call.kept) << "callee-saved registers after a fault, misalign " << misalign;
        EXPECT_EQ(chain, SehChain()) << "misalign " << misalign;
        const X87State after = ReadX87();
        EXPECT_EQ(before.control, after.control);
        EXPECT_EQ(0xFFFF, after.tags);

        EXPECT_EQ("0.00", DoProrate("10", reinterpret_cast<const char*>(fence.At()), "7", misalign));
        EXPECT_EQ(chain, SehChain());
        EXPECT_EQ(0xFFFF, ReadX87().tags);
    }
}

// Direct3D, for one, leaves the x87 unit at single precision. The run-time's
// number reading and writing that the library uses computes on the x87 unit
// in the x86 builds; amounts must not be cut to 24 bits for it.
TEST_P(HostCallX86, HostsX87PrecisionDoesNotReachTheResults)
{
    const std::string exact = DoProrate("3", "1", "16777217");
    const std::string bigTotal = DoProrate("16777219", "16777217", "123456789.125");
    EXPECT_EQ("5592405.67", exact);
    const X87State host = ReadX87();
    for (uint16_t precision : {0x0000, 0x0200}) { // 24 and 53 bits
        const uint16_t control = static_cast<uint16_t>((host.control & ~0x0300) | precision);
        SetX87Control(control);
        const std::string underSingle = DoProrate("3", "1", "16777217");
        const std::string bigUnderSingle = DoProrate("16777219", "16777217", "123456789.125");
        int v1 = 16777217, v2 = 1000000000, v3 = -16777215, status = 99;
        int a[1] = {16777217};
        Call(m_prorateEx,
             {Arg(4), Arg(3), Arg(a), Arg(1), Arg(nullptr), Arg(0), Arg(&v1), Arg(&v2), Arg(&v3), Arg(&status)}, 4);
        const uint16_t left = ReadX87().control;
        SetX87Control(host.control);
        EXPECT_EQ(control, left) << "the host's setting is given back";
        EXPECT_EQ(exact, underSingle) << std::hex << control;
        EXPECT_EQ(bigTotal, bigUnderSingle) << std::hex << control;
        EXPECT_EQ(GetParam().convertsOperands ? 12582912 : 12582913, v1);
        EXPECT_EQ(a[0], v1);
        EXPECT_EQ(750000000, v2);
        EXPECT_EQ(-12582911, v3);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBuild, HostCallX86, testing::ValuesIn(AllFlavours()),
                         [](const testing::TestParamInfo<Flavour>& p) { return std::string(p.param.name); });

// The dialog exports too, each ended by the button that gives a known code.
TEST(HostCallX86Dialogs, DialogExportsLeaveTheArgumentsToTheCaller)
{
    constexpr int kDisplayBack = 1034, kListLineDown = 1038, kListOk = 1041, kGuestFunction4 = 1018;
    LoadedLibrary library(ReferenceBuild());
    ASSERT_TRUE(library.ok());
    const auto exportOf = [&](const char* name) { return library.Export<void*>(name); };
    for (int misalign : {4, 12}) {
        int code = kUnwritten;
        {
            DialogDriver driver({[](HWND d) { Click(d, kDisplayBack); }});
            const HostCall call = Call(exportOf("rilo_display"),
                                       {Arg("Room 0412"), Arg("Line 1\x1cLine 2\x1c"), Arg(1), Arg(&code)}, misalign);
            EXPECT_EQ(1, driver.StepsRun());
            EXPECT_EQ(0, call.popped);
            EXPECT_EQ(1u, call.kept);
            EXPECT_EQ(1, code);
        }
        {
            DialogDriver driver({[](HWND d) { Click(d, kDisplayBack); }});
            const HostCall call = Call(exportOf("rilo_short_inq"), {Arg("Version 4.10\x1cReady"), Arg("4.10")}, misalign);
            EXPECT_EQ(1, driver.StepsRun());
            EXPECT_EQ(0, call.popped);
            EXPECT_EQ(1u, call.kept);
        }
        {
            code = kUnwritten;
            DialogDriver driver({[](HWND d) {
                Click(d, kListLineDown);
                Click(d, kListOk);
            }});
            const HostCall call = Call(exportOf("rilo_list_input"),
                                       {Arg("Select Tender"), Arg("Tender Media"), Arg("Cash\x1c" "Card\x1c" "Room\x1c"),
                                        Arg(0), Arg("4.10"), Arg(&code)},
                                       misalign);
            EXPECT_EQ(1, driver.StepsRun());
            EXPECT_EQ(0, call.popped);
            EXPECT_EQ(1u, call.kept);
            EXPECT_EQ(2, code);
        }
        {
            code = kUnwritten;
            DialogDriver driver({[](HWND d) { Click(d, kGuestFunction4); }});
            const HostCall call = Call(exportOf("rilo_gst_select"),
                                       {Arg("Guest Functions"), Arg("Room  Name"), Arg("0412  SMITH JOHN"), Arg(""),
                                        Arg(0), Arg(&code)},
                                       misalign);
            EXPECT_EQ(1, driver.StepsRun());
            EXPECT_EQ(0, call.popped);
            EXPECT_EQ(1u, call.kept);
            EXPECT_EQ(4, code);
        }
    }
}

} // namespace
