// dravomel-register: gives the current user a stored key whose program
// folder is one of the installed language folders, unless one is set.
//   dravomel-register [--lang fr|en] [--folder DIR]
#include "errors.h"
#include "program_folder.h"
#include "settings_hive.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

// Where the language folders are installed, seen from the program's own
// folder, so that the package works wherever its prefix is.
#ifndef DRAVOMEL_LANGUAGE_ROOT_FROM_BIN
#define DRAVOMEL_LANGUAGE_ROOT_FROM_BIN "../share/dravomel"
#endif

namespace {

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

int usage()
{
    std::fprintf(stderr, "usage: dravomel-register [--lang fr|en] [--folder DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
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
