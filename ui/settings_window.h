#pragma once
// What the CPS3 and Model 2 settings windows share: they open in place of the
// main window, take the ROM folder from their folder list, save and close or
// cancel, and closing either one ends the program.
#include "layer/controls.h"
#include "safe_file.h"

class SettingsWindow : public ui::Form {
public:
    // The controls both layouts have, under the same names: background,
    // emblem, title, ROM folder heading and folder, folder list and drive,
    // the separator above the buttons, save and cancel.
    ui::Image Image1{*this, "Image1"};
    ui::Image Image2{*this, "Image2"};
    ui::Label Label1{*this, "Label1"};
    ui::Label Label3{*this, "Label3"};
    ui::Label Label2{*this, "Label2"};
    ui::DirectoryListBox DirectoryListBox1{*this, "DirectoryListBox1"};
    ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1"};
    ui::Bevel Bevel1{*this, "Bevel1"};
    ui::Button Button1{*this, "Button1"};
    ui::Button Button2{*this, "Button2"};

    void DirectoryListBox1MouseDown();
    void DriveComboBox1Change();
    void Button1Click();
    void Button2Click();
    void FormClose();

    // How the configuration's bytes reach the disk; empty for plain writes.
    // Tests set one that fails part way, as a full disk does.
    core::WriteChunk writeChunk;

protected:
    explicit SettingsWindow(const char *layoutName);

    // The first opening steps: the main window hides, this one shows, and the
    // ROM folder gets its first text; then the texts of the language table.
    void replaceMainWindow(const std::string &romFolder);

    // Writes this emulator's configuration from the controls as they are now;
    // throws if the file cannot be written.
    virtual void writeConfiguration() = 0;
};

// Which drop-down holds which choice: a settings window shows its presets in
// them as it opens and reads them back as it saves.
template <typename Window, typename Choices>
struct ChoiceList {
    ui::ComboBox Window::*list;
    int Choices::*choice;
};
