#include "program_folder.h"

#include "language_table.h"
#include "paths.h"
#include "stored_settings.h"

#include <filesystem>

namespace core {

namespace {

bool holdsLanguageFile(const std::string &folder)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(toPath(inFolder(folder, kLanguageFileName)), ec);
}

} // namespace

std::string shippedLanguageFolder(const std::vector<std::string> &roots, const std::string &language)
{
    for (const std::string &root : roots)
        if (holdsLanguageFile(inFolder(root, language)))
            return inFolder(root, language);
    return std::string();
}

Registration registerProgramFolder(SettingsHive &hive, const std::string &folder, std::string &stored)
{
    // The program would show no text at all from a folder without one.
    if (folder.empty() || !holdsLanguageFile(folder))
        return Registration::NoLanguageFile;
    const std::unique_ptr<SettingsKey> key = hive.openKey(kSettingsKeyPath, true);
    if (!key)
        return Registration::KeyUnavailable;
    stored = key->readString(kProgramFolderValue);
    if (!stored.empty())
        return Registration::AlreadySet;
    stored = absoluteFolder(folder);
    key->writeString(kProgramFolderValue, stored);
    return Registration::Written;
}

} // namespace core
