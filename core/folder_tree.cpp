#include "folder_tree.h"

#include "folders.h"
#include "paths.h"

namespace core {

namespace {

// "/" and, on Windows, "C:\" keep their separator: it is the root's.
bool isBareRoot(const std::string &path)
{
    return path.size() == 1 || (kPathSeparator == '\\' && path.size() == 3 && path[1] == ':');
}

std::string withoutTrailingSeparators(std::string path)
{
    while (path.size() > 1 && path.back() == kPathSeparator && !isBareRoot(path))
        path.pop_back();
    return path;
}

// The folders from the drive's root down to `folder`, each as a full path.
std::vector<std::string> chainDownTo(const std::string &drive, const std::string &folder)
{
    std::vector<std::string> chain{drive};
    if (folder.size() <= drive.size())
        return chain;  // the root itself
    std::size_t separator = drive.size() - (drive.back() == kPathSeparator ? 1 : 0);
    while ((separator = folder.find(kPathSeparator, separator + 1)) != std::string::npos)
        chain.push_back(folder.substr(0, separator));
    chain.push_back(folder);
    return chain;
}

} // namespace

FolderTree::FolderTree()
{
    setDirectory(workingFolder());
}

void FolderTree::setDirectory(const std::string &folder)
{
    const std::string path = withoutTrailingSeparators(folder);
    std::string drive = driveOf(path, listDrives());
    if (drive.empty() || !isOnDrive(path, drive))
        drive = path;  // not a full path: shown on its own
    show(drive, path);
}

void FolderTree::setDrive(const std::string &driveRoot)
{
    const auto last = lastOnDrive_.find(driveRoot);
    show(driveRoot, last != lastOnDrive_.end() ? last->second : driveRoot);
}

void FolderTree::open(int row)
{
    if (row >= 0 && row < rowCount())
        show(drive_, rowPath(row));
}

void FolderTree::show(const std::string &drive, const std::string &folder)
{
    drive_ = drive;
    current_ = folder;
    lastOnDrive_[drive_] = current_;
    // A folder that cannot be read, or is gone, simply shows no subfolders.
    chain_ = chainDownTo(drive_, current_);
    subfolders_ = listSubfolders(current_);
}

std::string FolderTree::rowText(int row) const
{
    if (row == 0)
        return chain_.front();
    if (!isOpenFolder(row))
        return subfolders_[static_cast<std::size_t>(row - chainLength())];
    const std::string &path = chain_[static_cast<std::size_t>(row)];
    return path.substr(path.rfind(kPathSeparator) + 1);
}

std::string FolderTree::rowPath(int row) const
{
    if (isOpenFolder(row))
        return chain_[static_cast<std::size_t>(row)];
    return subfolderPath(chain_.back(), subfolders_[static_cast<std::size_t>(row - chainLength())]);
}

} // namespace core
