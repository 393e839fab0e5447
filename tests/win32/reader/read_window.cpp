// Reads the shown Dravomel window of another process as a screen reader does
// (Active Accessibility): what a user of the installed program sees and can
// do, checked from outside it.
//   read_window [SECONDS]
//     the names of what the first shown window holds, one a line, in UTF-8;
//   read_window --tree TITLE [ROLE NAME]
//     role, name and "acts" if it has a default action, for each thing in
//     the shown window of that title, tab-separated; then does the default
//     action of the first of that role and name.
// It waits for the window up to SECONDS (20 if not given; 30 for --tree).
// Exit status: 0 read, 1 no window shown in time, 2 the window told nothing,
// 3 nothing of that role and name, or its action failed.
#include "impl.h"

#include <oleacc.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

std::wstring wanted;  // the title looked for; empty for any

BOOL CALLBACK takeIfShownForm(HWND hwnd, LPARAM found)
{
    if (!IsWindowVisible(hwnd) || !win32::isFormWindow(hwnd))
        return TRUE;
    wchar_t title[256] = L"";
    GetWindowTextW(hwnd, title, 256);
    if (!wanted.empty() && wanted != title)
        return TRUE;
    *reinterpret_cast<HWND *>(found) = hwnd;
    return FALSE;
}

std::string utf8(const wchar_t *text, int length)
{
    char bytes[4096];
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, bytes, sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<size_t>(size));
}

std::string utf8(const wchar_t *text)
{
    return utf8(text, static_cast<int>(wcslen(text)));
}

// A text the object gives, freed; empty when it gives none.
template <typename Getter>
std::string said(Getter get)
{
    BSTR text = nullptr;
    if (FAILED(get(&text)) || !text)
        return {};
    const std::string result = utf8(text, static_cast<int>(SysStringLen(text)));
    SysFreeString(text);
    return result;
}

// The words of the AT-SPI roles, so both systems read alike.
const char *roleName(LONG role)
{
    switch (role) {
    case ROLE_SYSTEM_LINK:
        return "link";
    case ROLE_SYSTEM_PUSHBUTTON:
        return "push button";
    case ROLE_SYSTEM_STATICTEXT:
        return "label";
    case ROLE_SYSTEM_COMBOBOX:
        return "combo box";
    case ROLE_SYSTEM_LIST:
        return "list";
    default:
        return "other";
    }
}

// Reads child n of `client`: the object and id that stand for it.
void childOf(IAccessible *client, LONG n, IAccessible *&object, VARIANT &id)
{
    id.vt = VT_I4;
    id.lVal = n;
    object = client;
    IDispatch *dispatch = nullptr;
    if (client->get_accChild(id, &dispatch) == S_OK && dispatch) {
        IAccessible *own = nullptr;
        if (SUCCEEDED(dispatch->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void **>(&own)))) {
            object = own;
            id.lVal = CHILDID_SELF;
        }
        dispatch->Release();
    }
}

int readTree(IAccessible *client, LONG count, const char *role, const std::string &name)
{
    bool pressed = !role;
    for (LONG n = 1; n <= count; ++n) {
        IAccessible *object = nullptr;
        VARIANT id;
        childOf(client, n, object, id);
        VARIANT kind;
        VariantInit(&kind);
        object->get_accRole(id, &kind);
        const std::string text = said([&](BSTR *out) { return object->get_accName(id, out); });
        const char *roleText = roleName(kind.vt == VT_I4 ? kind.lVal : 0);
        const bool acts = !said([&](BSTR *out) { return object->get_accDefaultAction(id, out); }).empty();
        std::printf("%s\t%s\t%s\n", roleText, text.c_str(), acts ? "acts" : "");
        if (!pressed && std::strcmp(role, roleText) == 0 && text == name)
            pressed = SUCCEEDED(object->accDoDefaultAction(id));
        if (object != client)
            object->Release();
    }
    if (!pressed)
        std::fprintf(stderr, "read_window: no %s \"%s\" to press\n", role, name.c_str());
    return pressed ? 0 : 3;
}

} // namespace

int main(int argc, char **argv)
{
    const bool tree = argc > 2 && std::strcmp(argv[1], "--tree") == 0;
    // The title, role and name as given, whatever the code page of argv.
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string role, name;
    if (tree && wide && count == argc) {
        wanted = wide[2];
        if (argc > 4) {
            role = utf8(wide[3]);
            name = utf8(wide[4]);
        }
    }
    const int seconds = tree ? 30 : argc > 1 ? std::atoi(argv[1]) : 20;
    HWND form = nullptr;
    for (int waited = 0; EnumWindows(takeIfShownForm, reinterpret_cast<LPARAM>(&form)) && waited < seconds * 10;
         ++waited)
        Sleep(100);
    if (!form) {
        std::fprintf(stderr, "read_window: no Dravomel window %s shown after %d s\n", tree ? utf8(wanted.c_str()).c_str() : "", seconds);
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible *client = nullptr;
    LONG children = 0;
    if (FAILED(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&client)))
        || FAILED(client->get_accChildCount(&children)) || children == 0) {
        std::fprintf(stderr, "read_window: the window told nothing of what it shows\n");
        return 2;
    }
    int status = 0;
    if (tree) {
        status = readTree(client, children, role.empty() ? nullptr : role.c_str(), name);
    } else {
        for (LONG child = 1; child <= children; ++child) {
            VARIANT id;
            id.vt = VT_I4;
            id.lVal = child;
            std::printf("%s\n", said([&](BSTR *out) { return client->get_accName(id, out); }).c_str());
        }
    }
    client->Release();
    CoUninitialize();
    return status;
}
