#include "skinned_window.h"

#include "image.h"

#include <QChildEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

SkinnedWindow::SkinnedWindow(QWidget *window, qreal opacity, std::function<bool(QPoint)> isCaption)
    : QObject(window), window_(window), isCaption_(std::move(isCaption))
{
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);

    // Wayland compositors ignore a window's shape for drawing: there the
    // cut-out corners must be see-through pixels instead of lime ones.
    const bool translucent = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    window->setAttribute(Qt::WA_TranslucentBackground, translucent);

    // The shared look comes first so that the window's own rules, read
    // later, win over it. The window itself is lime, the art's key colour.
    const QString self = QLatin1Char('#') + window->objectName();
    const QString base = QStringLiteral(
        "%1 { background-color: %2; }\n"
        "QLabel { color: white; background: transparent; }\n"
        "QLabel:disabled { color: rgb(128, 128, 128); }\n")
        .arg(self, translucent ? QStringLiteral("transparent") : QStringLiteral("rgb(0, 255, 0)"));
    window->setStyleSheet(base + window->styleSheet());
    window->setAutoFillBackground(!translucent);

    window->setWindowOpacity(opacity);

    watch(window);
}

void SkinnedWindow::watch(QObject *object)
{
    object->installEventFilter(this);
    for (QObject *child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool SkinnedWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Every window is polished soon after it is made, shown or not, so
        // the shape waits for the first show.
        if (watched == window_ && !shaped_ && background_) {
            shaped_ = true;
            const QRegion shape = background_->shape();
            if (!shape.isEmpty())
                window_->setMask(shape);
        }
        break;
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::MouseButtonPress: {
        // A popup (a drop-down's open list, a context menu) is a window of
        // its own, even where it lies over the strip.
        if (static_cast<QWidget *>(watched)->window() != window_)
            break;
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint local = window_->mapFromGlobal(mouse->globalPosition().toPoint());
        if (mouse->button() != Qt::LeftButton || !isCaption_(local))
            break;
        QWindow *handle = window_->windowHandle();
        if (!handle || !handle->startSystemMove()) {
            // No system move here: follow the pointer ourselves.
            dragging_ = true;
            dragOffset_ = mouse->globalPosition().toPoint() - window_->pos();
        }
        return true;
    }
    case QEvent::MouseMove:
        if (dragging_) {
            window_->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - dragOffset_);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (dragging_) {
            dragging_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
