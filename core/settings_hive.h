#pragma once
// The current user's stored settings, as registry-like keys holding named
// text values. On Linux one file stands for the key; a Windows build can put
// the real registry behind the same two classes.
#include <memory>
#include <string>

namespace core {

class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // A missing value reads as the empty text; a value that is not a text
    // throws RegistryError.
    virtual std::string readString(const std::string &name) = 0;
    virtual void writeString(const std::string &name, const std::string &text) = 0;
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
