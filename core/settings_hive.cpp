#include "settings_hive.h"

#include "errors.h"

namespace core {

// One value at a time, for stores that write each value on its own anyway.
void SettingsKey::writeStrings(const Values &values)
{
    const std::string refused = storeEach(
        values, [this](const std::string &name, const std::string &text) { writeString(name, text); });
    if (!refused.empty())
        throw RegistryError(refused);
}

std::string SettingsKey::storeEach(
    const Values &values, const std::function<void(const std::string &, const std::string &)> &store)
{
    std::string refused;
    for (const auto &[name, text] : values) {
        try {
            store(name, text);
        } catch (const RegistryError &e) {
            refused += (refused.empty() ? "" : " ") + std::string(e.what());
        }
    }
    return refused;
}

} // namespace core
