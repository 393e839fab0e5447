#include "drive_combo_box.h"

#include "folders.h"
#include "list_entries.h"
#include "text.h"

#include <QStyle>


DriveComboBoxWidget::DriveComboBoxWidget(QWidget *parent) : DriveComboBoxWidget(parent, core::listDrives()) {}

DriveComboBoxWidget::DriveComboBoxWidget(QWidget *parent, const std::vector<std::string> &drives)
    : QComboBox(parent), choice_(drives)
{
    giveEntriesRoomForTheirText(this);
    showChoice();
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (choice_.userPicked(index))
            emit changed();
    });
}

void DriveComboBoxWidget::showChoice()
{
    clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const std::string &drive : choice_.drives())
        addItem(icon, toText(drive));
    setCurrentIndex(choice_.chosen());  // activated(), and so changed(), is for the user's choice only
}

void DriveComboBoxWidget::setDrives(const std::vector<std::string> &drives)
{
    choice_.setDrives(drives);
    showChoice();
}

std::string DriveComboBoxWidget::drive() const
{
    return choice_.drive();
}

void DriveComboBoxWidget::setDrive(const std::string &driveRoot)
{
    if (choice_.choose(driveRoot))
        setCurrentIndex(choice_.chosen());
}
