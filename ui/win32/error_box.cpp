// The standard error box: the system's own, with the error icon, titled
// with the application's title.
#include "impl.h"

void ui::runtime::showErrorBox(const std::string &message)
{
    // Modal to the window in front; at start-up, before any is shown, to
    // every window of the program.
    const HWND owner = GetActiveWindow();
    MessageBoxA(owner, message.c_str(), win32::applicationTitle().c_str(),
                MB_OK | MB_ICONERROR | (owner ? 0 : MB_TASKMODAL));
}
