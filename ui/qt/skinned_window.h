#pragma once
// The look and behaviour shared by the frameless, picture-shaped windows:
// they first show centred; at its first show the window takes its shape from
// the background picture (its key colour is cut out), so a window never shown
// never decodes its art; a left press where the window's hit test answers
// "caption", on the window or on any control in it (not on a popup over it),
// moves the window.
#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;
class ImageWidget;

class SkinnedWindow : public QObject {
    Q_OBJECT

public:
    // Made before the window's controls, which it then watches as they come.
    // `isCaption` is the hit test, for a point in client coordinates.
    SkinnedWindow(QWidget *window, qreal opacity, std::function<bool(QPoint)> isCaption);

    // The picture whose shape the window takes: its Image1.
    void setBackground(ImageWidget *background) { background_ = background; }

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget *window_;
    ImageWidget *background_ = nullptr;
    std::function<bool(QPoint)> isCaption_;
    bool shaped_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};
