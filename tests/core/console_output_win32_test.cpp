// Both programs write to a console through one place, which gives a console
// the characters of a text: in the OEM code page (850 here) "vidéo" shows as
// typed, where the text's bytes would show as "vid‚o".
#include "code_page.h"
#include "console_output.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(ConsoleOutputWin32, ConsoleShowsTheTextsCharactersInItsOwnCodePage)
{
    const HANDLE savedOut = GetStdHandle(STD_OUTPUT_HANDLE), savedErr = GetStdHandle(STD_ERROR_HANDLE);
    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    SetConsoleOutputCP(850);
    const HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
    SetStdHandle(STD_OUTPUT_HANDLE, console);
    SetStdHandle(STD_ERROR_HANDLE, console);
    EXPECT_TRUE(writeOutput(core::systemFromWide(L"out vid\u00e9o\n")));
    EXPECT_TRUE(writeError(core::systemFromWide(L"err vid\u00e9o\n")));
    wchar_t shown[20] = L"";
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, shown, 9, {0, 0}, &read);
    ReadConsoleOutputCharacterW(console, shown + 9, 9, {0, 1}, &read);
    EXPECT_STREQ(shown, L"out vid\u00e9oerr vid\u00e9o");
    CloseHandle(console);
    FreeConsole();
    SetStdHandle(STD_OUTPUT_HANDLE, savedOut);
    SetStdHandle(STD_ERROR_HANDLE, savedErr);
}
