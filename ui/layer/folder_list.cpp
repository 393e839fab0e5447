#include "layer/folder_list.h"

#include "layer/runtime.h"

namespace ui {

void folder_list::userOpens(const core::FolderTree &tree, int row, const std::function<void(int row)> &open,
                            const std::function<void()> &reportPress)
{
    if (row >= 0 && row < tree.rowCount())
        open(row);
    if (reportPress)
        reportPress();
}

std::string DirectoryListBox::directory() const
{
    return runtime::folderListDirectory(impl());
}

void DirectoryListBox::setDirectory(const std::string &folder)
{
    runtime::setFolderListDirectory(impl(), folder);
}

void DirectoryListBox::setDrive(const std::string &driveRoot)
{
    runtime::setFolderListDrive(impl(), driveRoot);
}

} // namespace ui
