#include "Unit1.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "captions.h"
#include "drag_strip.h"
#include "paths.h"
#include "stored_settings.h"

TForm1 *Form1 = nullptr;

TForm1::TForm1() : ui::Form("TForm1")
{
    Image4.onClick = [this] { Image4Click(); };
    Label1.onClick = [this] { Label1Click(); };
    Image5.onClick = [this] { Image5Click(); };
    Label3.onClick = [this] { Label3Click(); };
    Image2.onClick = [this] { Image2Click(); };
    Image3.onClick = [this] { Image3Click(); };
    onClose = [this] { FormClose(); };
    onHitTest = [this](int x, int y, ui::HitTest answer) { return WMNCHitTest(*this, x, y, answer); };
}

void TForm1::FormCreate()
{
    const std::unique_ptr<core::SettingsHive> hive = core::currentUserHive();
    const std::unique_ptr<core::SettingsKey> key = core::openStoredSettings(*hive);
    if (!key)
        return;  // no key yet: every text keeps its placeholder

    Label10.setText(key->readString(core::kProgramFolderValue));
    Label6.setText(key->readString(core::kCps3FolderValue));
    Label7.setText(key->readString(core::kModel2FolderValue));

    ListBox1.load(core::inFolder(Label10.text(), "LNGFILE"));
    applyCaptions(*this, ListBox1);
}

void TForm1::FormClose()
{
    const std::unique_ptr<core::SettingsHive> hive = core::currentUserHive();
    core::storeEmulatorFolders(*hive, Label6.text(), Label7.text());
}

void TForm1::Image4Click()
{
    Form3->OpenFromMainWindow();
}

void TForm1::Label1Click()
{
    Image4Click();
}

void TForm1::Image5Click()
{
    Form4->OpenFromMainWindow();
}

void TForm1::Label3Click()
{
    Image5Click();
}

void TForm1::Image2Click()
{
    Form2->show();
    applyCaptions(*Form2, ListBox1);
}

void TForm1::Image3Click()
{
    close();
}
