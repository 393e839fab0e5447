#include "Unit2.h"

#include "Unit1.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2() : ui::Form("TForm2")
{
    BitBtn1.onClick = [this] { BitBtn1Click(); };
    BitBtn2.onClick = [this] { BitBtn2Click(); };
    DriveComboBox1.onChange = [this] { DriveComboBox1Change(); };
    Button1.onClick = [this] { Button1Click(); };
}

void TForm2::BitBtn1Click()
{
    Form1->Label6.setText(DirectoryListBox1.directory());
}

void TForm2::BitBtn2Click()
{
    Form1->Label7.setText(DirectoryListBox1.directory());
}

void TForm2::DriveComboBox1Change()
{
    DirectoryListBox1.setDrive(DriveComboBox1.drive());
}

void TForm2::Button1Click()
{
    hide();
}
