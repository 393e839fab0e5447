#pragma once
// The program's pictures, and picture areas that catch clicks whether or
// not they draw a picture.
#include "click_tracker.h"

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

// One of the program's own PNG pictures. Its format is known, so no image
// plugin is loaded to be asked whether it reads the file.
QImage readPicture(const QString &path);

// A picture such as ":/art/cps3_emblem.png"; when `transparent`, pixels of
// the colour of its bottom-left pixel are not drawn. Decoded once for all
// its users.
QPixmap loadPicture(const QString &path, bool transparent);

class ImageWidget : public QWidget {
    Q_OBJECT

public:
    explicit ImageWidget(QWidget *parent = nullptr);

    // A resource path such as ":/art/cps3_emblem.png"; empty for an area
    // that draws nothing and only catches clicks.
    void setPicture(const QString &path);

    // Pixels of the colour of the picture's bottom-left pixel are not drawn.
    void setTransparent(bool on);

    void setStretch(bool on);

    // The picture as drawn (key colour cleared when transparent), and the
    // part of it that is drawn, for the window's shape; both empty without
    // a picture. A picture is decoded when first needed, once for all the
    // areas that show it.
    QImage image() const;
    QRegion shape() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString picture_;
    bool transparent_ = false;
    bool stretch_ = false;
    ClickTracker click_;
};
