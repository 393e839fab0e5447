// Both programs write to a console through one place, which gives it the
// characters: in the OEM code page (850) "vidéo" shows as typed, not "vid‚o".
#include "code_page.h"
#include "console_output.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(ConsoleOutputWin32, ConsoleShowsTheTextsCharactersInItsOwnCodePage)
{
    FreeConsole();  // CTest runs each test in a process of its own
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(850);
    const HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, console);
    SetStdHandle(STD_ERROR_HANDLE, console);
    EXPECT_TRUE(writeOutput(core::systemFromWide(L"vid\u00e9o ")) && writeError(core::systemFromWide(L"\u00e9")));
    wchar_t shown[8] = L"";
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, shown, 7, {0, 0}, &read);
    EXPECT_STREQ(shown, L"vid\u00e9o \u00e9");
}
