#pragma once
// The main window: shows the program folder and both emulators, holds the
// language table and the emulator folders for the whole run, and leads to
// the folder picker and the two settings windows.
#include "language_table.h"
#include "layer/controls.h"

class TForm1 : public ui::Form {
public:
    TForm1();

    ui::Image Image1{*this, "Image1"};
    ui::Image Image4{*this, "Image4"};
    ui::Image Image5{*this, "Image5"};
    ui::Image Image2{*this, "Image2"};
    ui::Image Image3{*this, "Image3"};
    ui::Label Label10{*this, "Label10"};
    ui::Label Label1{*this, "Label1"};
    ui::Label Label4{*this, "Label4"};
    ui::Label Label8{*this, "Label8"};
    ui::Label Label6{*this, "Label6"};
    ui::Label Label3{*this, "Label3"};
    ui::Label Label5{*this, "Label5"};
    ui::Label Label9{*this, "Label9"};
    ui::Label Label7{*this, "Label7"};
    // The language table, loaded once at start; never shown.
    core::LanguageTable ListBox1;

    void FormCreate();
    void FormClose();
    void Image4Click();
    void Label1Click();
    void Image5Click();
    void Label3Click();
    void Image2Click();
    void Image3Click();
};

extern TForm1 *Form1;
