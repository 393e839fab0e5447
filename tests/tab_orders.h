#pragma once
// The keyboard's way through each window, as its user meets it, for the
// keyboard tests of both runtimes. A disabled control is passed over.
#include <string>
#include <vector>

namespace tabs {

inline const std::vector<std::string> kPicker = {"Button1", "BitBtn2", "BitBtn1", "DirectoryListBox1",
                                                 "DriveComboBox1"};
// The height list before the width list.
inline const std::vector<std::string> kCps3 = {"Button1",   "Button2",   "ComboBox1", "ComboBox2",
                                               "ComboBox3", "ComboBox4", "ComboBox6", "ComboBox5",
                                               "DirectoryListBox1", "DriveComboBox1"};
inline const std::vector<std::string> kModel2 = {
    "Button1", "Button2",   "ComboBox1",         "ComboBox2",      "ComboBox3", "ComboBox4", "Button3", "Button4",
    "Button5", "ComboBox6", "ComboBox5", "DirectoryListBox1", "DriveComboBox1", "ComboBox7", "ComboBox8"};

inline bool isButton(const std::string &name)
{
    return name.rfind("Button", 0) == 0 || name.rfind("BitBtn", 0) == 0;
}

} // namespace tabs
