// On Windows the stored settings live in the real registry, under the
// current user's hive.
#ifdef _WIN32

#include "errors.h"
#include "settings_hive.h"

#include <windows.h>

namespace core {

namespace {

class RegistryKey : public SettingsKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }

    std::string readString(const std::string &name) override
    {
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size);
        if (result == ERROR_FILE_NOT_FOUND)
            return std::string();
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            throw RegistryError("The stored value \"" + name + "\" is not a text.");
        std::string text(size, '\0');
        result = RegQueryValueExA(key_, name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE *>(&text[0]), &size);
        if (result != ERROR_SUCCESS)
            throw RegistryError("The stored value \"" + name + "\" cannot be read.");
        text.resize(size);
        while (!text.empty() && text.back() == '\0')
            text.pop_back();
        return text;
    }

    void writeString(const std::string &name, const std::string &text) override
    {
        const LONG result = RegSetValueExA(key_, name.c_str(), 0, REG_SZ,
                                           reinterpret_cast<const BYTE *>(text.c_str()),
                                           static_cast<DWORD>(text.size() + 1));
        if (result != ERROR_SUCCESS)
            throw RegistryError("The stored value \"" + name + "\" cannot be written.");
    }

private:
    HKEY key_;
};

class CurrentUserRegistry : public SettingsHive {
public:
    std::unique_ptr<SettingsKey> openKey(const std::string &keyPath, bool create) override
    {
        HKEY key = nullptr;
        const LONG result = create
            ? RegCreateKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0,
                              KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
            : RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
        if (result != ERROR_SUCCESS)
            return nullptr;
        return std::make_unique<RegistryKey>(key);
    }
};

} // namespace

std::unique_ptr<SettingsHive> currentUserHive()
{
    return std::make_unique<CurrentUserRegistry>();
}

} // namespace core

#endif
