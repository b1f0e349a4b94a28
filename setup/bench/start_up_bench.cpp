// Start of "rilo_setup.exe /install" to its end on the demo POS database, as
// a ratio to starting and ending the minimal program of the same class
// library, run alternately in one run. The minimal program with "/bound" also
// loads the common controls and connects to the database: the share of the
// start that belongs to the platform and the database. HUXROOTDIR and the
// data source "Corvane" come from the environment (see `make bench`).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double RunOnce(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string line = commandLine;
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
        std::exit(1);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    QueryPerformanceCounter(&end);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 1000.0 * static_cast<double>(end.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 15;
    std::vector<double> setup, minimal, bound;
    RunOnce("rilo_setup.exe /install");  // warm-up: creates the procedure once
    RunOnce("minimal_program.exe");
    RunOnce("minimal_program.exe /bound");
    for (int i = 0; i < rounds; ++i) {
        setup.push_back(RunOnce("rilo_setup.exe /install"));
        minimal.push_back(RunOnce("minimal_program.exe"));
        bound.push_back(RunOnce("minimal_program.exe /bound"));
    }
    const double s = Median(setup), m = Median(minimal), b = Median(bound);
    std::printf("setup start-up (%d rounds, medians): rilo_setup /install %.1f ms, minimal program %.1f ms, "
                "ratio %.2f (goal <= 1.5) %s\n",
                rounds, s, m, s / m, s / m <= 1.5 ? "met" : "MISSED");
    std::printf("  minimal program with the common controls and the database connection %.1f ms, ratio %.2f\n", b,
                s / b);
    return 0;
}
