#include "Unit4.h"

#include "Unit1.h"
#include "presets.h"

TForm4 *Form4 = nullptr;

namespace {

using core::Model2Choices;
const ChoiceList<TForm4, Model2Choices> kChoiceLists[] = {
    {&TForm4::ComboBox1, &Model2Choices::geometrizer},
    {&TForm4::ComboBox2, &Model2Choices::softwareVertexProcessing},
    {&TForm4::ComboBox3, &Model2Choices::wireframe},
    {&TForm4::ComboBox4, &Model2Choices::fakeGouraud},
    {&TForm4::ComboBox5, &Model2Choices::filterTilemaps},
    {&TForm4::ComboBox6, &Model2Choices::forceManaged},
    {&TForm4::ComboBox7, &Model2Choices::autoMip},
    {&TForm4::ComboBox8, &Model2Choices::meshTransparency},
};

} // namespace

TForm4::TForm4() : SettingsWindow("TForm4")
{
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    Button5.onClick = [this] { Button5Click(); };
}

void TForm4::OpenFromMainWindow()
{
    const core::Model2Choices presets = core::model2Presets(Form1->Label7.text());
    replaceMainWindow(presets.romFolder);

    // The filtering mode is left as it is: the template holds it.
    for (const auto &c : kChoiceLists)
        (this->*c.list).setItemIndex(presets.*c.choice);
}

// The mode lives in the template and in which button is disabled: the
// current mode's.
void TForm4::setFilteringMode(core::FilteringMode mode)
{
    using core::FilteringMode;
    core::setFilteringMode(ListBox1, mode);
    Button3.setEnabled(mode != FilteringMode::None);
    Button4.setEnabled(mode != FilteringMode::Bilinear);
    Button5.setEnabled(mode != FilteringMode::Trilinear);

    const std::optional<int> held = core::heldTileMapFilter(mode);
    Label9.setEnabled(!held);
    if (held)
        ComboBox5.setItemIndex(*held);
    ComboBox5.setEnabled(!held);
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
    choices.romFolder = Label2.text();
    for (const auto &c : kChoiceLists)
        choices.*c.choice = (this->*c.list).itemIndex();
    core::writeModel2Configuration(ListBox1, choices, Form1->Label7.text(), writeChunk);
}
