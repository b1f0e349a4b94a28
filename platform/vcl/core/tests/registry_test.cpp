// TRegistry against Wine's registry. Every test works below a key of its own
// that is removed before and after, so runs in a reused prefix start clean.
#include <windows.h>

#include <gtest/gtest.h>

#include "exceptions.h"
#include "registry.h"

namespace {

class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_root = "Software\\RiloTest\\vcl_core_" + std::to_string(GetCurrentProcessId());
        m_key = m_root + "\\" + testing::UnitTest::GetInstance()->current_test_info()->name();
        Remove();
    }
    void TearDown() override { Remove(); }

    void Remove() const
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, m_root.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, m_root.c_str());
    }

    // Stores a value with the plain API, so that reading is tested on its own.
    void Store(const char* name, DWORD type, const void* data, DWORD size) const
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        RegCloseKey(key);
    }

    template <typename Action>
    static AnsiString MessageOf(Action action)
    {
        try {
            action();
        } catch (const ERegistryException& e) {
            return e.Message;
        }
        return "(no error)";
    }

    AnsiString m_root;
    AnsiString m_key;
};

}  // namespace

TEST_F(RegistryTest, MissingKeyDoesNotOpen)
{
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKeyReadOnly(m_key));
    EXPECT_FALSE(reg.OpenKey(m_key, false));
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(reg.ValueExists("BaseDir"));
    EXPECT_EQ(reg.ReadString("BaseDir"), "");
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, m_key.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS)
        << "opening without create made the key";
}

TEST_F(RegistryTest, OpenWithCreateMakesTheKeyAndWrites)
{
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(reg.OpenKey("\\" + m_key + "\\RILO", true));
        reg.WriteInteger("Interface_Obj_Num", 7);
        reg.WriteString("BaseDir", "C:\\DPL\\Base");
        reg.WriteInteger("Negative", -2);
    }
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (m_key + "\\RILO").c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "Interface_Obj_Num", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 7u);
    char text[64] = {};
    size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(key, "BaseDir", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, "C:\\DPL\\Base");
    RegCloseKey(key);

    TRegistry reg;
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKeyReadOnly("\\" + m_key + "\\RILO"));
    EXPECT_TRUE(reg.ValueExists("Interface_Obj_Num"));
    EXPECT_EQ(reg.ReadInteger("Interface_Obj_Num"), 7);
    EXPECT_EQ(reg.ReadInteger("Negative"), -2);
    EXPECT_EQ(reg.ReadString("BaseDir"), "C:\\DPL\\Base");
}

TEST_F(RegistryTest, RewritingReplacesTheValue)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(m_key, true));
    reg.WriteInteger("Interface_Obj_Num", 3);
    reg.WriteInteger("Interface_Obj_Num", 5);
    ASSERT_TRUE(reg.OpenKey(m_key, false));
    EXPECT_EQ(reg.ReadInteger("Interface_Obj_Num"), 5);
}

TEST_F(RegistryTest, TextValues)
{
    const char text[] = "D:\\Corvane\\DPL";
    const char expandable[] = "%SystemDrive%\\DPL";
    Store("BaseDir", REG_SZ, text, sizeof text);
    Store("Expand", REG_EXPAND_SZ, expandable, sizeof expandable);
    Store("Empty", REG_SZ, "", 1);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(m_key));
    EXPECT_EQ(reg.ReadString("BaseDir"), "D:\\Corvane\\DPL");
    EXPECT_EQ(reg.ReadString("Expand"), "%SystemDrive%\\DPL");  // not expanded
    EXPECT_EQ(reg.ReadString("Empty"), "");
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_FALSE(reg.ValueExists("Missing"));
    EXPECT_EQ(reg.ReadString("Missing"), "");
}

TEST_F(RegistryTest, WrongKindOfValueRaises)
{
    const DWORD number = 410;
    const BYTE binary[] = {1, 2, 3};
    Store("BaseDir", REG_DWORD, &number, sizeof number);
    Store("Interface_Obj_Num", REG_SZ, "7", 2);
    Store("Binary", REG_BINARY, binary, sizeof binary);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(m_key));
    EXPECT_EQ(MessageOf([&] { reg.ReadString("BaseDir"); }), "Invalid data type for 'BaseDir'");
    EXPECT_EQ(MessageOf([&] { reg.ReadString("Binary"); }), "Invalid data type for 'Binary'");
    EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Interface_Obj_Num"); }),
              "Invalid data type for 'Interface_Obj_Num'");
    EXPECT_EQ(MessageOf([&] { reg.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
}

TEST_F(RegistryTest, DataTypesAsStored)
{
    const DWORD number = 7;
    const BYTE binary[] = {1, 2, 3};
    const unsigned long long wide = 7;
    Store("Number", REG_DWORD, &number, sizeof number);
    Store("Text", REG_SZ, "7", 2);
    Store("Expandable", REG_EXPAND_SZ, "%TEMP%", 7);
    Store("Binary", REG_BINARY, binary, sizeof binary);
    Store("Wide", REG_QWORD, &wide, sizeof wide);
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(m_key));
    EXPECT_EQ(rdInteger, reg.GetDataType("Number"));
    EXPECT_EQ(rdString, reg.GetDataType("Text"));
    EXPECT_EQ(rdExpandString, reg.GetDataType("Expandable"));
    EXPECT_EQ(rdBinary, reg.GetDataType("Binary"));
    EXPECT_EQ(rdUnknown, reg.GetDataType("Wide"));
    EXPECT_EQ(rdUnknown, reg.GetDataType("Missing"));
}

TEST_F(RegistryTest, WriteThroughReadOnlyKeyRaises)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(m_key, true));
    reg.WriteInteger("Interface_Obj_Num", 3);
    ASSERT_TRUE(reg.OpenKeyReadOnly(m_key));
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Interface_Obj_Num", 9); }),
              "Failed to set data for 'Interface_Obj_Num'");
    EXPECT_EQ(MessageOf([&] { reg.WriteString("BaseDir", "x"); }), "Failed to set data for 'BaseDir'");
    EXPECT_EQ(reg.ReadInteger("Interface_Obj_Num"), 3);
    EXPECT_FALSE(reg.ValueExists("BaseDir"));
}

TEST_F(RegistryTest, ClosedKeyNeitherReadsNorWrites)
{
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(m_key, true));
    reg.WriteInteger("Interface_Obj_Num", 3);
    reg.CloseKey();
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(reg.ValueExists("Interface_Obj_Num"));
    EXPECT_EQ(MessageOf([&] { reg.WriteInteger("Interface_Obj_Num", 9); }),
              "Failed to set data for 'Interface_Obj_Num'");

    // Changing the root closes the open key too.
    ASSERT_TRUE(reg.OpenKey(m_key, false));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(reg.OpenKey(m_key, false));
}
