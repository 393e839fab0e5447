#pragma once
// On Windows the stored settings live in the real registry.
#include "settings_hive.h"

#include <windows.h>

namespace core {

// Keys opened below `root`: HKEY_CURRENT_USER for the program; tests give
// a scratch key of their own. The root handle stays the caller's.
class RegistryHive : public SettingsHive {
public:
    explicit RegistryHive(HKEY root) : root_(root) {}
    std::unique_ptr<SettingsKey> openKey(const std::string &keyPath, bool create) override;

private:
    HKEY root_;
};

} // namespace core
