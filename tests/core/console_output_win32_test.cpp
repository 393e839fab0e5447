// Both programs write to a console through one place: a console is given the
// characters of a text, so a console in the OEM code page (850 here) shows
// "vidéo" as typed, where the text's bytes would show as "vid‚o".
#include "code_page.h"
#include "console_output.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The line the console's cursor stands on, and the one above it.
std::wstring lineAboveCursor(HANDLE console)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(console, &info) || info.dwCursorPosition.Y == 0)
        return std::wstring();
    std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(console, line.data(), static_cast<DWORD>(line.size()),
                                {0, static_cast<SHORT>(info.dwCursorPosition.Y - 1)}, &read);
    line.resize(read);
    return line.substr(0, line.find_last_not_of(L' ') + 1);
}

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

    const std::wstring text = L"Jeux vid\u00e9o";
    EXPECT_TRUE(writeOutput(core::systemFromWide(L"out: " + text + L"\n")));
    EXPECT_EQ(lineAboveCursor(console), L"out: " + text);
    EXPECT_TRUE(writeError(core::systemFromWide(L"err: " + text + L"\n")));
    EXPECT_EQ(lineAboveCursor(console), L"err: " + text);

    CloseHandle(console);
    FreeConsole();
    SetStdHandle(STD_OUTPUT_HANDLE, savedOut);
    SetStdHandle(STD_ERROR_HANDLE, savedErr);
}

} // namespace
