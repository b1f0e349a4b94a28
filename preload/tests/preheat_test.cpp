// The built preloader as a real process on a drive laid out like a handheld's:
// what it logs, when it ends, and that it keeps the library loaded.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "device_drive.h"
#include "preheat_process.h"

namespace {

using Log = std::vector<std::string>;

const DWORD kPatience = 30000; // generous for a slow Wine start; no speed goal
// A program that ended after its last line would have ended well within this.
const DWORD kSettle = 1000;
// Where no line marks how far the run has got (the module shows while its
// start-up still runs), allow for the start and the load as well.
const DWORD kSettleUnmarked = 3 * kSettle;
const char kLibrary[] = "riloCE.dll";

// Stands for the name of the id file that the platform's search yields first.
const char kFirstFound[] = "<first found>";

// 250 characters: longer than the 236 that fit the message beside its text.
const std::string kLongId = "PPT2846" + std::string(240, 'x') + ".id";

std::string Resolved(const std::string& line)
{
    const std::string::size_type at = line.find(kFirstFound);
    if (at == std::string::npos)
        return line;
    return line.substr(0, at) + DeviceDrive::FirstIdFile() + line.substr(at + sizeof(kFirstFound) - 1);
}

Log Resolved(const Log& log)
{
    Log lines;
    for (const std::string& line : log)
        lines.push_back(Resolved(line));
    return lines;
}

bool LogHasLines(size_t count) { return DeviceDrive::LogLines().size() >= count; }

// Whether the process is still there once it has had time to end.
bool StaysRunning(const PreheatProcess& preheat, DWORD settle = kSettle)
{
    DWORD code = 0;
    return !preheat.EndsWithin(settle, &code);
}

TEST(PreheatWithoutIdFile, LogsOnceAndEndsWithZero)
{
    DeviceDrive drive({{}, true, true});
    PreheatProcess preheat;
    ASSERT_TRUE(preheat.started());
    DWORD code = 1;
    ASSERT_TRUE(preheat.EndsWithin(kPatience, &code));
    EXPECT_EQ(0u, code);
    EXPECT_EQ(Log{"NO PPT2846 ID found, program will exit now\n"}, DeviceDrive::LogLines());
}

// An id file found: the found name and the outcome of the load are logged,
// then the program stays asleep.
struct FoundCase {
    const char* name;
    DeviceSetup setup;
    Log log;
    UINT codePage = 0; // the ANSI code page the log's bytes are written for; 0: any
};

const FoundCase kFoundCases[] = {
    {"LibraryPresent", {{"PPT2846.id"}, true, true},
     {"Found PPT2846 ID: PPT2846.id\n", "PreLoaded DLL successfully!!\n"}},
    {"LibraryMissing", {{"PPT2846_03.id"}, true, false},
     {"Found PPT2846 ID: PPT2846_03.id\n", "FAILED to load DLL!!\n"}},
    {"TwoIdFilesNameTheFirstFound", {{"PPT2846A.id", "PPT2846B.id"}, true, true},
     {std::string("Found PPT2846 ID: ") + kFirstFound + "\n", "PreLoaded DLL successfully!!\n"}},
    {"OtherModelsIgnored", {{"PPT2800.id", "PPT2846-eu.id", "PPT2846.txt"}, true, false},
     {"Found PPT2846 ID: PPT2846-eu.id\n", "FAILED to load DLL!!\n"}},
    // The name keeps its first 236 characters: 255 bytes with the line feed.
    {"LongNameCutToFit", {{kLongId}, true, false},
     {"Found PPT2846 ID: PPT2846" + std::string(229, 'x') + "\n", "FAILED to load DLL!!\n"}},
    // The euro sign is no Latin-1 character but the Western code page holds
    // it (0x80); the Chinese one it does not hold becomes its default "?".
    {"NameInTheAnsiCodePage", {{"PPT2846-\xE2\x82\xAC\xE4\xB8\xAD-\xC3\xA9.id"}, true, false},
     {"Found PPT2846 ID: PPT2846-\x80?-\xE9.id\n", "FAILED to load DLL!!\n"}, 1252},
};

void PrintTo(const FoundCase& c, std::ostream* out) { *out << c.name; }

class PreheatWithIdFile : public testing::TestWithParam<FoundCase> {};

TEST_P(PreheatWithIdFile, LogsFoundNameAndLoadThenSleeps)
{
    const FoundCase& c = GetParam();
    if (c.codePage) {
        ASSERT_EQ(c.codePage, GetACP());
    }
    DeviceDrive drive(c.setup);
    PreheatProcess preheat;
    ASSERT_TRUE(preheat.started());
    ASSERT_TRUE(WaitUntil([&] { return LogHasLines(c.log.size()); }, kPatience))
        << "log so far: " << testing::PrintToString(DeviceDrive::LogLines());
    EXPECT_TRUE(StaysRunning(preheat)) << "the program must stay asleep after the load";
    EXPECT_EQ(Resolved(c.log), DeviceDrive::LogLines());
    EXPECT_EQ(c.setup.library, preheat.HasModule(kLibrary)) << "the loaded library stays mapped";
    preheat.Stop();
}

INSTANTIATE_TEST_SUITE_P(Cases, PreheatWithIdFile, testing::ValuesIn(kFoundCases),
                         [](const testing::TestParamInfo<FoundCase>& run) { return std::string(run.param.name); });

TEST(PreheatLog, SecondStartAppendsAfterFirstRun)
{
    DeviceDrive drive({{"PPT2846.id"}, true, false});
    {
        PreheatProcess first;
        ASSERT_TRUE(WaitUntil([] { return LogHasLines(2); }, kPatience));
    }
    DeviceDrive::RemoveIdFiles();
    PreheatProcess second;
    DWORD code = 1;
    ASSERT_TRUE(second.EndsWithin(kPatience, &code));
    EXPECT_EQ(0u, code);
    const Log expected = {"Found PPT2846 ID: PPT2846.id\n", "FAILED to load DLL!!\n",
                          "NO PPT2846 ID found, program will exit now\n"};
    EXPECT_EQ(expected, DeviceDrive::LogLines());
}

TEST(PreheatLog, NoCorvaneFolderLogsNothingAndKeepsRunning)
{
    DeviceDrive drive({{"PPT2846.id"}, false, false});
    PreheatProcess preheat;
    ASSERT_TRUE(preheat.started());
    EXPECT_TRUE(StaysRunning(preheat, kSettleUnmarked));
    EXPECT_FALSE(DeviceDrive::CorvaneExists()) << "the log must not make its folder";
}

TEST(PreheatLog, UnopenableLogStillLoadsTheLibrary)
{
    DeviceDrive drive({{"PPT2846.id"}, true, true, true});
    PreheatProcess preheat;
    ASSERT_TRUE(preheat.started());
    EXPECT_TRUE(WaitUntil([&] { return preheat.HasModule(kLibrary); }, kPatience));
    EXPECT_TRUE(StaysRunning(preheat, kSettleUnmarked));
    EXPECT_TRUE(DeviceDrive::LogIsFolder());
}

} // namespace
