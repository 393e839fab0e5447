// The command line on a console of its own: what the program prints reads
// right there, accents included, whatever the console's code page.
#include "scratch_folder.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(Console, TheCommandLinePrintsAccentedTextsAsTheConsoleShowsThem)
{
    filetest::ScratchFolder folder;
    const std::wstring text = L"R\u00e9glages de l'\u00e9cran";
    std::string bytes(64, '\0');
    bytes.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], 64,
                                                              nullptr, nullptr) - 1));
    filetest::writeBytes(folder / "LNGFILE", bytes + "\r\n");
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string tests = self;  // the program is built beside the tests' folder
    std::string command = "\"" + tests.substr(0, tests.rfind('\\')) + "\\..\\app\\Dravomel.exe\" check-language \""
                          + folder / "LNGFILE" + "\"";

    FreeConsole();
    ASSERT_TRUE(AllocConsole());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &run));
    WaitForSingleObject(run.hProcess, INFINITE);
    CloseHandle(run.hThread);
    CloseHandle(run.hProcess);
    const HANDLE screen = GetStdHandle(STD_OUTPUT_HANDLE);  // the new console's
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(GetConsoleScreenBufferInfo(screen, &info));
    std::wstring shown(static_cast<std::size_t>(info.dwSize.X) * (info.dwCursorPosition.Y + 1), L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, &shown[0], static_cast<DWORD>(shown.size()), COORD{0, 0}, &read);
    FreeConsole();
    ASSERT_NE(shown.find(L"glages de l'"), std::wstring::npos) << "nothing of it reached the console";
    EXPECT_NE(shown.find(L"\"" + text + L"\""), std::wstring::npos) << "its accents read as other letters";
}
