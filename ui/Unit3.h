#pragma once
// The CPS3 settings window: collects the choices for the CPS3 emulator's
// configuration file.
#include "config_template.h"
#include "settings_window.h"

class TForm3 : public SettingsWindow {
public:
    TForm3();

    ui::Label Label4{*this, "Label4"};
    ui::ComboBox ComboBox1{*this, "ComboBox1"};
    ui::Label Label5{*this, "Label5"};
    ui::ComboBox ComboBox2{*this, "ComboBox2"};
    ui::Label Label6{*this, "Label6"};
    ui::Label Label11{*this, "Label11"};
    ui::ComboBox ComboBox3{*this, "ComboBox3"};
    ui::Label Label7{*this, "Label7"};
    ui::ComboBox ComboBox4{*this, "ComboBox4"};
    ui::Bevel Bevel2{*this, "Bevel2"};
    ui::Label Label8{*this, "Label8"};
    ui::Label Label9{*this, "Label9"};
    ui::ComboBox ComboBox5{*this, "ComboBox5"};
    ui::Label Label10{*this, "Label10"};
    ui::ComboBox ComboBox6{*this, "ComboBox6"};
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
