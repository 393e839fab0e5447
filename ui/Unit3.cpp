#include "Unit3.h"

#include "Unit1.h"
#include "captions.h"
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

    applyCaptions(this, Form1->ListBox1);
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
