// Reads the shown Dravomel window of another process as a screen reader does
// (Active Accessibility), one line per text in UTF-8: what a user of the
// installed program sees, checked from outside it.
//   read_window [seconds to wait for the window, 20 if not given]
// Exit status: 0 read, 1 no window shown in time, 2 the window told nothing.
#include "win32_impl.h"

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BOOL CALLBACK takeIfShownForm(HWND hwnd, LPARAM found)
{
    if (!IsWindowVisible(hwnd) || !win32::isFormWindow(hwnd))
        return TRUE;
    *reinterpret_cast<HWND *>(found) = hwnd;
    return FALSE;
}

std::string utf8(BSTR text)
{
    char bytes[4096];
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(SysStringLen(text)), bytes,
                                           sizeof bytes, nullptr, nullptr);
    return std::string(bytes, static_cast<size_t>(length));
}

} // namespace

int main(int argc, char **argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
    HWND form = nullptr;
    for (int waited = 0; EnumWindows(takeIfShownForm, reinterpret_cast<LPARAM>(&form)) && waited < seconds * 10;
         ++waited)
        Sleep(100);
    if (!form) {
        std::fprintf(stderr, "read_window: no Dravomel window shown after %d s\n", seconds);
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible *client = nullptr;
    LONG count = 0;
    if (FAILED(AccessibleObjectFromWindow(form, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&client)))
        || FAILED(client->get_accChildCount(&count)) || count == 0) {
        std::fprintf(stderr, "read_window: the window told nothing of what it shows\n");
        return 2;
    }
    for (LONG child = 1; child <= count; ++child) {
        VARIANT id;
        id.vt = VT_I4;
        id.lVal = child;
        BSTR name = nullptr;
        if (SUCCEEDED(client->get_accName(id, &name)) && name) {
            std::printf("%s\n", utf8(name).c_str());
            SysFreeString(name);
        }
    }
    client->Release();
    CoUninitialize();
    return 0;
}
