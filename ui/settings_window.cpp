#include "settings_window.h"

#include "Unit1.h"
#include "components.h"
#include "drive_combo.h"
#include "drop_down.h"
#include "folder_list.h"
#include "handler_guard.h"
#include "skinned_window.h"
#include "text.h"

#include <QCloseEvent>
#include <QPushButton>

SettingsWindow::SettingsWindow(QWidget *parent) : QWidget(parent) {}

void SettingsWindow::setUpShared(const SharedControls &controls)
{
    shared_ = controls;
    new SkinnedWindow(this, controls.Image1);  // owned by the window

    connect(controls.DirectoryListBox1, &TDirectoryListBox::mouseDown, this,
            guarded([this] { DirectoryListBox1MouseDown(); }));
    connect(controls.DriveComboBox1, &TDriveComboBox::changed, this,
            guarded([this] { DriveComboBox1Change(); }));
    connect(controls.Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    connect(controls.Button2, &QPushButton::clicked, this, guarded([this] { Button2Click(); }));
}

void SettingsWindow::replaceMainWindow(const QString &romFolder)
{
    Form1->hide();
    show();
    shared_.Label2->setText(romFolder);
}

void SettingsWindow::DirectoryListBox1MouseDown()
{
    shared_.Label2->setText(toText(shared_.DirectoryListBox1->directory()));
}

void SettingsWindow::DriveComboBox1Change()
{
    shared_.DirectoryListBox1->setDrive(shared_.DriveComboBox1->drive());
}

void SettingsWindow::Button1Click()
{
    close();
}

void SettingsWindow::Button2Click()
{
    writeConfiguration();
    close();  // not reached when the write failed: the window stays for another try
}

void SettingsWindow::FormClose()
{
    Form1->close();
}

void SettingsWindow::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { FormClose(); });
    event->accept();
}

#ifdef Q_OS_WIN
bool SettingsWindow::nativeEvent(const QByteArray &, void *message, qintptr *result)
{
    return WMNCHitTest(this, message, result);
}
#endif
