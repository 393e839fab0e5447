#include "reg_file_hive.h"

#include "errors.h"
#include "reg_file.h"
#include "safe_file.h"
#include "whole_file.h"

#include <cstdlib>
#include <filesystem>

namespace core {

namespace {

const char kHivePrefix[] = "HKEY_CURRENT_USER\\";

class RegFileKey : public SettingsKey {
public:
    RegFileKey(std::string filePath, RegFile file, std::string section)
        : filePath_(std::move(filePath)), file_(std::move(file)), section_(std::move(section)) {}

    std::string readString(const std::string &name) override
    {
        std::string text;
        switch (file_.value(section_, name, &text)) {
        case RegFile::Kind::Missing:
            return std::string();
        case RegFile::Kind::String:
            return text;
        case RegFile::Kind::Other:
            break;
        }
        throw RegistryError("The stored value \"" + name + "\" is not a text.");
    }

    void writeString(const std::string &name, const std::string &text) override
    {
        writeStrings({{name, text}});
    }

    // Every write replaces the whole file at once, so a crash never leaves
    // it half written; all that can be stored goes in one replacement.
    void writeStrings(const Values &values) override
    {
        RegFile changed = file_;
        bool anyStored = false;
        const std::string refused =
            storeEach(values, [&](const std::string &name, const std::string &text) {
                changed.setString(section_, name, text);
                anyStored = true;
            });
        if (anyStored) {
            replaceFile(filePath_, changed.bytes());
            file_ = std::move(changed);
        }
        if (!refused.empty())
            throw RegistryError(refused);
    }

private:
    std::string filePath_;
    RegFile file_;
    std::string section_;
};

} // namespace

RegFileHive::RegFileHive(std::string filePath) : filePath_(std::move(filePath)) {}

std::unique_ptr<SettingsKey> RegFileHive::openKey(const std::string &keyPath, bool create)
{
    const std::string section = kHivePrefix + keyPath;
    std::string bytes;
    RegFile file;
    switch (readWholeFile(filePath_, bytes)) {
    case ReadResult::Failed:
        return nullptr;
    case ReadResult::Missing:
        if (!create)
            return nullptr;
        break;
    case ReadResult::Read:
        try {
            file = RegFile::parse(bytes);
        } catch (const RegistryError &e) {
            if (create)
                return nullptr;  // never overwrite a file we cannot read back
            throw RegistryError("The stored settings file \"" + filePath_ + "\" is damaged ("
                                + e.what() + ").");
        }
        break;
    }

    if (!file.hasSection(section)) {
        if (!create)
            return nullptr;
        file.addSection(section);
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(filePath_).parent_path(), ec);
        try {
            replaceFile(filePath_, file.bytes());
        } catch (const Error &) {
            return nullptr;
        }
    }
    return std::make_unique<RegFileKey>(filePath_, std::move(file), section);
}

std::string settingsFilePath()
{
    std::string base;
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') {
        base = config;
    } else {
        const char *home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.config";
    }
    return base + "/Dravomel/Dravomel.reg";
}

#ifndef _WIN32
std::unique_ptr<SettingsHive> currentUserHive()
{
    return std::make_unique<RegFileHive>(settingsFilePath());
}
#endif

} // namespace core
