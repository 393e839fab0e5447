#pragma once
// First-run set-up for a user: point the stored key's program folder at a
// language folder, as an installer would. The program itself never does this.
#include "settings_hive.h"

#include <string>

namespace core {

enum class Registration { Written, AlreadySet, KeyUnavailable };

// Writes `folder` as the program folder value when the key has none yet (or
// an empty one), creating the key if needed. An existing value and every
// other part of the stored settings stay as they are.
Registration registerProgramFolder(SettingsHive &hive, const std::string &folder);

} // namespace core
