#include "settings_window.h"

#include "Unit1.h"
#include "captions.h"
#include "drag_strip.h"

SettingsWindow::SettingsWindow(const char *layoutName) : ui::Form(layoutName)
{
    DirectoryListBox1.onMouseDown = [this] { DirectoryListBox1MouseDown(); };
    DriveComboBox1.onChange = [this] { DriveComboBox1Change(); };
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    onClose = [this] { FormClose(); };
    onHitTest = [this](int x, int y, ui::HitTest answer) { return WMNCHitTest(*this, x, y, answer); };
}

void SettingsWindow::replaceMainWindow(const std::string &romFolder)
{
    Form1->hide();
    show();
    Label2.setText(romFolder);
    applyCaptions(*this, Form1->ListBox1);
}

void SettingsWindow::DirectoryListBox1MouseDown()
{
    Label2.setText(DirectoryListBox1.directory());
}

void SettingsWindow::DriveComboBox1Change()
{
    DirectoryListBox1.setDrive(DriveComboBox1.drive());
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
