#pragma once
// The Model 2 settings window: collects the choices for the Model 2
// emulator's configuration file.
#include "ui_Unit4.h"

#include <QWidget>

class TForm4 : public QWidget, public Ui::TForm4 {
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // Run by the main window's emulator emblem and link.
    void OpenFromMainWindow();

    void FormClose();

protected:
    void closeEvent(QCloseEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif
};

extern TForm4 *Form4;
