#pragma once
// The Model 2 settings window: collects the choices for the Model 2
// emulator's configuration file, the texture filtering mode among them.
#include "config_template.h"
#include "config_writer.h"
#include "settings_window.h"
#include "ui_Unit4.h"

class TForm4 : public SettingsWindow, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

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
