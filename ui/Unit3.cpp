#include "Unit3.h"

#include "Unit1.h"
#include "config_writer.h"
#include "handler_guard.h"
#include "presets.h"
#include "text.h"

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : SettingsWindow(parent)
{
    setupUi(this);
    setUpShared({Image1, Label2, DirectoryListBox1, DriveComboBox1, Button1, Button2});

    connect(ComboBox5, &TComboBox::changed, this, guarded([this] { ComboBox5Change(); }));
    connect(ComboBox6, &TComboBox::changed, this, guarded([this] { ComboBox6Change(); }));
}

void TForm3::OpenFromMainWindow()
{
    const core::Cps3Choices presets = core::cps3Presets(toBytes(Form1->Label6->text()));
    replaceMainWindow(toText(presets.romFolder));

    Label1->setText(line(1) + line(2));
    Label3->setText(line(40));
    Label4->setText(line(11));
    setEntries(ComboBox1, 12, 13);
    Label5->setText(line(14));
    setEntries(ComboBox2, 15, 16);
    Label6->setText(line(41));
    Label11->setText(line(42));
    setEntries(ComboBox3, 44, 43);
    Label7->setText(line(17));
    setEntries(ComboBox4, 44, 43);
    Label8->setText(line(18));
    Label9->setText(line(19));
    Label10->setText(line(20));
    Button1->setText(line(8));
    Button2->setText(line(9));

    // The resolution lists keep their layout state.
    ComboBox1->setItemIndex(presets.forceSync);
    ComboBox2->setItemIndex(presets.softwareVertexProcessing);
    ComboBox3->setItemIndex(presets.forceManaged);
    ComboBox4->setItemIndex(presets.filterTilemaps);
}

// Widths and heights pair up by entry number; a size that is no entry
// leaves the partner with none. Selections made here fire no change event,
// so the partner's handler does not answer back.
void TForm3::ComboBox5Change()
{
    ComboBox6->setItemIndex(ComboBox5->itemIndex());
}

void TForm3::ComboBox6Change()
{
    ComboBox5->setItemIndex(ComboBox6->itemIndex());
}

void TForm3::writeConfiguration()
{
    core::Cps3Choices choices;
    choices.romFolder = toBytes(Label2->text());
    choices.forceSync = ComboBox1->itemIndex();
    choices.softwareVertexProcessing = ComboBox2->itemIndex();
    choices.forceManaged = ComboBox3->itemIndex();
    choices.filterTilemaps = ComboBox4->itemIndex();
    choices.fullScreenWidth = toBytes(ComboBox5->currentText());
    choices.fullScreenHeight = toBytes(ComboBox6->currentText());
    core::writeCps3Configuration(ListBox1, choices, toBytes(Form1->Label6->text()), writeChunk);
}
