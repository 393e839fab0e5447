#pragma once
// Folders and drives as the file system gives them: names and paths are
// bytes, never decoded, so a name that is not valid UTF-8 comes back exactly.
#include <string>
#include <vector>

namespace core {

// Names of the subfolders of `folder` (hidden ones too; "." and ".." never),
// sorted case-insensitively (ASCII fold, then byte order as tie-break). A
// folder that cannot be read gives an empty list; never throws. Symbolic
// links to folders count as folders.
std::vector<std::string> listSubfolders(const std::string &folder);

// The path of the subfolder `name` of `folder`.
std::string subfolderPath(const std::string &folder, const std::string &name);

// The mounted volumes a person browses, each as its root path ("/", "/home",
// "/media/usb"...), from /proc/self/mounts (fallback /etc/mtab). Sorted.
std::vector<std::string> listDrives();

// The same from a mount table's text (lines of "device mount-point type
// options ..."): no pseudo or in-memory filesystems and no mount point that
// is not a folder; "/" always among them. Sorted, each once.
std::vector<std::string> listDrives(const std::string &mountTable);

// The drive of `folder`: the entry of `drives` that is the longest path
// prefix of it (component-wise, so "/home" is not the drive of "/homework");
// "/" otherwise.
std::string driveOf(const std::string &folder, const std::vector<std::string> &drives);

// True when `folder` is `drive` or lies below it.
bool isOnDrive(const std::string &folder, const std::string &drive);

// The process's working folder as bytes; "/" if it cannot be had.
std::string workingFolder();

} // namespace core
