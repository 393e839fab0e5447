#pragma once
// The look and behaviour shared by the frameless, picture-shaped windows:
// they first show centred; at its first show the window takes its shape from
// the background picture (its key colour is cut out), so a window never shown
// never decodes its art; a press in the top strip, on the window or on any control
// in it (not on a popup over it), moves the window.
#include <QObject>
#include <QPoint>

class QWidget;
class TImage;

// Puts a window in the middle of its screen, where windows first show. Called
// before the window is first shown, so that it is mapped there.
void centreOnScreen(QWidget *window);

class SkinnedWindow : public QObject {
    Q_OBJECT

public:
    // Call after the window's layout is loaded; `background` is its Image1.
    SkinnedWindow(QWidget *window, TImage *background, qreal opacity = 1.0);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QObject *object);

    QWidget *window_;
    TImage *background_;
    bool shaped_ = false;
    bool dragging_ = false;
    QPoint dragOffset_;
};

#ifdef Q_OS_WIN
// Answers the system's hit-test message for a skinned window: the default
// answer, replaced by "caption" inside the drag strip. Returns false for any
// other message.
bool WMNCHitTest(QWidget *window, void *message, qintptr *result);
#endif
