#pragma once
// The Model 2 settings window: collects the choices for the Model 2
// emulator's configuration file, the texture filtering mode among them.
#include "config_template.h"
#include "config_writer.h"
#include "settings_window.h"

class TForm4 : public SettingsWindow {
public:
    TForm4();

    ui::Label Label4{*this, "Label4"};
    ui::ComboBox ComboBox1{*this, "ComboBox1"};
    ui::Label Label5{*this, "Label5"};
    ui::ComboBox ComboBox2{*this, "ComboBox2"};
    ui::Label Label6{*this, "Label6"};
    ui::ComboBox ComboBox3{*this, "ComboBox3"};
    ui::Label Label7{*this, "Label7"};
    ui::ComboBox ComboBox4{*this, "ComboBox4"};
    ui::Bevel Bevel2{*this, "Bevel2"};
    ui::Label Label8{*this, "Label8"};
    ui::Button Button3{*this, "Button3"};
    ui::Button Button4{*this, "Button4"};
    ui::Button Button5{*this, "Button5"};
    ui::Label Label9{*this, "Label9"};
    ui::ComboBox ComboBox5{*this, "ComboBox5"};
    ui::Label Label10{*this, "Label10"};
    ui::Label Label11{*this, "Label11"};
    ui::ComboBox ComboBox6{*this, "ComboBox6"};
    ui::Label Label12{*this, "Label12"};
    ui::ComboBox ComboBox7{*this, "ComboBox7"};
    ui::Label Label13{*this, "Label13"};
    ui::ComboBox ComboBox8{*this, "ComboBox8"};
    // The configuration file's lines, kept for the whole run; never shown.
    core::ConfigTemplate ListBox1 = core::ConfigTemplate::model2();

    // Run by the main window's emulator emblem and link.
    void OpenFromMainWindow();

    void Button3Click();
    void Button4Click();
    void Button5Click();

protected:
    void writeConfiguration() override;

private:
    void setFilteringMode(core::FilteringMode mode);
};

extern TForm4 *Form4;
