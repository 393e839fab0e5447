#include "folders.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

#ifndef _WIN32
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace core {

namespace {

unsigned char foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool foldedLess(const std::string &a, const std::string &b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = foldAscii(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldAscii(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    // Same letters: plain byte order keeps the order stable and total.
    return a < b;
}

// The mount table writes space, tab, newline and backslash as \ooo.
std::string unescapeMountPoint(const std::string &field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()
            && std::all_of(field.begin() + static_cast<long>(i) + 1,
                           field.begin() + static_cast<long>(i) + 4,
                           [](char c) { return c >= '0' && c <= '7'; })) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool isUnder(const std::string &path, const std::string &top)
{
    return path == top || path.compare(0, top.size() + 1, top + "/") == 0;
}

// Kernel and desktop plumbing, boot partitions and in-memory scratch space
// (tmpfs: /dev/shm, /run/user/..., a container's own mounts), not volumes a
// person keeps files on.
bool isBrowsable(const std::string &mountPoint, const std::string &type)
{
    static const std::set<std::string> pseudo = {
        "proc", "sysfs", "devtmpfs", "devpts", "cgroup", "cgroup2", "securityfs", "pstore",
        "debugfs", "tracefs", "configfs", "fusectl", "mqueue", "hugetlbfs", "bpf", "binfmt_misc",
        "autofs", "efivarfs", "rpc_pipefs", "nsfs", "selinuxfs", "ramfs", "tmpfs", "squashfs",
        "fuse.gvfsd-fuse", "fuse.portal", "fuse.snapfuse"};
    if (pseudo.count(type))
        return false;
    for (const char *system : {"/proc", "/sys", "/dev", "/boot", "/efi"})
        if (isUnder(mountPoint, system))
            return false;
    return true;
}

} // namespace

std::vector<std::string> listSubfolders(const std::string &folder)
{
    std::vector<std::string> names;
#ifdef _WIN32
    std::error_code error;
    fs::directory_iterator it(fs::path(folder), error), end;
    for (; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError))
            names.push_back(it->path().filename().string());
    }
#else
    // readdir rather than std::filesystem: a folder of a hundred thousand
    // subfolders is listed twice as fast, and names stay plain bytes.
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat info {};  // follows a symbolic link to what it names
            isFolder = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        }
        if (isFolder)
            names.push_back(name);
    }
    ::closedir(dir);
#endif
    std::sort(names.begin(), names.end(), foldedLess);
    return names;
}

std::string subfolderPath(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::vector<std::string> listDrives(const std::string &mountTable)
{
    std::set<std::string> drives = {"/"};
    std::istringstream lines(mountTable);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint, type;
        if (!(fields >> device >> mountPoint >> type))
            continue;
        mountPoint = unescapeMountPoint(mountPoint);
        // A file mounted over another (as containers do for /etc/hosts) is no drive.
        std::error_code error;
        if (!mountPoint.empty() && mountPoint[0] == '/' && isBrowsable(mountPoint, type)
            && fs::is_directory(mountPoint, error))
            drives.insert(mountPoint);
    }
    return {drives.begin(), drives.end()};
}

std::vector<std::string> listDrives()
{
    std::ifstream table("/proc/self/mounts");
    if (!table)
        table.open("/etc/mtab");
    return listDrives(std::string(std::istreambuf_iterator<char>(table), std::istreambuf_iterator<char>()));
}

bool isOnDrive(const std::string &folder, const std::string &drive)
{
    if (drive == "/")
        return !folder.empty() && folder[0] == '/';
    return isUnder(folder, drive);
}

std::string driveOf(const std::string &folder, const std::vector<std::string> &drives)
{
    std::string best = "/";
    for (const std::string &drive : drives)
        if (drive.size() > best.size() && isOnDrive(folder, drive))
            best = drive;
    return best;
}

std::string workingFolder()
{
    std::error_code error;
    const fs::path path = fs::current_path(error);
    return error || path.empty() ? std::string("/") : path.string();
}

} // namespace core
