#pragma once
// The program's one stored key and its three values.
#include "settings_hive.h"

#include <memory>
#include <string>

namespace core {

inline constexpr const char kSettingsKeyPath[] = "Software\\Dravomel";
inline constexpr const char kProgramFolderValue[] = "DMpath";
inline constexpr const char kCps3FolderValue[] = "CPS3";
inline constexpr const char kModel2FolderValue[] = "Model2";

// Opens the key for reading at start, never creating it: nullptr when absent.
std::unique_ptr<SettingsKey> openStoredSettings(SettingsHive &hive);

// Writes both emulator folders at exit, creating the key if needed. A folder
// that cannot be stored keeps its old value, the other is still stored, and
// one RegistryError then names it. If the key can be neither opened nor
// created, nothing is written and nothing is reported. The program folder
// value is never written.
void storeEmulatorFolders(SettingsHive &hive, const std::string &cps3, const std::string &model2);

} // namespace core
