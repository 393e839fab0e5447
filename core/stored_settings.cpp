#include "stored_settings.h"

namespace core {

std::unique_ptr<SettingsKey> openStoredSettings(SettingsHive &hive)
{
    return hive.openKey(kSettingsKeyPath, false);
}

void storeEmulatorFolders(SettingsHive &hive, const std::string &cps3, const std::string &model2)
{
    std::unique_ptr<SettingsKey> key = hive.openKey(kSettingsKeyPath, true);
    if (!key)
        return;
    key->writeStrings({{kCps3FolderValue, cps3}, {kModel2FolderValue, model2}});
}

} // namespace core
