#pragma once
// What the CPS3 and Model 2 settings windows share: they open in place of the
// main window, take the ROM folder from their folder list, save and close or
// cancel, and closing either one ends the program.
#include "safe_file.h"

#include <QString>
#include <QWidget>

class QPushButton;
class TDirectoryListBox;
class TDriveComboBox;
class TImage;
class TLabel;

class SettingsWindow : public QWidget {
    Q_OBJECT

public:
    void DirectoryListBox1MouseDown();
    void DriveComboBox1Change();
    void Button1Click();
    void Button2Click();
    void FormClose();

    // How the configuration's bytes reach the disk; empty for plain writes.
    // Tests set one that fails part way, as a full disk does.
    core::WriteChunk writeChunk;

protected:
    // The controls both layouts have, under the same names.
    struct SharedControls {
        TImage *Image1;
        TLabel *Label2;
        TDirectoryListBox *DirectoryListBox1;
        TDriveComboBox *DriveComboBox1;
        QPushButton *Button1;
        QPushButton *Button2;
    };

    explicit SettingsWindow(QWidget *parent);

    // Call once the layout is loaded: gives the window its skin and connects
    // the shared handlers.
    void setUpShared(const SharedControls &controls);

    // The first opening steps: the main window hides, this one shows, and the
    // ROM folder gets its first text.
    void replaceMainWindow(const QString &romFolder);


    // Writes this emulator's configuration from the controls as they are now;
    // throws if the file cannot be written.
    virtual void writeConfiguration() = 0;

    void closeEvent(QCloseEvent *event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;
#endif

private:
    SharedControls shared_{};
};
