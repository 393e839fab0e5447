// dravomel-register: gives the current user a stored key whose program
// folder is one of the installed language folders, unless one is set.
//   dravomel-register [--lang fr|en] [--folder DIR] | --help | --version
#include "errors.h"
#include "paths.h"
#include "program_folder.h"
#include "settings_hive.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
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
std::string languageFolder(const std::string &lang)
{
    char self[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin = n > 0 && n < MAX_PATH ? std::string(self, n) : std::string(".\\x");
    bin.erase(bin.rfind('\\'));
    const std::string folder = bin + "\\" DRAVOMEL_LANGUAGE_ROOT_FROM_BIN "\\" + lang;
    char resolved[MAX_PATH];
    const DWORD m = GetFullPathNameA(folder.c_str(), MAX_PATH, resolved, nullptr);
    return m > 0 && m < MAX_PATH ? std::string(resolved, m) : folder;
}
#else
std::string languageFolder(const std::string &lang)
{
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string bin = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : std::string("/usr/bin/x");
    bin.erase(bin.rfind('/'));
    const std::string folder = bin + "/" DRAVOMEL_LANGUAGE_ROOT_FROM_BIN "/" + lang;
    char resolved[PATH_MAX];
    return ::realpath(folder.c_str(), resolved) ? std::string(resolved) : folder;
}
#endif

// Also the source of its manual page (help2man), so every option is listed here.
const char kHelp[] = R"(Usage: dravomel-register [--lang fr|en] [--folder DIR]

Gives the current user a stored key whose program folder is an installed
language folder, so that the first start of dravomel shows its texts: the
Linux menu entry and the first start of the Windows portable folder run it
before dravomel. A program folder already stored is never changed.

  --lang fr|en    the installed French (the default) or English folder
  --folder DIR    DIR instead of an installed language folder; it must hold
                  a LNGFILE
  --help          show this help and exit
  --version       show the version and exit

Exit status: 0 the key was written or was already set; 1 the stored settings
could not be opened or written; 2 bad input (an unknown option or language, a
folder without LNGFILE), and nothing was stored.
)";

int usage()
{
    std::fprintf(stderr, "usage: dravomel-register [--lang fr|en] [--folder DIR]; see --help\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("dravomel-register " DRAVOMEL_VERSION);
        return 0;
    }
    std::string folder = languageFolder("fr");
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--lang") == 0 && hasValue) {
            const std::string lang = argv[++i];
            if (lang != "fr" && lang != "en") {
                std::fprintf(stderr, "dravomel-register: no language \"%s\" (fr or en)\n", lang.c_str());
                return 2;
            }
            folder = languageFolder(lang);
        } else if (std::strcmp(argv[i], "--folder") == 0 && hasValue) {
            folder = argv[++i];
        } else {
            return usage();
        }
    }

    // A program folder without a language file would show a window without
    // texts; better to say so now than store it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(core::inFolder(folder, "LNGFILE"), error)) {
        std::fprintf(stderr, "dravomel-register: %s holds no LNGFILE; nothing stored\n", folder.c_str());
        return 2;
    }

    try {
        const auto hive = core::currentUserHive();
        switch (core::registerProgramFolder(*hive, folder)) {
        case core::Registration::Written:
            std::printf("Program folder set to %s\n", folder.c_str());
            return 0;
        case core::Registration::AlreadySet:
            return 0;
        case core::Registration::KeyUnavailable:
            std::fprintf(stderr, "dravomel-register: the stored settings cannot be opened or created\n");
            return 1;
        }
    } catch (const core::Error &e) {
        std::fprintf(stderr, "dravomel-register: %s\n", e.what());
    }
    return 1;
}
