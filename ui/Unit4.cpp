#include "Unit4.h"

#include "Unit1.h"
#include "captions.h"
#include "handler_guard.h"
#include "presets.h"
#include "text.h"

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : SettingsWindow(parent)
{
    setupUi(this);
    setUpShared({Image1, Label2, DirectoryListBox1, DriveComboBox1, Button1, Button2});

    connect(Button3, &QPushButton::clicked, this, guarded([this] { Button3Click(); }));
    connect(Button4, &QPushButton::clicked, this, guarded([this] { Button4Click(); }));
    connect(Button5, &QPushButton::clicked, this, guarded([this] { Button5Click(); }));
}

void TForm4::OpenFromMainWindow()
{
    const core::Model2Choices presets = core::model2Presets(toBytes(Form1->Label7->text()));
    replaceMainWindow(toText(presets.romFolder));

    applyCaptions(this, Form1->ListBox1);
    // The filtering mode is left as it is: the template holds it.
    ComboBox1->setItemIndex(presets.geometrizer);
    ComboBox2->setItemIndex(presets.softwareVertexProcessing);
    ComboBox3->setItemIndex(presets.wireframe);
    ComboBox4->setItemIndex(presets.fakeGouraud);
    ComboBox5->setItemIndex(presets.filterTilemaps);
    ComboBox6->setItemIndex(presets.forceManaged);
    ComboBox7->setItemIndex(presets.autoMip);
    ComboBox8->setItemIndex(presets.meshTransparency);
}

// The mode lives in the template and in which button is disabled: the
// current mode's.
void TForm4::setFilteringMode(core::FilteringMode mode)
{
    using core::FilteringMode;
    core::setFilteringMode(ListBox1, mode);
    Button3->setEnabled(mode != FilteringMode::None);
    Button4->setEnabled(mode != FilteringMode::Bilinear);
    Button5->setEnabled(mode != FilteringMode::Trilinear);

    const std::optional<int> held = core::heldTileMapFilter(mode);
    Label9->setEnabled(!held);
    if (held)
        ComboBox5->setItemIndex(*held);
    ComboBox5->setEnabled(!held);
}

void TForm4::Button3Click()
{
    setFilteringMode(core::FilteringMode::None);
}

void TForm4::Button4Click()
{
    setFilteringMode(core::FilteringMode::Bilinear);
}

void TForm4::Button5Click()
{
    setFilteringMode(core::FilteringMode::Trilinear);
}

void TForm4::writeConfiguration()
{
    core::Model2Choices choices;
    choices.romFolder = toBytes(Label2->text());
    choices.geometrizer = ComboBox1->itemIndex();
    choices.softwareVertexProcessing = ComboBox2->itemIndex();
    choices.wireframe = ComboBox3->itemIndex();
    choices.fakeGouraud = ComboBox4->itemIndex();
    choices.filterTilemaps = ComboBox5->itemIndex();
    choices.forceManaged = ComboBox6->itemIndex();
    choices.autoMip = ComboBox7->itemIndex();
    choices.meshTransparency = ComboBox8->itemIndex();
    core::writeModel2Configuration(ListBox1, choices, toBytes(Form1->Label7->text()), writeChunk);
}
