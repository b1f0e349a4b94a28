// A full file distribution (every block on, every optional device folder
// present), copy by copy through the main window's copy step and the shell,
// as a ratio to copying the same files with one bare SHFileOperationA each
// (the call the copy step must make), and to one CopyFileA each; all run
// alternately in one run. A fourth run makes the bare shell copies beside
// their targets and moves them in place, as the copy step does. The cache is the dist folder's RILO_CACHE beside
// this program's build, under a temporary installation of its own.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Main.h"
#include "copy_target.h"
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

// One copy through the shell with the main window's options, as bare as
// the shell allows: no component, no log, no checks.
bool ShellCopy(const std::string& source, const std::string& destination)
{
    const std::string from = source + '\0', to = destination + '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_COPY;
    operation.pFrom = from.c_str();
    operation.pTo = to.c_str();
    operation.fFlags = FOF_FILESONLY | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
    return SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

// The same copy beside the target, then put in its place.
bool ShellCopyBeside(const std::string& source, const std::string& destination)
{
    std::string beside = destination;
    beside[beside.rfind('\\') + 1] = '~';
    return ShellCopy(source, beside) &&
           MoveFileExA(beside.c_str(), destination.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// The main window's copy component beside the target and the move, without
// the copy step's log and its check of the source.
bool ComponentCopy(const std::string& source, const std::string& destination)
{
    TJvSHFileOperation& operation = *MainForm->JvSHFileOperation1;
    operation.Operation = foCopy;
    operation.SourceFiles().Clear();
    operation.SourceFiles().Add(source);
    operation.DestFiles().Clear();
    const AnsiString beside = CopyBeside(destination);
    operation.DestFiles().Add(beside);
    return operation.Execute() && ReplaceTarget(beside, destination);
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

    std::vector<double> distribution, componentCopies, shellCopies, besideCopies, plainCopies;
    auto timeCopies = [&](bool (*copy)(const std::string&, const std::string&), bool& copied) {
        const double start = Now();
        for (const auto& c : copies)
            copied = copy(c.first, c.second) && copied;
        return Now() - start;
    };
    for (int i = 0; i <= rounds; ++i) {
        HintBox->reMemo->Lines().Clear();
        const double start = Now();
        const DistributionResult result = MainForm->DistributeFiles(5);
        const double full = Now() - start;
        bool copied = true;
        const double shell = timeCopies(ShellCopy, copied);
        const double beside = timeCopies(ShellCopyBeside, copied);
        double component;
        {
            const TDriveTypeMemo driveTypes;  // as within a run
            component = timeCopies(ComponentCopy, copied);
        }
        const double direct = timeCopies(
            [](const std::string& from, const std::string& to) { return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0; },
            copied);
        if (!result.success || !copied) {
            std::fprintf(stderr, "distribution_bench: a copy failed\n");
            return 1;
        }
        if (i > 0) {  // the first round creates the folders
            distribution.push_back(full);
            shellCopies.push_back(shell);
            besideCopies.push_back(beside);
            componentCopies.push_back(component);
            plainCopies.push_back(direct);
        }
    }
    const double d = Median(distribution), s = Median(shellCopies), b = Median(besideCopies),
                 c = Median(componentCopies), p = Median(plainCopies);
    auto verdict = [](double ratio, double goal) { return ratio <= goal ? "met" : "MISSED"; };
    std::printf("distribution (%zu copies, %d rounds, medians, ms): shell copies with the log %.1f, "
                "bare SHFileOperationA %.1f, bare SHFileOperationA beside and moved in place %.1f, CopyFileA %.1f\n",
                copies.size(), rounds, d, s, b, p);
    std::printf("  against bare SHFileOperationA: ratio %.2f (goal <= 1.2) %s; the copy beside and the move "
                "take %.2f of it\n",
                d / s, verdict(d / s, 1.2), b / s);
    std::printf("  the copy component beside and moved, without the log and the source check: %.1f (%.2f of the bare "
                "shell copies); the log and the checks: %.1f\n",
                c, c / s, d - c);
    // The copy must go through the shell's operation, which by itself is
    // several times CopyFileA here: it, not CopyFileA, is the floor.
    std::printf("  against CopyFileA: ratio %.2f (goal <= 1.5) %s; bare SHFileOperationA by itself is %.2f of it\n",
                d / p, verdict(d / p, 1.5), s / p);
    return 0;
}
