#include "layer/drive_combo_box.h"

#include "folders.h"
#include "layer/runtime.h"

#include <algorithm>

namespace ui {

DriveChoice::DriveChoice(std::vector<std::string> drives)
{
    setDrives(std::move(drives));
}

std::string DriveChoice::drive() const
{
    return chosen_ >= 0 ? drives_[static_cast<std::size_t>(chosen_)] : core::driveOf(core::workingFolder(), {});
}

bool DriveChoice::choose(const std::string &driveRoot)
{
    const auto found = std::find_if(drives_.begin(), drives_.end(), [&](const std::string &drive) {
        return drive == driveRoot || (core::isOnDrive(drive, driveRoot) && core::isOnDrive(driveRoot, drive));
    });
    if (found == drives_.end())
        return false;
    chosen_ = static_cast<int>(found - drives_.begin());
    return true;
}

void DriveChoice::setDrives(std::vector<std::string> drives)
{
    const std::string before = chosen_ >= 0 ? drive() : std::string();
    drives_ = std::move(drives);
    chosen_ = -1;
    if (before.empty() || !choose(before))
        choose(core::driveOf(core::workingFolder(), drives_));
}

bool DriveChoice::userPicked(int index)
{
    if (index < 0 || index >= static_cast<int>(drives_.size()) || index == chosen_)
        return false;
    chosen_ = index;
    return true;
}

std::string DriveComboBox::drive() const
{
    return runtime::selectedDrive(impl());
}

void DriveComboBox::setDrive(const std::string &driveRoot)
{
    runtime::setSelectedDrive(impl(), driveRoot);
}

void DriveComboBox::setDrives(const std::vector<std::string> &drives)
{
    runtime::setDriveList(impl(), drives);
}

} // namespace ui
