#include "program_folder.h"

#include "stored_settings.h"

namespace core {

Registration registerProgramFolder(SettingsHive &hive, const std::string &folder)
{
    const std::unique_ptr<SettingsKey> key = hive.openKey(kSettingsKeyPath, true);
    if (!key)
        return Registration::KeyUnavailable;
    if (!key->readString(kProgramFolderValue).empty())
        return Registration::AlreadySet;
    key->writeString(kProgramFolderValue, folder);
    return Registration::Written;
}

} // namespace core
