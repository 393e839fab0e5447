#pragma once
// First-run set-up for a user: point the stored key's program folder at a
// language folder, as an installer would. The program itself never does this.
#include "settings_hive.h"

#include <string>
#include <vector>

namespace core {

enum class Registration { Written, AlreadySet, KeyUnavailable, NoLanguageFile };

// The first of `roots` whose subfolder `language` holds a language file, or
// nothing when none does.
std::string shippedLanguageFolder(const std::vector<std::string> &roots, const std::string &language);

// Writes `folder`, made absolute, as the program folder value when the key
// has none yet (or an empty one), creating the key if needed. A folder that
// holds no language file is refused and nothing is stored. An existing value
// and every other part of the stored settings stay as they are. `stored`
// receives the value the key holds afterwards: the one written or kept.
Registration registerProgramFolder(SettingsHive &hive, const std::string &folder, std::string &stored);

} // namespace core
