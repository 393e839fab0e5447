#include "caption_table.h"

namespace core {

namespace {

Caption text(const char *control, long line, const char *role)
{
    return {Caption::Text, control, line, -1, role};
}

Caption entries(const char *control, long entry0, long entry1, const char *choice)
{
    return {Caption::Entries, control, entry0, entry1, choice};
}

// The on/off lists share two lines; the smaller number is entry 1.
Caption onOff(const char *control, const char *choice)
{
    return entries(control, 44, 43, choice);
}

} // namespace

const std::vector<WindowCaptions> &captionTable()
{
    static const std::vector<WindowCaptions> table = {
        {"TForm1", "Main",
         {
             text("Label1", 2, "CPS3 link"),
             text("Label3", 3, "Model 2 link"),
             text("Label4", 4, "first text line under the CPS3 link"),
             text("Label5", 5, "first text line under the Model 2 link"),
             text("Label8", 7, "text above the CPS3 folder"),
             text("Label9", 7, "text above the Model 2 folder"),
         }},
        {"TForm2", "Picker",
         {
             {Caption::WindowCaption, "window caption", 6, -1, "title bar text"},
             text("Button1", 8, "close button"),
         }},
        {"TForm3", "CPS3",
         {
             {Caption::Title, "Label1", 1, 2, "title"},
             text("Label3", 40, "ROM folder heading"),
             text("Label4", 11, "ForceSync label"),
             entries("ComboBox1", 12, 13, "ForceSync"),
             text("Label5", 14, "SoftwareVertexProcessing label"),
             entries("ComboBox2", 15, 16, "SoftwareVertexProcessing"),
             text("Label6", 41, "ForceManaged label, first line"),
             text("Label11", 42, "ForceManaged label, second line"),
             onOff("ComboBox3", "ForceManaged"),
             text("Label7", 17, "FilterTilemaps label"),
             onOff("ComboBox4", "FilterTilemaps"),
             text("Label8", 18, "full-screen resolution heading"),
             text("Label9", 19, "width label"),
             text("Label10", 20, "height label"),
             text("Button1", 8, "cancel button"),
             text("Button2", 9, "save button"),
         }},
        {"TForm4", "Model 2",
         {
             {Caption::Title, "Label1", 1, 3, "title"},
             text("Label3", 40, "ROM folder heading"),
             text("Label4", 22, "Geometrizer label"),
             entries("ComboBox1", 23, 24, "Geometrizer"),
             text("Label5", 25, "SoftwareVertexProcessing label"),
             entries("ComboBox2", 26, 27, "SoftwareVertexProcessing"),
             text("Label6", 28, "Wireframe label"),
             entries("ComboBox3", 29, 30, "Wireframe"),
             text("Label7", 31, "FakeGouraud label"),
             entries("ComboBox4", 32, 33, "FakeGouraud"),
             text("Label8", 34, "filtering-mode heading"),
             text("Button3", 35, "filtering mode none"),
             text("Button4", 36, "filtering mode bilinear"),
             text("Button5", 37, "filtering mode trilinear"),
             text("Label9", 38, "FilterTilemaps label"),
             onOff("ComboBox5", "FilterTilemaps"),
             text("Label10", 41, "ForceManaged label, first line"),
             text("Label11", 42, "ForceManaged label, second line"),
             onOff("ComboBox6", "ForceManaged"),
             text("Button1", 8, "cancel button"),
             text("Button2", 9, "save button"),
             text("Label12", 48, "AutoMip label"),
             text("Label13", 49, "MeshTransparency label"),
             onOff("ComboBox7", "AutoMip"),
             onOff("ComboBox8", "MeshTransparency"),
         }},
    };
    return table;
}

const std::vector<Caption> &captionsOf(const std::string &layout)
{
    for (const WindowCaptions &window : captionTable())
        if (layout == window.layout)
            return window.captions;
    static const std::vector<Caption> none;
    return none;
}

std::vector<std::string> usesOfLine(long n)
{
    std::vector<std::string> uses;
    for (const WindowCaptions &window : captionTable()) {
        for (const Caption &c : window.captions) {
            const bool first = c.line == n;
            if (!first && c.second != n)
                continue;
            std::string role = c.role;
            if (c.kind == Caption::Title)
                role += first ? ", first part" : ", second part";
            else if (c.kind == Caption::Entries)
                role += first ? " entry 0" : " entry 1";
            uses.push_back(std::string(window.window) + " " + c.control + " (" + role + ")");
        }
    }
    return uses;
}

} // namespace core
