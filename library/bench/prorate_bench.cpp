// Speed of the prorating exports through the DLL boundary.
//  - ProrateEx on two arrays of 10^6 elements, as a ratio to a plain loop
//    that only multiplies and rounds the same arrays (goal: at most 1.5);
//  - do_prorate calls per second (goal: at least 10^6).
#include "library_loader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using DoProrateFn = int (*)(const char*, const char*, const char*, char*);
using ProrateExFn = void (*)(int, int, int*, int, int*, int, int*, int*, int*, int*);

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Fn>
double Best(int runs, Fn fn)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const double start = Now();
        fn();
        best = std::min(best, Now() - start);
    }
    return best;
}

__attribute__((noinline)) void PlainLoop(std::vector<int>& a, std::vector<int>& b, float factor)
{
    for (int& v : a)
        v = static_cast<int>(std::lround(static_cast<float>(v) * factor));
    for (int& v : b)
        v = static_cast<int>(std::lround(static_cast<float>(v) * factor));
}

#if defined(__i386__)
constexpr const char* kArch = "x86";
#else
constexpr const char* kArch = "x64";
#endif

} // namespace

int main()
{
    const int n = 1000000;
    std::vector<int> fresh(n);
    for (int i = 0; i < n; ++i)
        fresh[i] = static_cast<int>((i * 7919LL) % 100000) - 50000;

    for (const Flavour& flavour : AllFlavours()) {
        if (std::string(flavour.name) != "riloEC7" && std::string(flavour.name) != "rilo_lib")
            continue;
        LoadedLibrary library(flavour);
        auto prorateEx = library.Export<ProrateExFn>("ProrateEx");
        auto doProrate = library.Export<DoProrateFn>("do_prorate");
        if (!prorateEx || !doProrate) {
            std::fprintf(stderr, "cannot load %s\n", flavour.path);
            return 1;
        }
        std::vector<int> a, b;
        const double plain = Best(7, [&] {
            a = fresh;
            b = fresh;
            PlainLoop(a, b, 1.0f / 3.0f);
        });
        const double copies = Best(7, [&] {
            a = fresh;
            b = fresh;
        });
        const double prorate = Best(7, [&] {
            a = fresh;
            b = fresh;
            int v = 1, status = 0;
            prorateEx(3, 1, a.data(), n, b.data(), n, &v, &v, &v, &status);
        });
        std::printf("%s %s: ProrateEx 2 x 10^6: %.2f ms, plain loop %.2f ms, ratio %.2f (goal <= 1.5)\n", kArch,
                    flavour.name, (prorate - copies) * 1e3, (plain - copies) * 1e3, (prorate - copies) / (plain - copies));

        const int calls = 1000000;
        char out[64];
        const double elapsed = Best(3, [&] {
            for (int i = 0; i < calls; ++i)
                doProrate("1234.56", "17", "99.99", out);
        });
        std::printf("%s %s: do_prorate %.0f calls/s (goal >= 1000000)\n", kArch, flavour.name, calls / elapsed);
    }
    return 0;
}
