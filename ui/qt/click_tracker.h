#pragma once
// What a click on the program's own clickable widgets is.
class QMouseEvent;
class QWidget;

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
