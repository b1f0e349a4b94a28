// In the x86 builds, the run-time's own number reading and "%.2f" writing
// (built without SSE) compute on the x87 unit, whose precision the host
// sets for its thread: a host left at single precision (as Direct3D leaves
// it) would get amounts cut to 24 bits. The prorating exports therefore run
// at double precision and give the host its setting back on the way out.
// x64 keeps doubles out of the x87 unit, so there it does nothing.
#pragma once

#include <cstdint>

class X87DoublePrecision {
public:
#if defined(__i386__)
    X87DoublePrecision()
    {
        asm volatile("fnstcw %0" : "=m"(m_host) : : "memory");
        const uint16_t precision = static_cast<uint16_t>((m_host & ~0x0300u) | 0x0200u); // 53 bits
        asm volatile("fldcw %0" : : "m"(precision) : "memory");
    }
    ~X87DoublePrecision() { asm volatile("fldcw %0" : : "m"(m_host) : "memory"); }
#else
    X87DoublePrecision() {}
#endif
    X87DoublePrecision(const X87DoublePrecision&) = delete;
    X87DoublePrecision& operator=(const X87DoublePrecision&) = delete;

private:
#if defined(__i386__)
    uint16_t m_host = 0;
#endif
};
