#pragma once
// Stored settings kept in one registry export file instead of a registry.
#include "settings_hive.h"

namespace core {

class RegFileHive : public SettingsHive {
public:
    explicit RegFileHive(std::string filePath);
    // Raises RegistryError naming the file and the line when the file exists
    // but is damaged and `create` is false; with `create`, a damaged file gives
    // nullptr and is left as it is. An empty file holds no key.
    std::unique_ptr<SettingsKey> openKey(const std::string &keyPath, bool create) override;

    const std::string &filePath() const { return filePath_; }

private:
    std::string filePath_;
};

// $XDG_CONFIG_HOME/Dravomel/Dravomel.reg, or ~/.config/... when the variable
// is unset, empty or not an absolute path.
std::string settingsFilePath();

} // namespace core
