// The stored settings in the real registry. Each test works below a scratch
// key of its own under HKEY_CURRENT_USER, deleted afterwards, so the user's
// own settings are never touched.
#include "code_page.h"
#include "errors.h"
#include "registry_hive_win32.h"
#include "scratch_folder.h"
#include "stored_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <utility>

namespace {

using RawValue = std::pair<DWORD, std::string>;  // type, bytes

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
                  ERROR_SUCCESS);
        hive_ = core::RegistryHive(scratch_);
    }
    void TearDown() override
    {
        RegCloseKey(scratch_);
        EXPECT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, scratchPath_.c_str()), ERROR_SUCCESS);
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchParent);  // only once it is empty
    }

    bool keyExists() const
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(scratch_, core::kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    void setRaw(const char *name, DWORD type, const std::string &bytes)
    {
        ASSERT_EQ(RegSetKeyValueA(scratch_, core::kSettingsKeyPath, name, type, bytes.data(),
                                  static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    std::optional<RawValue> raw(const char *name) const
    {
        char data[256];
        DWORD type = 0;
        DWORD size = sizeof data;
        if (RegGetValueA(scratch_, core::kSettingsKeyPath, name, RRF_RT_ANY | RRF_NOEXPAND, &type,
                         data, &size)
            != ERROR_SUCCESS)
            return std::nullopt;
        return RawValue(type, std::string(data, size));
    }

    void store(const std::string &cps3, const std::string &model2)
    {
        core::storeEmulatorFolders(hive_, cps3, model2);
    }

    static constexpr const char *kScratchParent = "Software\\DravomelTests";
    const std::string scratchPath_ = std::string(kScratchParent) + "\\"
        + std::to_string(GetCurrentProcessId()) + "-"
        + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    HKEY scratch_ = nullptr;
    core::RegistryHive hive_{nullptr};
};

const RawValue kPlaceholder{REG_SZ, std::string("...\0", 4)};

TEST_F(RegistryTest, AbsentKeyOpensNothingAndCreatesNothing)
{
    EXPECT_EQ(core::openStoredSettings(hive_), nullptr);
    EXPECT_FALSE(keyExists());
}

TEST_F(RegistryTest, FirstStoreCreatesTheKeyWithBothFoldersAndNoProgramFolder)
{
    store("...", "...");
    EXPECT_EQ(raw("CPS3"), kPlaceholder);
    EXPECT_EQ(raw("Model2"), kPlaceholder);
    EXPECT_EQ(raw("DMpath"), std::nullopt);

    // The program's own hive is the current user's.
    auto key = core::currentUserHive()->openKey(scratchPath_ + "\\" + core::kSettingsKeyPath, false);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "");
    EXPECT_EQ(key->readString("CPS3"), "...");
    EXPECT_EQ(key->readString("Model2"), "...");
}

TEST_F(RegistryTest, EmptyValueReadsEmptyAndIsWrittenBackEmpty)
{
    setRaw("DMpath", REG_SZ, std::string("C:\\Dravomel\0", 12));
    setRaw("CPS3", REG_SZ, std::string(1, '\0'));
    setRaw("Model2", REG_SZ, "");  // not even the final NUL
    auto key = core::openStoredSettings(hive_);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "C:\\Dravomel");
    const std::string cps3 = key->readString("CPS3");
    EXPECT_EQ(cps3, "");
    EXPECT_EQ(key->readString("Model2"), "");
    key.reset();

    store(cps3, "");
    EXPECT_EQ(raw("CPS3"), RawValue(REG_SZ, std::string(1, '\0')));
    EXPECT_EQ(raw("Model2"), RawValue(REG_SZ, std::string(1, '\0')));
}

TEST_F(RegistryTest, OnlyTextValuesRead)
{
    setRaw("DMpath", REG_EXPAND_SZ, std::string("%SystemRoot%\\dm\0", 17));
    setRaw("CPS3", REG_DWORD, std::string("\x2a\0\0\0", 4));
    setRaw("Model2", REG_SZ, "C:\\m2");  // stored without its NUL
    setRaw("Blob", REG_BINARY, "C:\\x");
    auto key = core::openStoredSettings(hive_);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "%SystemRoot%\\dm");
    EXPECT_THROW(key->readString("CPS3"), core::RegistryError);
    EXPECT_EQ(key->readString("Model2"), "C:\\m2");
    EXPECT_THROW(key->readString("Blob"), core::RegistryError);
}

TEST_F(RegistryTest, StoreWritesOurTwoValuesAsTextAndKeepsEveryOther)
{
    setRaw("DMpath", REG_SZ, std::string("C:\\Dravomel\0", 12));
    setRaw("Window", REG_DWORD, std::string("\x1e\0\0\0", 4));
    setRaw("CPS3", REG_DWORD, std::string("\x01\0\0\0", 4));
    store("C:\\emu\\cps3", "...");
    EXPECT_EQ(raw("CPS3"), RawValue(REG_SZ, std::string("C:\\emu\\cps3\0", 12)));
    EXPECT_EQ(raw("Model2"), kPlaceholder);
    EXPECT_EQ(raw("DMpath"), RawValue(REG_SZ, std::string("C:\\Dravomel\0", 12)));
    EXPECT_EQ(raw("Window"), RawValue(REG_DWORD, std::string("\x1e\0\0\0", 4)));
}

// A folder stored in UTF-16 (as an installer stores it) reads in a form the
// "A" functions open: in its short form where the code page lacks a letter.
TEST_F(RegistryTest, ProgramFolderOfAnyNameOpensThroughTheSystemCodePage)
{
    const filetest::ScratchFolder scratch;
    for (const std::wstring name : {L"Jeux vid\u00e9o", L"\u0141ukasz \u03a9"}) {
        const std::wstring folder = core::wideFromSystem(scratch.path()) + L"\\" + name;
        ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
        CloseHandle(CreateFileW((folder + L"\\LNGFILE").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        RegSetKeyValueW(scratch_, L"Software\\Dravomel", L"DMpath", REG_SZ, folder.c_str(),
                        static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
        const std::string read = core::openStoredSettings(hive_)->readString("DMpath") + "\\LNGFILE";
        EXPECT_NE(GetFileAttributesA(read.c_str()), INVALID_FILE_ATTRIBUTES) << read;
    }
}

} // namespace
