#pragma once
// The few widget behaviours the windows rely on that plain Qt widgets lack:
// labels that size to their text, shorten a text too long for them and report
// clicks, and picture areas that catch clicks whether or not they draw a
// picture.
#include "layout.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <QWidget>

#include <optional>

class QMouseEvent;

// One of the program's own PNG pictures. Its format is known, so no image
// plugin is loaded to be asked whether it reads the file.
QImage readPicture(const QString &path);

// A picture such as ":/art/cps3_emblem.png"; when `transparent`, pixels of
// the colour of its bottom-left pixel are not drawn. Decoded once for all
// its users.
QPixmap loadPicture(const QString &path, bool transparent);

// A click is a left press and a left release over the same control.
class ClickTracker {
public:
    // True when the press may start a click; the control then takes it.
    bool press(const QMouseEvent *event);
    // True when the release ends a click that started on `control`.
    bool release(const QWidget *control, const QMouseEvent *event);

private:
    bool pressed_ = false;
};

// A label too narrow for its text (a fixed-size one, or a self-sizing one at
// its maximum width) shows the text shortened in the middle with "…", so
// that its start and end stay visible, and whole in a tooltip. text() is
// always the whole text.
class LabelWidget : public QLabel {
    Q_OBJECT

public:
    explicit LabelWidget(QWidget *parent = nullptr);

    // Sized and shortened as `layout` says, which outlives the label.
    void setLayout(const core::ControlLayout &layout);

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class LabelTextWatcher;
    bool isShortened() const;
    void watchParent();
    // Fits the label to its text unless it already fits this text.
    void followText();
    void fitText();

    const core::ControlLayout *layout_ = nullptr;
    QString fittedText_;
    std::optional<QFont> fittedFont_;  // none until the label is first fitted
    int fittedFrame_ = 0;
    ClickTracker click_;
};

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
