// Start of "rilo_setup.exe /install" to its end on the demo POS database, as
// a ratio to starting and ending the minimal program of the same class
// library, run alternately in one run. The split of the difference comes
// from programs that each take one more of the setup program's steps: the
// minimal program with "/libraries" loads the common controls, with "/bound"
// also connects to the database; program_forms makes the setup program's own
// five forms and shows its main window, leaving out its start-up steps (the
// settings file, the database steps and Save). HUXROOTDIR and the data source
// "Corvane" come from the environment (see `make bench`).
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
    // Each step's program, in the order of the steps they add.
    const char* const programs[] = {"minimal_program.exe", "minimal_program.exe /libraries",
                                    "minimal_program.exe /bound", "program_forms.exe", "rilo_setup.exe /install"};
    constexpr int kPrograms = 5;
    for (const char* program : programs)
        RunOnce(program);  // warm-up; the setup program creates the procedure once
    std::vector<double> times[kPrograms];
    for (int i = 0; i < rounds; ++i)
        for (int p = 0; p < kPrograms; ++p)
            times[p].push_back(RunOnce(programs[p]));
    double median[kPrograms];
    for (int p = 0; p < kPrograms; ++p)
        median[p] = Median(times[p]);
    const double m = median[0], s = median[4];
    std::printf("setup start-up (%d rounds, medians): rilo_setup /install %.1f ms, minimal program %.1f ms, "
                "ratio %.2f (goal <= 1.5) %s\n",
                rounds, s, m, s / m, s / m <= 1.5 ? "met" : "MISSED");
    std::printf("  the difference, step by step (ms): platform libraries %.1f, database connection %.1f, "
                "the program's forms and main window %.1f, settings file and database steps %.1f\n",
                median[1] - median[0], median[2] - median[1], median[3] - median[2], median[4] - median[3]);
    std::printf("  against the minimal program with the common controls and the database connection %.1f ms: "
                "ratio %.2f; against the program's windows alone %.1f ms: ratio %.2f\n",
                median[2], s / median[2], median[3], s / median[3]);
    return 0;
}
