#pragma once
// The emulator folder picker: an ordinary framed dialog that hands folders
// to the main window.
#include "layer/controls.h"

class TForm2 : public ui::Form {
public:
    TForm2();

    ui::DirectoryListBox DirectoryListBox1{*this, "DirectoryListBox1"};
    ui::DriveComboBox DriveComboBox1{*this, "DriveComboBox1"};
    ui::BitBtn BitBtn1{*this, "BitBtn1"};
    ui::BitBtn BitBtn2{*this, "BitBtn2"};
    ui::Button Button1{*this, "Button1"};

    void BitBtn1Click();
    void BitBtn2Click();
    void DriveComboBox1Change();
    void Button1Click();
};

extern TForm2 *Form2;
