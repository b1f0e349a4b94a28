// TIniFile against Wine's own private-profile functions, on real files.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
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
    }
    const AnsiString content = FileContent();
    EXPECT_NE(content.find("[POSTING]"), AnsiString::npos) << content;
    EXPECT_NE(content.find("TAX_OR_VAT=0"), AnsiString::npos) << content;
    EXPECT_NE(content.find("TAXTYPE6=\r\n"), AnsiString::npos) << content;
    EXPECT_NE(content.find("SRV_OR_CHR=-1"), AnsiString::npos) << content;
    EXPECT_NE(content.find("[FEATURE]"), AnsiString::npos) << content;

    TIniFile ini(m_path);
    EXPECT_EQ(ini.ReadString("POSTING", "TAXTYPE1", "-"), "P");
    EXPECT_EQ(ini.ReadString("POSTING", "TAXTYPE6", "-"), "");
    EXPECT_EQ(ini.ReadInteger("POSTING", "SRV_OR_CHR", 7), -1);
    EXPECT_TRUE(ini.ReadBool("FEATURE", "MAGENTRY_ONLY", false));
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
    const AnsiString content = FileContent();
    EXPECT_NE(content.find("; kept comment"), AnsiString::npos) << content;
    EXPECT_EQ(ini.ReadString("POSTING", "CUSTOM_KEY", ""), "keep me");
    EXPECT_EQ(ini.ReadString("POSTING", "AFTER", ""), "quoted");
    // Replaced in place: still between the two keys around it.
    const size_t custom = content.find("CUSTOM_KEY");
    const size_t replaced = content.find("SRV_OR_CHR=2");
    const size_t after = content.find("AFTER=");
    ASSERT_NE(replaced, AnsiString::npos) << content;
    EXPECT_LT(custom, replaced);
    EXPECT_LT(replaced, after);
    EXPECT_EQ(content.find("SRV_OR_CHR=5"), AnsiString::npos) << content;
    EXPECT_EQ(ini.ReadInteger("OTHER", "SRV_OR_CHR", 0), 9);
}

TEST_F(IniFileTest, ReadOnlyFileRaisesWithTheFullPath)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    TIniFile ini(m_path);
    ini.WriteBool("POSTING", "TAX_OR_VAT", false);
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    try {
        ini.WriteString("POSTING", "TAXTYPE1", "P");
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "Unable to write to " + m_path);
    }
    // The key written before the failure stays written; the failed one is not there.
    EXPECT_FALSE(ini.ReadBool("POSTING", "TAX_OR_VAT", true));
    EXPECT_EQ(ini.ReadString("POSTING", "TAXTYPE1", "none"), "none");
    EXPECT_THROW(ini.WriteInteger("POSTING", "SRV_OR_CHR", 1), EIniFileException);
    EXPECT_THROW(ini.WriteBool("POSTING", "REVERSEGST", true), EIniFileException);
}

TEST_F(IniFileTest, FileLockedByAnotherWriterRaises)
{
    WriteFile("[POSTING]\r\nTAX_OR_VAT=1\r\n");
    const HANDLE lock = CreateFileA(m_path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    TIniFile ini(m_path);
    try {
        ini.WriteBool("POSTING", "TAX_OR_VAT", false);
        ADD_FAILURE() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "Unable to write to " + m_path);
    }
    CloseHandle(lock);
    EXPECT_TRUE(ini.ReadBool("POSTING", "TAX_OR_VAT", false));
}

TEST_F(IniFileTest, MissingFolderRaisesWithTheFullPath)
{
    const AnsiString path = m_dir + "\\ETC\\PVO_FO.INI";
    TIniFile ini(path);
    try {
        ini.WriteBool("POSTING", "TAX_OR_VAT", true);
        FAIL() << "no error";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, "Unable to write to " + path);
    }
    EXPECT_EQ(GetFileAttributesA((m_dir + "\\ETC").c_str()), INVALID_FILE_ATTRIBUTES);
}
