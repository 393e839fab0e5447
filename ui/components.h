#pragma once
// The few widget behaviours the windows rely on that plain Qt widgets lack:
// labels that size to their text and report clicks, and picture areas that
// catch clicks whether or not they draw a picture.
#include <QLabel>
#include <QPixmap>
#include <QWidget>

class QMouseEvent;

// A picture such as ":/art/cps3_emblem.png"; when `transparent`, pixels of
// the colour of its bottom-left pixel are not drawn.
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

class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)

public:
    explicit TLabel(QWidget *parent = nullptr);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

signals:
    void clicked();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    friend class LabelTextWatcher;
    void watchParent();
    // Fits the label to its text unless it already fits this text.
    void followText();
    void fitText();

    bool autoSize_ = false;
    QString fittedText_;
    ClickTracker click_;
};

class TImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
    Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    explicit TImage(QWidget *parent = nullptr);

    // A resource path such as ":/art/cps3_emblem.png"; empty for an area
    // that draws nothing and only catches clicks.
    QString picture() const { return picture_; }
    void setPicture(const QString &path);

    // Pixels of the colour of the picture's bottom-left pixel are not drawn.
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);

    bool stretch() const { return stretch_; }
    void setStretch(bool on);

    // The picture as drawn (after transparency), for the window's shape.
    const QPixmap &pixmap() const { return drawn_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuild();

    QString picture_;
    bool transparent_ = false;
    bool stretch_ = false;
    ClickTracker click_;
    QPixmap drawn_;
};
