#include "drive_combo.h"

#include "folders.h"
#include "list_entries.h"
#include "text.h"

#include <QStyle>

#include <algorithm>

TDriveComboBox::TDriveComboBox(QWidget *parent) : TDriveComboBox(parent, core::listDrives()) {}

TDriveComboBox::TDriveComboBox(QWidget *parent, const std::vector<std::string> &drives) : QComboBox(parent)
{
    giveEntriesRoomForTheirText(this);
    setDrives(drives);
    setDrive(core::driveOf(core::workingFolder(), drives));
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index == chosen_)
            return;
        chosen_ = index;
        emit changed();
    });
}

void TDriveComboBox::setDrives(const std::vector<std::string> &drives)
{
    const std::string selected = drive();
    drives_ = drives;
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const std::string &drive : drives_)
        addItem(icon, toText(drive));
    chosen_ = currentIndex();
    setDrive(selected);
}

std::string TDriveComboBox::drive() const
{
    const int index = currentIndex();
    return index >= 0 ? drives_[static_cast<std::size_t>(index)] : std::string("/");
}

void TDriveComboBox::setDrive(const std::string &driveRoot)
{
    const auto found = std::find(drives_.begin(), drives_.end(), driveRoot);
    if (found == drives_.end())
        return;
    chosen_ = static_cast<int>(found - drives_.begin());
    setCurrentIndex(chosen_);  // activated(), and so changed(), is for the user's choice only
}
