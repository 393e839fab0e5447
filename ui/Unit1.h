#pragma once
// The main window: shows the program folder and both emulators, holds the
// language table and the emulator folders for the whole run, and leads to
// the folder picker and the two settings windows.
#include "language_table.h"
#include "ui_Unit1.h"

#include <QWidget>

class TForm1 : public QWidget, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // The language table, loaded once at start; never shown.
    core::LanguageTable ListBox1;

    void FormCreate();
    void FormClose();
    void Image4Click();
    void Label1Click();
    void Image5Click();
    void Label3Click();
    void Image2Click();
    void Image3Click();

protected:
    void closeEvent(QCloseEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif
};

extern TForm1 *Form1;
