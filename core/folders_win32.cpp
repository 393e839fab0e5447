// Folders and drives on Windows. The ANSI functions give names as bytes in
// the system code page, exactly as the rest of the program holds texts.
// Drives are roots such as "C:\"; a path is on a drive when it starts with
// that root, the letter in either case.
#include "folders.h"

#include <windows.h>

#include <algorithm>

namespace core {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string withoutTrailingSeparators(std::string path)
{
    while (!path.empty() && isSeparator(path.back()))
        path.pop_back();
    return path;
}

// Names in the order a Windows user sees them: the user's locale, ignoring
// case; equal names fall back to byte order so the order is total.
bool namesLess(const std::string &a, const std::string &b)
{
    const int order = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                     static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    if (order == CSTR_LESS_THAN || order == CSTR_GREATER_THAN)
        return order == CSTR_LESS_THAN;
    return a < b;
}

} // namespace

std::vector<std::string> listSubfolders(const std::string &folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    // Hidden and system folders are listed too; a folder that cannot be
    // read gives no handle and so no subfolders. A drive without a medium
    // (an empty card slot) is such a folder: Windows is told not to ask for
    // a disk in a box of its own, for this thread and this call only.
    DWORD errorMode = 0;
    const bool quiet = SetThreadErrorMode(GetThreadErrorMode() | SEM_FAILCRITICALERRORS, &errorMode);
    const HANDLE search = FindFirstFileExA(subfolderPath(folder, "*").c_str(), FindExInfoBasic, &entry,
                                           FindExSearchLimitToDirectories, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH);
    if (quiet)
        SetThreadErrorMode(errorMode, nullptr);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end(), namesLess);
    return names;
}

std::string subfolderPath(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && isSeparator(folder.back()))
        return folder + name;
    return folder + "\\" + name;
}

std::vector<std::string> listDrives()
{
    std::string buffer(GetLogicalDriveStringsA(0, nullptr) + 1, '\0');
    buffer.resize(std::min<std::size_t>(
        GetLogicalDriveStringsA(static_cast<DWORD>(buffer.size()), &buffer[0]), buffer.size()));
    // "A:\<NUL>C:\<NUL>...": one root per piece.
    std::vector<std::string> drives;
    for (std::size_t start = 0; start < buffer.size();) {
        const std::size_t end = std::min(buffer.find('\0', start), buffer.size());
        if (end > start)
            drives.push_back(buffer.substr(start, end - start));
        start = end + 1;
    }
    if (drives.empty())
        drives.push_back(driveOf(workingFolder(), {}));
    return drives;
}

bool isOnDrive(const std::string &folder, const std::string &drive)
{
    const std::string root = withoutTrailingSeparators(drive);
    if (root.empty() || folder.size() < root.size())
        return false;
    for (std::size_t i = 0; i < root.size(); ++i)
        if (upperAscii(folder[i]) != upperAscii(root[i]))
            return false;
    return folder.size() == root.size() || isSeparator(folder[root.size()]);
}

std::string driveOf(const std::string &folder, const std::vector<std::string> &drives)
{
    std::string best;
    for (const std::string &drive : drives)
        if (drive.size() > best.size() && isOnDrive(folder, drive))
            best = drive;
    if (best.empty() && folder.size() >= 2 && folder[1] == ':')
        best = folder.substr(0, 2) + "\\";  // a drive letter not (or no longer) listed
    return best;
}

std::string workingFolder()
{
    std::string path(GetCurrentDirectoryA(0, nullptr) + 1, '\0');
    path.resize(std::min<std::size_t>(GetCurrentDirectoryA(static_cast<DWORD>(path.size()), &path[0]),
                                      path.size() - 1));
    return path.empty() ? std::string("C:\\") : path;
}

} // namespace core
