#include "Unit2.h"

#include "Unit1.h"
#include "components.h"
#include "handler_guard.h"
#include "skinned_window.h"
#include "text.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(size());
    centreOnScreen(this);  // before it is first mapped
    // The emblems' white background is not drawn on the buttons.
    BitBtn1->setIcon(loadPicture(QStringLiteral(":/art/cps3_emblem.png"), true));
    BitBtn2->setIcon(loadPicture(QStringLiteral(":/art/model2_emblem.png"), true));
    Button1->setFocus();  // taken when the picker first becomes active

    connect(BitBtn1, &QToolButton::clicked, this, guarded([this] { BitBtn1Click(); }));
    connect(BitBtn2, &QToolButton::clicked, this, guarded([this] { BitBtn2Click(); }));
    connect(DriveComboBox1, &TDriveComboBox::changed, this, guarded([this] { DriveComboBox1Change(); }));
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
}

void TForm2::BitBtn1Click()
{
    Form1->Label6->setText(toText(DirectoryListBox1->directory()));
}

void TForm2::BitBtn2Click()
{
    Form1->Label7->setText(toText(DirectoryListBox1->directory()));
}

void TForm2::DriveComboBox1Change()
{
    DirectoryListBox1->setDrive(DriveComboBox1->drive());
}

void TForm2::Button1Click()
{
    hide();
}
