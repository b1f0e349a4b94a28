// File names against Wine's file system: what exists, and how names expand.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_names.h"

namespace {

// A fresh folder under the temporary folder, the current folder while alive.
class InFolder : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rilo_names_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        GetCurrentDirectoryA(MAX_PATH, saved_);
        SetCurrentDirectoryA(folder_.c_str());
    }
    void TearDown() override
    {
        SetCurrentDirectoryA(saved_);
        DeleteFileA((folder_ + "\\file.txt").c_str());
        RemoveDirectoryA((folder_ + "\\sub").c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string folder_;

private:
    char saved_[MAX_PATH] = "";
};

TEST_F(InFolder, FilesAndFoldersAreToldApart)
{
    CloseHandle(CreateFileA("file.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CreateDirectoryA("sub", nullptr);
    EXPECT_TRUE(FileExists(folder_ + "\\file.txt"));
    EXPECT_FALSE(FileExists(folder_ + "\\sub"));
    EXPECT_FALSE(FileExists(folder_ + "\\missing.txt"));
    EXPECT_TRUE(DirectoryExists(folder_ + "\\sub"));
    EXPECT_FALSE(DirectoryExists(folder_ + "\\file.txt"));
    EXPECT_FALSE(DirectoryExists(folder_ + "\\missing"));
}

TEST_F(InFolder, RelativeNamesExpandAgainstTheCurrentFolder)
{
    EXPECT_EQ(folder_ + "\\a.tsk", ExpandFileName("a.tsk"));
    EXPECT_EQ(folder_ + "\\a.tsk", ExpandFileName("sub\\..\\a.tsk"));
    EXPECT_EQ("C:\\x\\y.dll", ExpandFileName("C:\\x\\y.dll"));
    // A local drive has no universal name: the expanded name stays.
    EXPECT_EQ(folder_ + "\\a.tsk", ExpandUNCFileName("a.tsk"));
    EXPECT_EQ("C:\\x\\y.dll", ExpandUNCFileName("C:\\x\\y.dll"));
}

TEST_F(InFolder, NamesBeyondThePlatformsLengthAreRefused)
{
    const std::string longest = "C:\\" + std::string(256, 'a');  // 259 characters
    EXPECT_EQ(longest, ExpandUNCFileName(longest));
    EXPECT_THROW(ExpandUNCFileName(longest + "b"), EFileNameTooLong);
    EXPECT_THROW(ExpandFileName(std::string(5000, 'r')), EFileNameTooLong);
    try {
        ExpandFileName(longest + "b");
        ADD_FAILURE() << "no error";
    } catch (const EFileNameTooLong& e) {
        EXPECT_EQ("The file name is too long: " + longest + "b", e.Message);
    }
}

// A mapped network drive N: whose universal name is a share's, as the
// network would answer; Wine maps no drive to a share of its own.
class OnNetworkDrive : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = NetworkNames;
        asked.clear();
        NetworkNames = {[](const AnsiString& root) {
                            asked.push_back("drive " + root);
                            return root == "N:\\";
                        },
                        [](const AnsiString& path, AnsiString& universal) {
                            asked.push_back("name " + path);
                            universal = share + path.substr(2);
                            return true;
                        }};
    }
    void TearDown() override { NetworkNames = saved_; }
    static std::string share;
    static std::vector<std::string> asked;  // the network's questions, in order

private:
    TNetworkNames saved_ = {};
};
std::string OnNetworkDrive::share;
std::vector<std::string> OnNetworkDrive::asked;

TEST_F(OnNetworkDrive, TheUniversalNameIsHeldToTheSameLength)
{
    share = "\\\\server\\share";  // 14 characters in place of the drive's 2
    const std::string fits = "N:\\" + std::string(256 - 12, 'a');
    EXPECT_EQ(share + fits.substr(2), ExpandUNCFileName(fits));
    EXPECT_EQ(259u, ExpandUNCFileName(fits).size());
    EXPECT_THROW(ExpandUNCFileName(fits + "b"), EFileNameTooLong);
    EXPECT_EQ("C:\\x\\y.dll", ExpandUNCFileName("C:\\x\\y.dll"));
}

TEST_F(OnNetworkDrive, ARunAsksEachDriveOnceAndEachNetworkPathEveryTime)
{
    share = "\\\\server\\share";
    {
        const TDriveTypeMemo run;
        EXPECT_EQ(share + "\\a\\x.dll", ExpandUNCFileName("N:\\a\\x.dll"));
        EXPECT_EQ("C:\\x\\y.dll", ExpandUNCFileName("C:\\x\\y.dll"));
        EXPECT_EQ(share + "\\b\\x.dll", ExpandUNCFileName("N:\\b\\x.dll"));
        EXPECT_EQ("C:\\z.dll", ExpandUNCFileName("C:\\z.dll"));
    }
    {
        const TDriveTypeMemo nextRun;
        EXPECT_EQ(share + "\\a\\x.dll", ExpandUNCFileName("N:\\a\\x.dll"));
    }
    const std::vector<std::string> expected = {
        "drive N:\\", "name N:\\a\\x.dll", "drive C:\\", "name N:\\b\\x.dll",
        // Nothing is kept from one run to the next.
        "drive N:\\", "name N:\\a\\x.dll",
    };
    EXPECT_EQ(expected, asked);
}

}  // namespace
