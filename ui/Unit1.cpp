#include "Unit1.h"

#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "captions.h"
#include "handler_guard.h"
#include "paths.h"
#include "skinned_window.h"
#include "stored_settings.h"
#include "text.h"

#include <QCloseEvent>
#include <QCoreApplication>

TForm1 *Form1 = nullptr;

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    new SkinnedWindow(this, Image1, 240.0 / 255.0);  // owned by the window

    connect(Image4, &TImage::clicked, this, guarded([this] { Image4Click(); }));
    connect(Label1, &TLabel::clicked, this, guarded([this] { Label1Click(); }));
    connect(Image5, &TImage::clicked, this, guarded([this] { Image5Click(); }));
    connect(Label3, &TLabel::clicked, this, guarded([this] { Label3Click(); }));
    connect(Image2, &TImage::clicked, this, guarded([this] { Image2Click(); }));
    connect(Image3, &TImage::clicked, this, guarded([this] { Image3Click(); }));
}

void TForm1::FormCreate()
{
    const std::unique_ptr<core::SettingsHive> hive = core::currentUserHive();
    const std::unique_ptr<core::SettingsKey> key = core::openStoredSettings(*hive);
    if (!key)
        return;  // no key yet: every text keeps its placeholder

    Label10->setText(toText(key->readString(core::kProgramFolderValue)));
    Label6->setText(toText(key->readString(core::kCps3FolderValue)));
    Label7->setText(toText(key->readString(core::kModel2FolderValue)));

    ListBox1.load(core::inFolder(toBytes(Label10->text()), "LNGFILE"));

    applyCaptions(this, ListBox1);
}

void TForm1::FormClose()
{
    const std::unique_ptr<core::SettingsHive> hive = core::currentUserHive();
    core::storeEmulatorFolders(*hive, toBytes(Label6->text()), toBytes(Label7->text()));
}

void TForm1::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { FormClose(); });
    // The program ends even when the folders could not be stored: the error
    // has been shown, and refusing to quit would trap the user.
    event->accept();
    QCoreApplication::quit();
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
    applyCaptions(Form2, ListBox1);
}

void TForm1::Image3Click()
{
    close();
}

#ifdef Q_OS_WIN
bool TForm1::nativeEvent(const QByteArray &, void *message, qintptr *result)
{
    return WMNCHitTest(this, message, result);
}
#endif
