#pragma once
// The CPS3 settings window: collects the choices for the CPS3 emulator's
// configuration file.
#include "config_template.h"
#include "settings_window.h"
#include "ui_Unit3.h"

class TForm3 : public SettingsWindow, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The configuration file's lines, kept for the whole run; never shown.
    core::ConfigTemplate ListBox1 = core::ConfigTemplate::cps3();

    // Run by the main window's emulator emblem and link.
    void OpenFromMainWindow();

    void ComboBox5Change();
    void ComboBox6Change();

protected:
    void writeConfiguration() override;
};

extern TForm3 *Form3;
