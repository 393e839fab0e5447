#include "drive_combo.h"

#include "folders.h"
#include "list_entries.h"
#include "text.h"

#include <QStyle>


TDriveComboBox::TDriveComboBox(QWidget *parent) : TDriveComboBox(parent, core::listDrives()) {}

TDriveComboBox::TDriveComboBox(QWidget *parent, const std::vector<std::string> &drives)
    : QComboBox(parent), choice_(drives)
{
    giveEntriesRoomForTheirText(this);
    showChoice();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (choice_.userPicked(index))
            emit changed();
    });
}

void TDriveComboBox::showChoice()
{
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const std::string &drive : choice_.drives())
        addItem(icon, toText(drive));
    setCurrentIndex(choice_.chosen());  // activated(), and so changed(), is for the user's choice only
}

void TDriveComboBox::setDrives(const std::vector<std::string> &drives)
{
    choice_.setDrives(drives);
    showChoice();
}

std::string TDriveComboBox::drive() const
{
    return choice_.drive();
}

void TDriveComboBox::setDrive(const std::string &driveRoot)
{
    if (choice_.choose(driveRoot))
        setCurrentIndex(choice_.chosen());
}
