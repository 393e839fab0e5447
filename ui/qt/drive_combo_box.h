#pragma once
// The drive drop-down: the mounted volumes a person browses, each by its
// root path; starts at the drive of the working folder.
#include "layer/drive_combo_box.h"

#include <QComboBox>

#include <string>
#include <vector>

class DriveComboBoxWidget : public QComboBox {
    Q_OBJECT

public:
    explicit DriveComboBoxWidget(QWidget *parent = nullptr);  // the system's drives
    DriveComboBoxWidget(QWidget *parent, const std::vector<std::string> &drives);

    // Lists these drives instead, keeping the selected one where it is still listed.
    void setDrives(const std::vector<std::string> &drives);

    // Root path of the selected drive.
    std::string drive() const;
    // Selects without emitting changed().
    void setDrive(const std::string &driveRoot);

signals:
    // The user chose another drive.
    void changed();

private:
    // Lists the choice's drives, its chosen one shown.
    void showChoice();

    ui::DriveChoice choice_;
};
