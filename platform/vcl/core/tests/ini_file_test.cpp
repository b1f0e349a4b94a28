// TIniFile against Wine's own private-profile functions, on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <vector>
#include <sstream>

#include "exceptions.h"
#include "ini_file.h"

namespace {

class IniFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_dir = AnsiString(temp) + "rilo_ini_" + std::to_string(GetCurrentProcessId()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(CreateDirectoryA(m_dir.c_str(), nullptr)) << m_dir;
        m_path = m_dir + "\\PVO_FO.INI";
    }

    void TearDown() override
    {
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(m_path.c_str());
        RemoveDirectoryA(m_dir.c_str());
    }

    void WriteFile(const AnsiString& content)
    {
        std::ofstream out(m_path, std::ios::binary);
        out << content;
    }

    AnsiString FileContent() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    AnsiString m_dir;
    AnsiString m_path;
};

}  // namespace

TEST_F(IniFileTest, StringsLoseBlanksAndOnePairOfQuotes)
{
    WriteFile("[DESCRIPTOR]\r\n"
              "TAX_DESC=   \"Tax:  \"   \r\n"
              "AUTO_SVC_DESC='Auto SVC:'\r\n"
              "PLAIN=  Room Service  \r\n"
              "NESTED=\"'x'\"\r\n");
    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "TAX_DESC", "-"), "Tax:  ");
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "AUTO_SVC_DESC", "-"), "Auto SVC:");
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "PLAIN", "-"), "Room Service");
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "NESTED", "-"), "'x'");
}

TEST_F(IniFileTest, EmptyValueIsNotMissing)
{
    WriteFile("[DESCRIPTOR]\r\nTAX_DESC=\r\n");
    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "TAX_DESC", "Tax:"), "");
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "AUTO_SVC_DESC", "Auto SVC:"), "Auto SVC:");
    EXPECT_EQ(ini.ReadString("POSTING", "TAX_DESC", "Tax:"), "Tax:");
}

TEST_F(IniFileTest, NamesIgnoreCase)
{
    WriteFile("[Posting]\r\nReverseGst=1\r\n");
    TIniFile ini(m_path);
    EXPECT_TRUE(ini.ReadBool("POSTING", "REVERSEGST", false));
}

TEST_F(IniFileTest, MissingFileGivesDefaults)
{
    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("DESCRIPTOR", "TAX_DESC", "Tax:"), "Tax:");
    EXPECT_EQ(ini.ReadInteger("POSTING", "SRV_OR_CHR", 1), 1);
    EXPECT_FALSE(ini.ReadBool("FEATURE", "MAGENTRY_ONLY", false));
    EXPECT_EQ(GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES) << "reading created the file";
}

TEST_F(IniFileTest, LongValuesAreCutTo2047Characters)
{
    WriteFile("[LOCATOR]\r\nRVCS=" + AnsiString(3000, '7') + "\r\n");
    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("LOCATOR", "RVCS", ""), AnsiString(2047, '7'));
}

TEST_F(IniFileTest, Integers)
{
    WriteFile("[N]\r\n"
              "DEC=410\r\nNEG=-1\r\nPLUS=+3\r\n"
              "HEX=0x1F\r\nHEXUPPER=0XfF\r\nDOLLAR=$20\r\nNEGDOLLAR=-$10\r\n"
              "BARE0X=0x\r\nBADHEX=0x1G\r\nEMPTY=\r\nWORD=abc\r\nTRAILING=12abc\r\n"
              "QUOTED=\"5\"\r\nBIG=2147483648\r\n");
    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadInteger("N", "DEC", 0), 410);
    EXPECT_EQ(ini.ReadInteger("N", "NEG", 0), -1);
    EXPECT_EQ(ini.ReadInteger("N", "PLUS", 0), 3);
    EXPECT_EQ(ini.ReadInteger("N", "HEX", 0), 31);
    EXPECT_EQ(ini.ReadInteger("N", "HEXUPPER", 0), 255);
    EXPECT_EQ(ini.ReadInteger("N", "DOLLAR", 0), 32);
    EXPECT_EQ(ini.ReadInteger("N", "NEGDOLLAR", 0), -16);
    EXPECT_EQ(ini.ReadInteger("N", "QUOTED", 0), 5);
    for (const char* key : {"BARE0X", "BADHEX", "EMPTY", "WORD", "TRAILING", "BIG", "MISSING"})
        EXPECT_EQ(ini.ReadInteger("N", key, 1), 1) << key;
}

TEST_F(IniFileTest, Booleans)
{
    WriteFile("[B]\r\nON=1\r\nOFF=0\r\nTWO=2\r\nHEX=0x0\r\nEMPTY=\r\nWORD=yes\r\n");
    TIniFile ini(m_path);
    EXPECT_TRUE(ini.ReadBool("B", "ON", false));
    EXPECT_FALSE(ini.ReadBool("B", "OFF", true));
    EXPECT_TRUE(ini.ReadBool("B", "TWO", false));
    EXPECT_FALSE(ini.ReadBool("B", "HEX", true));
    for (bool def : {false, true}) {
        EXPECT_EQ(ini.ReadBool("B", "EMPTY", def), def);
        EXPECT_EQ(ini.ReadBool("B", "WORD", def), def);
        EXPECT_EQ(ini.ReadBool("B", "MISSING", def), def);
    }
}

TEST_F(IniFileTest, WritesCreateTheFileAndReadBack)
{
    {
        TIniFile ini(m_path);
        ini.WriteBool("POSTING", "TAX_OR_VAT", false);
        ini.WriteString("POSTING", "TAXTYPE1", "P");
        ini.WriteString("POSTING", "TAXTYPE6", "");
        ini.WriteInteger("POSTING", "SRV_OR_CHR", -1);
        ini.WriteBool("FEATURE", "MAGENTRY_ONLY", true);
        EXPECT_EQ(GetFileAttributesA(m_path.c_str()), INVALID_FILE_ATTRIBUTES) << "written before UpdateFile";
        ini.UpdateFile();
    }
    EXPECT_EQ("[POSTING]\r\nTAX_OR_VAT=0\r\nTAXTYPE1=P\r\nTAXTYPE6=\r\nSRV_OR_CHR=-1\r\n[FEATURE]\r\nMAGENTRY_ONLY=1\r\n",
              FileContent());

    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("POSTING", "TAXTYPE1", "-"), "P");
    EXPECT_EQ(ini.ReadString("POSTING", "TAXTYPE6", "-"), "");
    EXPECT_EQ(ini.ReadInteger("POSTING", "SRV_OR_CHR", 7), -1);
    EXPECT_TRUE(ini.ReadBool("FEATURE", "MAGENTRY_ONLY", false));
}

// A writer of another thread (as of another process) waits until a run of
// reads is over: the run sees one version of the file.
TEST_F(IniFileTest, AnUpdateWaitsUntilAReadingIsOver)
{
    WriteFile("[POSTING]\r\nSRV_OR_CHR=1\r\n");
    TIniFile reader(m_path);
    reader.BeginReading();
    EXPECT_EQ(1, reader.ReadInteger("POSTING", "SRV_OR_CHR", 7));
    struct Update {
        AnsiString path;
        static DWORD WINAPI Run(void* p)
        {
            TIniFile writer(static_cast<Update*>(p)->path);
            writer.WriteInteger("POSTING", "SRV_OR_CHR", 2);
            writer.UpdateFile();
            return 0;
        }
    } update{m_path};
    const HANDLE thread = CreateThread(nullptr, 0, &Update::Run, &update, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(thread, 300)) << "the update did not wait for the reading";
    EXPECT_EQ(1, reader.ReadInteger("POSTING", "SRV_OR_CHR", 7));
    reader.EndReading();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread, 10000));
    CloseHandle(thread);
    EXPECT_EQ(2, reader.ReadInteger("POSTING", "SRV_OR_CHR", 7));
}

TEST_F(IniFileTest, WritesLeaveOtherKeysAsTheyAre)
{
    WriteFile("; kept comment\r\n"
              "[POSTING]\r\n"
              "CUSTOM_KEY=  keep me  \r\n"
              "SRV_OR_CHR=5\r\n"
              "AFTER=\"quoted\"\r\n"
              "[OTHER]\r\n"
              "SRV_OR_CHR=9\r\n");
    TIniFile ini(m_path);
    ini.WriteInteger("POSTING", "SRV_OR_CHR", 2);
    ini.UpdateFile();
    EXPECT_EQ("; kept comment\r\n[POSTING]\r\nCUSTOM_KEY=  keep me  \r\nSRV_OR_CHR=2\r\nAFTER=\"quoted\"\r\n"
              "[OTHER]\r\nSRV_OR_CHR=9\r\n",
              FileContent());
    EXPECT_EQ(ini.ReadString("POSTING", "CUSTOM_KEY", ""), "keep me");
    EXPECT_EQ(ini.ReadInteger("POSTING", "SRV_OR_CHR", 0), 2);
}

// Each way of failing raises with the full path and leaves the file, and the
// folder it is in, exactly as they were.
class IniFileFailure : public IniFileTest {
protected:
    void ExpectRefused(TIniFile& ini)
    {
        const AnsiString before = FileContent();
        ini.WriteBool("POSTING", "TAX_OR_VAT", false);
        ini.WriteString("POSTING", "TAXTYPE1", "P");
        try {
            ini.UpdateFile();
            ADD_FAILURE() << "no error";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message, "Unable to write to " + ini.FileName());
        }
        EXPECT_EQ(before, FileContent());
        EXPECT_EQ(std::vector<AnsiString>{"PVO_FO.INI"}, FolderNames(m_dir));
    }

    static std::vector<AnsiString> FolderNames(const AnsiString& folder)
    {
        std::vector<AnsiString> names;
        WIN32_FIND_DATAA data;
        const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data))
            if (AnsiString(data.cFileName) != "." && AnsiString(data.cFileName) != "..")
                names.push_back(data.cFileName);
        if (find != INVALID_HANDLE_VALUE)
            FindClose(find);
        return names;
    }
};

TEST_F(IniFileFailure, ReadOnlyFile)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    TIniFile ini(m_path);
    ExpectRefused(ini);
}

TEST_F(IniFileFailure, FileLockedByAnotherWriter)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    const HANDLE lock = CreateFileA(m_path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    TIniFile ini(m_path);
    const AnsiString before = "[POSTING]\r\nTAX_OR_VAT=1\r\n";
    ini.WriteBool("POSTING", "TAX_OR_VAT", false);
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    CloseHandle(lock);
    EXPECT_EQ(before, FileContent());
    EXPECT_EQ(std::vector<AnsiString>{"PVO_FO.INI"}, FolderNames(m_dir));
}

TEST_F(IniFileFailure, MissingFolder)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    TIniFile ini(m_dir + "\\ETC\\PVO_FO.INI");
    ExpectRefused(ini);
}

TEST_F(IniFileFailure, PathLongerThanThePlatformTakesWritesNothingAnywhere)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    const AnsiString current = m_dir + "\\current";
    ASSERT_TRUE(CreateDirectoryA(current.c_str(), nullptr));
    char saved[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, saved);
    ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
    // The folder exists; the file's full path has 260 characters.
    const AnsiString root = m_dir + "\\" + AnsiString(MAX_PATH - m_dir.size() - 16, 'r');
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr) && CreateDirectoryA((root + "\\ETC").c_str(), nullptr));
    TIniFile ini(root + "\\ETC\\PVO_FO.INI");
    ASSERT_EQ(static_cast<size_t>(MAX_PATH), ini.FileName().size());
    ini.WriteString("POSTING", "TAXTYPE1", "P");
    EXPECT_THROW(ini.UpdateFile(), EIniFileException);
    const std::vector<AnsiString> written = FolderNames(current);
    SetCurrentDirectoryA(saved);
    RemoveDirectoryA(current.c_str());
    RemoveDirectoryA((root + "\\ETC").c_str());
    RemoveDirectoryA(root.c_str());
    EXPECT_TRUE(written.empty()) << written.front();
    EXPECT_EQ(std::vector<AnsiString>{"PVO_FO.INI"}, FolderNames(m_dir));
}
