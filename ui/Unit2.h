#pragma once
// The emulator folder picker: an ordinary framed dialog that hands folders
// to the main window.
#include "ui_Unit2.h"

#include <QWidget>

class TForm2 : public QWidget, public Ui::TForm2 {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    void BitBtn1Click();
    void BitBtn2Click();
    void DriveComboBox1Change();
    void Button1Click();
};

extern TForm2 *Form2;
