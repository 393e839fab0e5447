#pragma once
// The current user's stored settings, as registry-like keys holding named
// text values. On Linux one file stands for the key; a Windows build can put
// the real registry behind the same two classes.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace core {

class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // A missing value reads as the empty text; a value that is not a text
    // throws RegistryError.
    virtual std::string readString(const std::string &name) = 0;
    virtual void writeString(const std::string &name, const std::string &text) = 0;

    // Writes every value that can be stored, in one write where the store
    // allows; one that cannot keeps its old text. Then throws one
    // RegistryError naming each value that could not be stored.
    using Values = std::vector<std::pair<std::string, std::string>>;
    virtual void writeStrings(const Values &values);

protected:
    // Calls `store` for each value; returns the messages of the
    // RegistryErrors it raised, joined, or nothing when it raised none.
    static std::string storeEach(const Values &values,
                                 const std::function<void(const std::string &, const std::string &)> &store);
};

class SettingsHive {
public:
    virtual ~SettingsHive() = default;
    // Opens `keyPath` (such as "Software\\Dravomel"). Without `create`, a key
    // that does not exist or cannot be opened gives nullptr; with it, the key
    // is made if needed and nullptr means it could neither be opened nor made.
    virtual std::unique_ptr<SettingsKey> openKey(const std::string &keyPath, bool create) = 0;
};

// The hive of the user running the program.
std::unique_ptr<SettingsHive> currentUserHive();

} // namespace core
