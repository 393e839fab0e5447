#pragma once
// What a folder tree list shows, whatever draws it: the drive's root, each
// folder down to the current one (open folders), then the current folder's
// subfolders (closed folders), each level one indent step further. It keeps
// the folder last shown on each drive. Paths are bytes, as in folders.h.
#include <map>
#include <string>
#include <vector>

namespace core {

class FolderTree {
public:
    // Starts at the process's working folder.
    FolderTree();

    // The current folder, a full path as the file system spells it.
    const std::string &directory() const { return current_; }
    // The root of the drive shown.
    const std::string &drive() const { return drive_; }

    // Shows `folder` on its drive (a trailing separator is dropped).
    void setDirectory(const std::string &folder);
    // Shows the folder last current on that drive, or its root.
    void setDrive(const std::string &driveRoot);
    // Makes the folder of `row` current (a double click); a row that does
    // not exist changes nothing.
    void open(int row);

    int rowCount() const { return static_cast<int>(chain_.size() + subfolders_.size()); }
    // The rows from the root down to the current folder; the current
    // folder's row is the last of them.
    int chainLength() const { return static_cast<int>(chain_.size()); }
    bool isOpenFolder(int row) const { return row < chainLength(); }
    // The root by its path, every other folder by its name.
    std::string rowText(int row) const;
    std::string rowPath(int row) const;
    // Indent steps: the root is at 0, the subfolders one below the current folder.
    int rowLevel(int row) const { return isOpenFolder(row) ? row : chainLength(); }

private:
    void show(const std::string &drive, const std::string &folder);

    std::string drive_;
    std::string current_;
    std::vector<std::string> chain_;
    std::vector<std::string> subfolders_;  // names
    std::map<std::string, std::string> lastOnDrive_;
};

} // namespace core
