// A full file distribution (every block on, every optional device folder
// present), copy by copy through the main window's copy step and the shell,
// as a ratio to copying the same files with one CopyFileA each; the two run
// alternately in one run. The cache is the dist folder's RILO_CACHE beside
// this program's build, under a temporary installation of its own.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Main.h"
#include "device_table.h"
#include "hint.h"

namespace {

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void WriteText(const std::string& path, const std::string& text)
{
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
}

void MakeFolders(const std::string& path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 2 ? std::max(3, std::atoi(argv[2])) : 15;
    if (argc < 2) {
        std::fprintf(stderr, "usage: distribution_bench CACHE_FOLDER [ROUNDS]\n");
        return 2;
    }
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "rilo_distribution_bench";
    const std::string hux = root + "\\pos", base = root + "\\dpl", plain = root + "\\plain";
    MakeFolders(hux + "\\etc");
    WriteText(hux + "\\etc\\pvo_fo.ini", "[POSTING]\r\nTAX_OR_VAT=0\r\n");
    for (const char* file : {"pvo_fo.tsk", "Heron\\riloHeron.dll", "WIN32\\rilo_lib.dll", "Siskin\\riloCE.dll",
                             "Siskin\\preheat.exe", "Siskin\\preheat.lnk", "Shrike\\riloCE5.dll",
                             "Osprey\\riloEC7.dll"}) {
        const std::string target = hux + "\\etc\\RILO_CACHE\\" + file;
        MakeFolders(target.substr(0, target.rfind('\\')));
        const std::string source = std::string(argv[1]) + "\\" + file;
        if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
            WriteText(target, "event tmed : 104\r\nendevent\r\n");  // the cache holds no script
    }
    for (const char* folder : {"Egret", "Avocet", "Robin", "Merlin", "Godwit", "Curlew", "Shrike", "Osprey"})
        MakeFolders(base + "\\" + folder);

    Application->Initialize();
    Application->CreateForm(MainForm);
    Application->CreateForm(HintBox);
    MainForm->HuxRootDir = hux;
    MainForm->FDplBaseDir = base;
    MainForm->FPosVersion = 500;

    // The copies a full run makes, for the plain baseline.
    std::vector<std::pair<std::string, std::string>> copies;
    DistributionSteps record;
    record.copy = [&](const std::string& source, const std::string& destination) {
        copies.emplace_back(hux + "\\etc\\" + source, destination);
        return true;
    };
    record.folderExists = [](const std::string&) { return true; };
    RunDistribution(hux, plain, 500, 5, record);
    for (const auto& copy : copies)
        MakeFolders(copy.second.substr(0, copy.second.rfind('\\')));

    DistributionSteps steps;
    steps.copy = [](const std::string& source, const std::string& destination) {
        return MainForm->CopySetupFile(source, destination);
    };
    steps.folderExists = [](const std::string& folder) { return DirectoryExists(folder); };

    std::vector<double> distribution, plainCopies;
    for (int i = 0; i <= rounds; ++i) {
        HintBox->reMemo->Lines().Clear();
        double start = Now();
        const DistributionResult result = RunDistribution(hux, base, 500, 5, steps);
        const double shell = Now() - start;
        start = Now();
        bool copied = true;
        for (const auto& copy : copies)
            copied = CopyFileA(copy.first.c_str(), copy.second.c_str(), FALSE) && copied;
        const double direct = Now() - start;
        if (!result.success || !copied) {
            std::fprintf(stderr, "distribution_bench: a copy failed\n");
            return 1;
        }
        if (i > 0) {  // the first round creates the folders
            distribution.push_back(shell);
            plainCopies.push_back(direct);
        }
    }
    const double d = Median(distribution), p = Median(plainCopies);
    std::printf("distribution (%zu copies, %d rounds, medians): shell copies with the log %.1f ms, "
                "CopyFileA %.1f ms, ratio %.2f (goal <= 1.5)\n",
                copies.size(), rounds, d, p, d / p);
    return 0;
}
