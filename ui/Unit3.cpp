#include "Unit3.h"

#include "Unit1.h"
#include "config_writer.h"
#include "presets.h"

TForm3 *Form3 = nullptr;

namespace {

using core::Cps3Choices;
const ChoiceList<TForm3, Cps3Choices> kChoiceLists[] = {
    {&TForm3::ComboBox1, &Cps3Choices::forceSync},
    {&TForm3::ComboBox2, &Cps3Choices::softwareVertexProcessing},
    {&TForm3::ComboBox3, &Cps3Choices::forceManaged},
    {&TForm3::ComboBox4, &Cps3Choices::filterTilemaps},
};

} // namespace

TForm3::TForm3() : SettingsWindow("TForm3")
{
    ComboBox5.onChange = [this] { ComboBox5Change(); };
    ComboBox6.onChange = [this] { ComboBox6Change(); };
}

void TForm3::OpenFromMainWindow()
{
    const core::Cps3Choices presets = core::cps3Presets(Form1->Label6.text());
    replaceMainWindow(presets.romFolder);

    // The resolution lists keep their layout state.
    for (const auto &c : kChoiceLists)
        (this->*c.list).setItemIndex(presets.*c.choice);
}

// Widths and heights pair up by entry number; a size that is no entry
// leaves the partner with none. Selections made here fire no change event,
// so the partner's handler does not answer back.
void TForm3::ComboBox5Change()
{
    ComboBox6.setItemIndex(ComboBox5.itemIndex());
}

void TForm3::ComboBox6Change()
{
    ComboBox5.setItemIndex(ComboBox6.itemIndex());
}

void TForm3::writeConfiguration()
{
    core::Cps3Choices choices;
    choices.romFolder = Label2.text();
    for (const auto &c : kChoiceLists)
        choices.*c.choice = (this->*c.list).itemIndex();
    choices.fullScreenWidth = ComboBox5.text();
    choices.fullScreenHeight = ComboBox6.text();
    core::writeCps3Configuration(ListBox1, choices, Form1->Label6.text(), writeChunk);
}
