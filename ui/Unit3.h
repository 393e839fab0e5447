#pragma once
// The CPS3 settings window: collects the choices for the CPS3 emulator's
// configuration file.
#include "ui_Unit3.h"

#include <QWidget>

class TForm3 : public QWidget, public Ui::TForm3 {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // Run by the main window's emulator emblem and link.
    void OpenFromMainWindow();

    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif
};

extern TForm3 *Form3;
