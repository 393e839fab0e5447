// dravomel-register: gives the current user a stored key whose program
// folder is one of the shipped language folders, unless one is set.
//   dravomel-register [--lang fr|en] [--folder DIR] | --help | --version
#include "console_output.h"
#include "errors.h"
#include "language_table.h"
#include "paths.h"
#include "program_folder.h"
#include "settings_hive.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

// Where the language folders are installed, seen from the program's own
// folder, so that the package works wherever its prefix is.
#ifndef DRAVOMEL_LANGUAGE_ROOT_FROM_BIN
#define DRAVOMEL_LANGUAGE_ROOT_FROM_BIN "../share/dravomel"
#endif

namespace {

#ifdef _WIN32
std::string realPath(const std::string &path)
{
    char resolved[MAX_PATH];
    const DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, resolved, nullptr);
    return n > 0 && n < MAX_PATH ? std::string(resolved, n) : path;
}

// The folder this program is in.
std::string programFolder()
{
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::string bin = n > 0 && n < MAX_PATH ? core::systemPathFromWide(std::wstring(self, n)) : std::string(".\\x");
    bin.erase(bin.rfind('\\'));
    return bin;
}
#else
std::string realPath(const std::string &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string programFolder()
{
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string bin = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string("/usr/bin/x");
    bin.erase(bin.rfind('/'));
    return bin;
}
#endif

// The installed language folders; run from its build folder, the program
// takes the source tree's instead, since nothing is installed there.
std::vector<std::string> languageRoots()
{
    const std::string bin = programFolder();
    std::vector<std::string> roots{realPath(core::inFolder(bin, DRAVOMEL_LANGUAGE_ROOT_FROM_BIN))};
#if defined(DRAVOMEL_BUILD_BIN_DIR) && defined(DRAVOMEL_SOURCE_LANGUAGE_ROOT)
    if (realPath(bin) == realPath(DRAVOMEL_BUILD_BIN_DIR))
        roots.push_back(DRAVOMEL_SOURCE_LANGUAGE_ROOT);
#endif
    return roots;
}

// Also the source of its manual page (help2man), so every option is listed here.
const char kHelp[] = R"(Usage: dravomel-register [--lang fr|en] [--folder DIR]

Gives the current user a stored key whose program folder is a shipped
language folder, so that the first start of dravomel shows its texts: the
Linux menu entry and the Windows portable folder's first start run it before
dravomel. A program folder already stored is never changed; a folder without
a language file is refused.

  --lang fr|en    the installed French (the default) or English folder
  --folder DIR    DIR instead of an installed language folder
  --help          show this help and exit
  --version       show the version and exit

Exit status: 0 the key was written or was already set; 1 the stored settings
could not be opened or written; 2 bad input.
)";

int usage()
{
    writeError("usage: dravomel-register [--lang fr|en] [--folder DIR]; see --help\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        writeOutput(kHelp);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        writeOutput("dravomel-register " DRAVOMEL_VERSION "\n");
        return 0;
    }
    std::string lang = "fr";
    std::string folder;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--lang") == 0 && hasValue) {
            lang = argv[++i];
            if (lang != "fr" && lang != "en") {
                writeError("dravomel-register: no language \"" + lang + "\" (fr or en)\n");
                return 2;
            }
        } else if (std::strcmp(argv[i], "--folder") == 0 && hasValue) {
            folder = argv[++i];
        } else {
            return usage();
        }
    }
    if (folder.empty()) {
        folder = core::shippedLanguageFolder(languageRoots(), lang);
        if (folder.empty()) {
            writeError("dravomel-register: no shipped language folder \"" + lang
                       + "\" found; give one with --folder DIR\n");
            return 2;
        }
        folder = realPath(folder);
    }

    try {
        const auto hive = core::currentUserHive();
        std::string stored;
        switch (core::registerProgramFolder(*hive, folder, stored)) {
        case core::Registration::Written:
            writeOutput("Program folder set to " + stored + "\n");
            return 0;
        case core::Registration::AlreadySet:
            writeOutput("Program folder already set to " + stored + "; it was kept\n");
            return 0;
        case core::Registration::NoLanguageFile:
            writeError("dravomel-register: " + folder + " holds no language file (" + core::kLanguageFileName
                       + "); nothing was stored\n");
            return 2;
        case core::Registration::KeyUnavailable:
            writeError("dravomel-register: the stored settings cannot be opened or created\n");
            return 1;
        }
    } catch (const core::Error &e) {
        writeError(std::string("dravomel-register: ") + e.what() + "\n");
    }
    return 1;
}
