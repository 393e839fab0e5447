#include "registry_hive_win32.h"

#include "code_page.h"
#include "errors.h"
#include "paths.h"

#include <algorithm>

namespace core {

namespace {

bool isText(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

class RegistryKey : public SettingsKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    // An expandable string reads as its text, unexpanded. Every value is a
    // folder, read in UTF-16 as stored and given in the system code page,
    // in its short form where its name does not fit the code page.
    std::string readString(const std::string &name) override
    {
        const std::wstring wideName = wideFromSystem(name);
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type, nullptr, &size);
        std::wstring data;
        // The value may grow between asking for its size and reading it.
        while (result == ERROR_SUCCESS && isText(type) && data.size() * sizeof(wchar_t) < size) {
            data.resize((size + sizeof(wchar_t) - 1) / sizeof(wchar_t));
            size = static_cast<DWORD>(data.size() * sizeof(wchar_t));
            result = RegQueryValueExW(key_, wideName.c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE *>(&data[0]), &size);
            if (result == ERROR_MORE_DATA)
                result = ERROR_SUCCESS;
        }
        if (result == ERROR_FILE_NOT_FOUND)
            return std::string();
        if (result != ERROR_SUCCESS)
            throw RegistryError("The stored value \"" + name + "\" cannot be read.");
        if (!isText(type))
            throw RegistryError("The stored value \"" + name + "\" is not a text.");
        // The stored bytes need not end with a NUL; the text stops at the first.
        data.resize(size / sizeof(wchar_t));
        data.erase(std::min(data.find(L'\0'), data.size()));
        return systemPathFromWide(data);
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

} // namespace

std::unique_ptr<SettingsKey> RegistryHive::openKey(const std::string &keyPath, bool create)
{
    HKEY key = nullptr;
    const LONG result = create
        ? RegCreateKeyExA(root_, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
        : RegOpenKeyExA(root_, keyPath.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (result != ERROR_SUCCESS)
        return nullptr;
    try {
        return std::make_unique<RegistryKey>(key);
    } catch (...) {
        RegCloseKey(key);
        throw;
    }
}

std::unique_ptr<SettingsHive> currentUserHive()
{
    return std::make_unique<RegistryHive>(HKEY_CURRENT_USER);
}

} // namespace core
