#pragma once
// The folder tree list: the drive's root, the chain down to the current
// folder, then the current folder's subfolders, one indent step per level.
// A single click only highlights; a double click or Enter opens.
#include <QListView>

#include <functional>
#include <string>

class FolderModel;

class FolderListWidget : public QListView {
    Q_OBJECT

public:
    explicit FolderListWidget(QWidget *parent = nullptr);  // starts at the working folder

    // The current folder, full path, as the file system spells it.
    std::string directory() const;
    void setDirectory(const std::string &folder);
    // To the folder last current on that drive, or its root.
    void setDrive(const std::string &driveRoot);

signals:
    // Any mouse button pressed in the list; for a double click, after its open.
    void mouseDown();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The user opened `row`; `reportPress` follows the open.
    void open(int row, const std::function<void()> &reportPress);
    // Highlights the current folder, in view.
    void showCurrent();

    FolderModel *model_;
};
