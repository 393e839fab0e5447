// The stored settings: the key file under $XDG_CONFIG_HOME, read at start and
// written at exit, and how a store treats everything else in that file.
#include "errors.h"
#include "program_folder.h"
#include "reg_file_hive.h"
#include "settings_hive.h"
#include "scratch_folder.h"
#include "stored_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char kSection[] = "[HKEY_CURRENT_USER\\Software\\Dravomel]";

// A file as Windows' regedit writes it: UTF-16, low byte first.
std::string utf16le(const std::u16string &text)
{
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Restores an environment variable when it goes out of scope.
class SavedEnv {
public:
    explicit SavedEnv(const char *name) : name_(name)
    {
        if (const char *value = std::getenv(name))
            value_ = value;
    }
    ~SavedEnv()
    {
        if (value_)
            ::setenv(name_.c_str(), value_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }
    SavedEnv(const SavedEnv &) = delete;
    SavedEnv &operator=(const SavedEnv &) = delete;

private:
    std::string name_;
    std::optional<std::string> value_;
};

class StoredSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1); }

    void writeSettings(const std::string &bytes)
    {
        fs::create_directories(keyFolder_);
        filetest::writeBytes(file_, bytes);
    }

    std::string settingsText() const { return filetest::readBytes(file_); }

    std::vector<std::string> keyFolderEntries() const { return filetest::entries(keyFolder_); }

    void store(const std::string &cps3, const std::string &model2)
    {
        auto hive = core::currentUserHive();
        core::storeEmulatorFolders(*hive, cps3, model2);
    }

    std::unique_ptr<core::SettingsKey> open()
    {
        auto hive = core::currentUserHive();
        return core::openStoredSettings(*hive);
    }

    SavedEnv savedXdg_{"XDG_CONFIG_HOME"};
    SavedEnv savedHome_{"HOME"};
    filetest::ScratchFolder scratch_;
    const std::string folder_ = scratch_.path();
    const std::string keyFolder_ = folder_ + "/Dravomel";
    const std::string file_ = keyFolder_ + "/Dravomel.reg";
};

// --- where the key lives ---

TEST_F(StoredSettingsTest, KeyFileFollowsXdgConfigHomeElseHome)
{
    EXPECT_EQ(core::settingsFilePath(), folder_ + "/Dravomel/Dravomel.reg");

    ::setenv("HOME", (folder_ + "/home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(core::settingsFilePath(), folder_ + "/home/.config/Dravomel/Dravomel.reg");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(core::settingsFilePath(), folder_ + "/home/.config/Dravomel/Dravomel.reg");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(core::settingsFilePath(), folder_ + "/home/.config/Dravomel/Dravomel.reg");
}

// --- absent key, first run ---

TEST_F(StoredSettingsTest, AbsentKeyOpensNothingAndCreatesNothing)
{
    EXPECT_EQ(open(), nullptr);
    EXPECT_FALSE(fs::exists(keyFolder_));
    EXPECT_TRUE(fs::is_empty(folder_));

    // An empty file holds no key; it is not a damaged one.
    writeSettings("");
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(settingsText(), "");
}

TEST_F(StoredSettingsTest, FirstStoreCreatesTheFileWithBothFoldersAndNoProgramFolder)
{
    store("...", "...");
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"CPS3\"=\"...\"\n"
                                  "\"Model2\"=\"...\"\n");
    EXPECT_EQ(keyFolderEntries(), std::vector<std::string>{"Dravomel.reg"});

    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "");
    EXPECT_EQ(key->readString("CPS3"), "...");
    EXPECT_EQ(key->readString("Model2"), "...");
}

TEST_F(StoredSettingsTest, FirstStoreCreatesMissingConfigFolders)
{
    const std::string config = folder_ + "/not/yet/there";
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    store("/games/cps3", "/games/m2");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_TRUE(fs::is_regular_file(config + "/Dravomel/Dravomel.reg"));
    EXPECT_EQ(key->readString("CPS3"), "/games/cps3");
    EXPECT_EQ(key->readString("Model2"), "/games/m2");
}

TEST_F(StoredSettingsTest, UnusableLocationStoresNothingAndReportsNothing)
{
    // The config folder is a plain file: the key can be neither read nor made.
    const std::string blocker = folder_ + "/blocker";
    std::ofstream(blocker) << "x";
    ::setenv("XDG_CONFIG_HOME", blocker.c_str(), 1);
    EXPECT_NO_THROW(store("/a", "/b"));
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(filetest::entries(folder_), std::vector<std::string>{"blocker"});

    // The key file is a folder.
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    fs::create_directories(file_);
    EXPECT_NO_THROW(store("/a", "/b"));
    EXPECT_EQ(open(), nullptr);
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_TRUE(fs::is_empty(file_));
}

TEST_F(StoredSettingsTest, RegisterStoresOnlyALanguageFolderAndAlwaysAbsolute)
{
    fs::create_directories(folder_ + "/lang/fr");
    filetest::writeBytes(folder_ + "/lang/fr/LNGFILE", "text\r\n");
    EXPECT_EQ(core::shippedLanguageFolder({folder_ + "/gone", folder_ + "/lang"}, "fr"), folder_ + "/lang/fr");
    EXPECT_EQ(core::shippedLanguageFolder({folder_ + "/lang"}, "en"), "");

    using R = core::Registration;
    const struct {
        std::string given;
        R result;
        std::string stored;
    } cases[] = {
        {"/nonexistent", R::NoLanguageFile, ""},
        {"lang", R::NoLanguageFile, ""},
        {"lang/fr/", R::Written, folder_ + "/lang/fr"},
        {"lang/../lang/fr", R::AlreadySet, folder_ + "/lang/fr"},
    };
    const fs::path previous = fs::current_path();
    fs::current_path(folder_);
    for (const auto &c : cases) {
        std::string stored;
        EXPECT_EQ(core::registerProgramFolder(*core::currentUserHive(), c.given, stored), c.result) << c.given;
        EXPECT_EQ(stored, c.stored) << c.given;
        EXPECT_EQ(fs::exists(file_), c.result != R::NoLanguageFile) << c.given;
    }
    fs::current_path(previous);
}

// --- reading ---

TEST_F(StoredSettingsTest, ReadsAllThreeValuesAndLeavesTheFileAsItWas)
{
    const std::string text = std::string("REGEDIT4\n\n") + kSection + "\n"
                             "\"DMpath\"=\"/usr/share/dravomel\"\n"
                             "\"CPS3\"=\"/home/ana/emulators/cps3\"\n"
                             "\"Model2\"=\"...\"\n";
    writeSettings(text);
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "/usr/share/dravomel");
    EXPECT_EQ(key->readString("CPS3"), "/home/ana/emulators/cps3");
    EXPECT_EQ(key->readString("Model2"), "...");
    EXPECT_EQ(settingsText(), text);
}

TEST_F(StoredSettingsTest, MissingValuesReadEmpty)
{
    writeSettings(std::string("REGEDIT4\n\n") + kSection + "\n\"DMpath\"=\"/opt/dm\"\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "/opt/dm");
    EXPECT_EQ(key->readString("CPS3"), "");
    EXPECT_EQ(key->readString("Model2"), "");
}

TEST_F(StoredSettingsTest, EmptyValueReadsEmptyAndIsWrittenBackEmpty)
{
    const std::string text = std::string("REGEDIT4\n\n") + kSection + "\n"
                             "\"DMpath\"=\"/opt/dm\"\n"
                             "\"CPS3\"=\"\"\n"
                             "\"Model2\"=\"/games/m2\"\n";
    writeSettings(text);
    auto key = open();
    ASSERT_NE(key, nullptr);
    const std::string cps3 = key->readString("CPS3");
    EXPECT_EQ(cps3, "");
    key.reset();

    store(cps3, "/games/m2");
    EXPECT_EQ(settingsText(), text);
}

TEST_F(StoredSettingsTest, NonTextValueRaisesRegistryErrorOnRead)
{
    const std::vector<std::string> forms{
        "dword:0000002a",
        "hex:2f,61,00",
        "hex(7):2f,00,61,00,00,00,00,00",
        "hex(7):2f,00,61,00,2f,00,62,00,\\\n  63,00,00,00,00,00",
    };
    for (const std::string &form : forms) {
        SCOPED_TRACE(form);
        writeSettings(std::string("REGEDIT4\n\n") + kSection + "\n"
                      "\"DMpath\"=\"/opt/dm\"\n"
                      "\"CPS3\"=" + form + "\n"
                      "\"Model2\"=\"/games/m2\"\n");
        auto key = open();
        ASSERT_NE(key, nullptr);
        EXPECT_EQ(key->readString("DMpath"), "/opt/dm");
        EXPECT_THROW(key->readString("CPS3"), core::RegistryError);
        // A continued value does not swallow the value after it.
        EXPECT_EQ(key->readString("Model2"), "/games/m2");
    }
}

TEST_F(StoredSettingsTest, ReadsTheFileAsTheRegistryImportDoes)
{
    // Edited by hand: byte-order mark, lowercase header, indentation,
    // comments, blanks around "=", the key twice, a deletion marker and an
    // expandable text, whose variable stays as it is.
    const std::string top = "\xEF\xBB\xBF" "regedit4\n"
                            "\n"
                            "  ; copied from the old machine\n"
                            "[HKEY_CURRENT_USER\\Software\\Dravomel]\n"
                            "  \"DMpath\" = \"/old/dm\"\n";
    const std::string middle = "\n"
                               "[HKEY_CURRENT_USER\\Software\\Other]\n"
                               "\"CPS3\"=\"not ours\" ; a note\n"
                               "\n"
                               "  [HKEY_CURRENT_USER\\Software\\Dravomel]\n"
                               "\t\"DMpath\"\t=\thex(2):25,48,4f,4d,45,25,2f,64,6d,00\n";
    writeSettings(top + "\"CPS3\"=\"/first\"\n\"Model2\"=\"/m2\"\n" + middle
                  + "  \"CPS3\"=\"/second\"\n\"Model2\"=-\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "%HOME%/dm");
    EXPECT_EQ(key->readString("CPS3"), "/second");
    EXPECT_EQ(key->readString("Model2"), "");
    key.reset();

    // One value per name is left, where the import took it from.
    store("/new", "/m");
    EXPECT_EQ(settingsText(), top + middle + "  \"CPS3\"=\"/new\"\n\"Model2\"=\"/m\"\n");
}

TEST_F(StoredSettingsTest, WindowsUnicodeExportIsReadAndStoredInItsOwnFormat)
{
    const std::u16string head = u"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n"
                                u"[HKEY_CURRENT_USER\\Software\\Dravomel]\r\n"
                                u"\"DMpath\"=\"C:\\\\Jeux\\\\\u00e9mulateurs \u65e5\u672c \U0001D11E\"\r\n";
    writeSettings(utf16le(head + u"\"CPS3\"=hex(2):25,00,41,00,25,00,5c,00,\\\r\n"
                                 u"  63,00,00,00\r\n"
                                 u"\"Model2\"=hex(1):43,00,3a,00,5c,00,6d,00,32,00,00,00\r\n"
                                 u"\r\n"));
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"),
              "C:\\Jeux\\\xC3\xA9mulateurs \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9D\x84\x9E");
    EXPECT_EQ(key->readString("CPS3"), "%A%\\c");
    EXPECT_EQ(key->readString("Model2"), "C:\\m2");
    key.reset();

    // A folder named in Latin-1 is not UTF-8: it goes in as lone surrogates
    // and comes back as the same bytes.
    const std::string latin1 = "/m2/\xE9t\xE9";
    store("/jeux/\xC3\xA9mu", latin1);
    EXPECT_EQ(settingsText(), utf16le(head + u"\"CPS3\"=\"/jeux/\u00e9mu\"\r\n"
                                             u"\"Model2\"=\"/m2/" + char16_t(0xDCE9) + u"t"
                                      + char16_t(0xDCE9) + u"\"\r\n"
                                                           u"\r\n"));
    key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("Model2"), latin1);
}

TEST_F(StoredSettingsTest, StoreTurnsANonTextValueIntoText)
{
    writeSettings(std::string("REGEDIT4\n\n") + kSection + "\n"
                  "\"CPS3\"=hex(2):2f,00,61,00,\\\n"
                  "  2f,00,00,00\n"
                  "\"Model2\"=dword:00000001\n"
                  "\"Other\"=dword:00000002\n");
    store("/new/cps3", "/new/m2");
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"CPS3\"=\"/new/cps3\"\n"
                                  "\"Model2\"=\"/new/m2\"\n"
                                  "\"Other\"=dword:00000002\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("CPS3"), "/new/cps3");
    EXPECT_EQ(key->readString("Model2"), "/new/m2");
}

// --- storing keeps the rest of the file ---

TEST_F(StoredSettingsTest, StoreChangesOnlyOurTwoValues)
{
    writeSettings("REGEDIT4\n"
                  "\n"
                  "; written by hand\n"
                  "[HKEY_CURRENT_USER\\Software\\Other]\n"
                  "\"CPS3\"=\"not ours\"\n"
                  "\"Model2\"=\"not ours either\"\n"
                  "\n"
                  "[HKEY_CURRENT_USER\\Software\\Dravomel]\n"
                  "\"DMpath\"=\"/usr/share/dravomel\"\n"
                  "; window size\n"
                  "\"Window\"=dword:0000001e\n"
                  "\"CPS3\"=\"/old/cps3\"\n"
                  "@=\"default\"\n"
                  "\"Blob\"=hex:01,02,\\\n"
                  "  03,04\n"
                  "\n"
                  "[HKEY_CURRENT_USER\\Software\\Dravomel\\Sub]\n"
                  "\"Model2\"=\"sub\"\n");
    store("/new/cps3", "...");
    EXPECT_EQ(settingsText(), "REGEDIT4\n"
                              "\n"
                              "; written by hand\n"
                              "[HKEY_CURRENT_USER\\Software\\Other]\n"
                              "\"CPS3\"=\"not ours\"\n"
                              "\"Model2\"=\"not ours either\"\n"
                              "\n"
                              "[HKEY_CURRENT_USER\\Software\\Dravomel]\n"
                              "\"DMpath\"=\"/usr/share/dravomel\"\n"
                              "; window size\n"
                              "\"Window\"=dword:0000001e\n"
                              "\"CPS3\"=\"/new/cps3\"\n"
                              "@=\"default\"\n"
                              "\"Blob\"=hex:01,02,\\\n"
                              "  03,04\n"
                              "\"Model2\"=\"...\"\n"
                              "\n"
                              "[HKEY_CURRENT_USER\\Software\\Dravomel\\Sub]\n"
                              "\"Model2\"=\"sub\"\n");
    EXPECT_EQ(keyFolderEntries(), std::vector<std::string>{"Dravomel.reg"});

    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("CPS3"), "/new/cps3");
    EXPECT_EQ(key->readString("Model2"), "...");
}

TEST_F(StoredSettingsTest, StoringOnlyOneChangedFolderRewritesTheOther)
{
    const std::string before = std::string("REGEDIT4\n\n") + kSection + "\n"
                               "\"DMpath\"=\"/opt/dm\"\n"
                               "\"CPS3\"=\"/old\"\n"
                               "\"Model2\"=\"/games/m2\"\n";
    writeSettings(before);
    store("/new", "/games/m2");
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"DMpath\"=\"/opt/dm\"\n"
                                  "\"CPS3\"=\"/new\"\n"
                                  "\"Model2\"=\"/games/m2\"\n");
}

TEST_F(StoredSettingsTest, NamesCompareCaseInsensitivelyAndKeepTheirSpelling)
{
    writeSettings("REGEDIT4\n\n"
                  "[hkey_current_user\\SOFTWARE\\dravomel]\n"
                  "\"dmpath\"=\"/opt/dm\"\n"
                  "\"cps3\"=\"/old/cps3\"\n"
                  "\"MODEL2\"=\"/old/m2\"\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "/opt/dm");
    EXPECT_EQ(key->readString("CPS3"), "/old/cps3");
    EXPECT_EQ(key->readString("Model2"), "/old/m2");
    key.reset();

    store("/new/cps3", "/new/m2");
    EXPECT_EQ(settingsText(), "REGEDIT4\n\n"
                              "[hkey_current_user\\SOFTWARE\\dravomel]\n"
                              "\"dmpath\"=\"/opt/dm\"\n"
                              "\"cps3\"=\"/new/cps3\"\n"
                              "\"MODEL2\"=\"/new/m2\"\n");
}

TEST_F(StoredSettingsTest, QuotesAndBackslashesRoundTrip)
{
    const std::string cps3 = "C:\\a \"b\"\\";
    const std::string model2 = "\\\\server\\share;x=[y]";
    store(cps3, model2);
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"CPS3\"=\"C:\\\\a \\\"b\\\"\\\\\"\n"
                                  "\"Model2\"=\"\\\\\\\\server\\\\share;x=[y]\"\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("CPS3"), cps3);
    EXPECT_EQ(key->readString("Model2"), model2);
}

TEST_F(StoredSettingsTest, EachLineKeepsItsOwnLineEnd)
{
    writeSettings(std::string("REGEDIT4\r\n\r\n") + kSection + "\r\n"
                  "\"DMpath\"=\"C:\\\\Dravomel\"\n"
                  "\"CPS3\"=\"C:\\\\old\"\r\n"
                  "\"Model2\"=\"C:\\\\m2\"");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("DMpath"), "C:\\Dravomel");
    EXPECT_EQ(key->readString("CPS3"), "C:\\old");
    EXPECT_EQ(key->readString("Model2"), "C:\\m2");
    key.reset();

    store("C:\\new", "...");
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\r\n\r\n") + kSection + "\r\n"
                                  "\"DMpath\"=\"C:\\\\Dravomel\"\n"
                                  "\"CPS3\"=\"C:\\\\new\"\r\n"
                                  "\"Model2\"=\"...\"");
}

TEST_F(StoredSettingsTest, FileWithoutOurKeyGainsItOnlyWhenStoring)
{
    const std::string other = "REGEDIT4\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                              "\"CPS3\"=\"not ours\"";
    writeSettings(other);
    EXPECT_EQ(open(), nullptr);
    EXPECT_EQ(settingsText(), other);

    store("/c", "/m");
    EXPECT_EQ(settingsText(), "REGEDIT4\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                              "\"CPS3\"=\"not ours\"\r\n"
                              "\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Dravomel]\r\n"
                              "\"CPS3\"=\"/c\"\r\n"
                              "\"Model2\"=\"/m\"");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("CPS3"), "/c");
    EXPECT_EQ(key->readString("DMpath"), "");
}

// --- damaged files and texts the file cannot hold ---

TEST_F(StoredSettingsTest, DamagedFileFailsTheLoadAndIsNeverOverwritten)
{
    const std::string section = std::string(kSection) + "\n";
    struct Case {
        const char *what;
        std::string bytes;
        int line;  // where the error message says the fault is
    };
    const std::vector<Case> cases{
        {"no header", section + "\"CPS3\"=\"/a\"\n", 1},
        {"other header", "REGEDIT5\n\n" + section + "\"CPS3\"=\"/a\"\n", 1},
        {"garbage line", "REGEDIT4\n\n" + section + "\"CPS3\"=\"/a\"\nthis is not a value\n", 5},
        {"unterminated text", "REGEDIT4\n\n" + section + "\"DMpath\"=\"/opt/dm\"\n\"CPS3\"=\"/a\n", 5},
        {"text after the quote", "REGEDIT4\n\n" + section + "\"CPS3\"=\"/a\"b\n", 4},
        {"unclosed key name", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Dravomel\n\"CPS3\"=\"/a\"\n", 3},
        {"value before any key", "REGEDIT4\n\"CPS3\"=\"/a\"\n\n" + section, 2},
        {"unknown type", "REGEDIT4\n\n" + section + "\"CPS3\"=qword:1\n", 4},
        {"bad binary", "REGEDIT4\n\n" + section + "\"Blob\"=hex:01,\\\n  02,zz\n", 5},
        {"unfinished binary", "REGEDIT4\n\n" + section + "\"Blob\"=hex:01,\\\n", 4},
        {"stray carriage return", "REGEDIT4\n\n" + section + "\"CPS3\"=\"/a\rb\"\n", 4},
        {"NUL byte", "REGEDIT4\n\n" + section + "\"CPS3\"=\"/a" + std::string(1, '\0') + "b\"\n", 4},
        {"half a UTF-16 character", utf16le(u"\uFEFFREGEDIT4\r\n") + "x", 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeSettings(c.bytes);
        try {
            open();
            ADD_FAILURE() << "no error";
        } catch (const core::RegistryError &e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(file_), std::string::npos) << message;
            EXPECT_NE(message.find("line " + std::to_string(c.line) + ":"), std::string::npos) << message;
        }
        EXPECT_NO_THROW(store("/new/cps3", "/new/m2"));
        EXPECT_EQ(settingsText(), c.bytes);
        EXPECT_EQ(keyFolderEntries(), std::vector<std::string>{"Dravomel.reg"});
    }
}

TEST_F(StoredSettingsTest, BinaryValueContinuedIntoABlankLine)
{
    // A hand-edited file: the continued line is followed by a blank one and
    // then by the next value. As in an import, that line is a value of its
    // own and the unfinished value is dropped.
    writeSettings(std::string("REGEDIT4\n\n") + kSection + "\n"
                  "\"Blob\"=hex:01,\\\n"
                  "\n"
                  "\"CPS3\"=\"/a\"\n");
    auto key = open();
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString("CPS3"), "/a");
    EXPECT_EQ(key->readString("Blob"), "");
}

TEST_F(StoredSettingsTest, LineBreakInAValueIsRefusedAndTheFileKept)
{
    const std::string text = std::string("REGEDIT4\n\n") + kSection + "\n"
                             "\"DMpath\"=\"/opt/dm\"\n"
                             "\"CPS3\"=\"/old/cps3\"\n"
                             "\"Model2\"=\"/old/m2\"\n";
    writeSettings(text);

    // The other folder is still stored, and one error names the refused one.
    try {
        store("/new\n/cps3", "/new/m2");
        ADD_FAILURE() << "no error raised";
    } catch (const core::RegistryError &e) {
        EXPECT_NE(std::string(e.what()).find("\"/new\n/cps3\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"DMpath\"=\"/opt/dm\"\n"
                                  "\"CPS3\"=\"/old/cps3\"\n"
                                  "\"Model2\"=\"/new/m2\"\n");
    writeSettings(text);

    core::RegFileHive hive(file_);
    auto key = core::openStoredSettings(hive);
    ASSERT_NE(key, nullptr);
    for (const std::string &bad : {std::string("a\rb"), std::string("a\r\nb"), std::string("a\0b", 3)}) {
        EXPECT_THROW(key->writeString("Model2", bad), core::RegistryError);
        EXPECT_EQ(settingsText(), text);
    }
    // The key stays usable: a later good write changes just that value.
    key->writeString("Model2", "/ok");
    EXPECT_EQ(settingsText(), std::string("REGEDIT4\n\n") + kSection + "\n"
                                  "\"DMpath\"=\"/opt/dm\"\n"
                                  "\"CPS3\"=\"/old/cps3\"\n"
                                  "\"Model2\"=\"/ok\"\n");
    EXPECT_EQ(keyFolderEntries(), std::vector<std::string>{"Dravomel.reg"});
}

} // namespace
