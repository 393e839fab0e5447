#include "access.h"
#include "accessible.h"
#include "keyboard.h"
#include "components.h"
#include "handler_guard.h"
#include "layer_impl.h"
#include "screen_scale.h"
#include "skinned_window.h"
#include "text.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>

namespace {

int liveForms = 0;

// A window's QWidget: closing runs the window's close handler, and ends the
// program for the main window.
class FormWindow : public QWidget {
public:
    explicit FormWindow(ui::Form &form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (form_.onClose)
            runGuarded(form_.onClose);
        // The program ends even when the close handler failed: the error
        // has been shown, and refusing to quit would trap the user.
        event->accept();
        if (form_.isMainWindow())
            QCoreApplication::quit();
    }

private:
    ui::Form &form_;
};

// The middle of its screen, where windows first show. Placed before the
// window exists on the screen: a window moved while it is being mapped leaves
// the window manager and Qt disagreeing on where it is, and popups and the
// drag strip then miss.
void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = window->screen()) {
        const QRect area = screen->geometry();
        window->move(area.x() + (area.width() - window->width()) / 2,
                     area.y() + (area.height() - window->height()) / 2);
    }
}

QString fontRule(const core::Font &font)
{
    return QStringLiteral("font-size: %1px;%2%3")
        .arg(font.pixelSize)
        .arg(font.bold ? QStringLiteral(" font-weight: bold;") : QString())
        .arg(font.underline ? QStringLiteral(" text-decoration: underline;") : QString());
}

// The window's font, and each control's own font and colour where the
// layout gives one.
QString styleSheet(const core::FormLayout &layout)
{
    const QString self = QLatin1Char('#') + QString::fromStdString(layout.name);
    QString rules = QStringLiteral("%1, %1 * { font-family: \"Tahoma\"; %2 }\n").arg(self, fontRule(layout.font));
    const core::Font &common = layout.font;
    for (const core::ControlLayout &c : layout.controls) {
        const bool ownFont = c.font.pixelSize != common.pixelSize || c.font.bold != common.bold
            || c.font.underline != common.underline;
        const bool ownColour = c.colour.red != 255 || c.colour.green != 255 || c.colour.blue != 255;
        if (!ownFont && !ownColour)
            continue;
        rules += QStringLiteral("#%1 { %2%3 }\n")
                     .arg(QString::fromStdString(c.name), ownFont ? fontRule(c.font) : QString(),
                          ownColour ? QStringLiteral(" color: rgb(%1, %2, %3);")
                                          .arg(c.colour.red).arg(c.colour.green).arg(c.colour.blue)
                                    : QString());
    }
    return rules;
}

} // namespace

namespace ui {

Form::Form(const char *layoutName)
    : layout_(core::formLayout(layoutName)), main_(liveForms++ == 0), impl_(std::make_unique<Impl>())
{
    QWidget *window = impl_->window = new FormWindow(*this);
    window->setObjectName(QString::fromStdString(layout_.name));
    exposeToReaders(window, *this);  // before any widget is asked how it reads
    window->setWindowTitle(toText(layout_.caption));
    window->resize(layout_.clientWidth, layout_.clientHeight);
    window->setStyleSheet(styleSheet(layout_));
    // The window's kind and look come before its controls: each change made
    // later would restyle every control.
    SkinnedWindow *skin = nullptr;
    if (layout_.skinned) {
        skin = new SkinnedWindow(window, layout_.opacity / 255.0, [this](QPoint at) {
            return onHitTest && onHitTest(at.x(), at.y(), HitTest::Client) == HitTest::Caption;
        });  // owned by the window
    } else {
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    }
    for (const core::ControlLayout &control : layout_.controls)
        impl_->controls[control.name] = makeControl(control, window);
    if (skin)
        skin->setBackground(static_cast<TImage *>(impl_->controls.at(layout_.background)->widget));
    else
        window->setFixedSize(window->size());
    centreOnScreen(window);

    QWidget *previous = nullptr;
    for (const std::string &name : layout_.tabOrder) {
        QWidget *next = impl_->controls.at(name)->widget;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

Form::~Form()
{
    delete impl_->window;
    --liveForms;
}

void Form::show()
{
    if (impl_->window->isVisible())
        return;
    renameForReaders(*this);
    // Taken as the window becomes active.
    focusFirstStop(*this);
    impl_->window->show();
}

void Form::hide()
{
    impl_->window->hide();
}

bool Form::isVisible() const
{
    return impl_->window->isVisible();
}

void Form::close()
{
    impl_->window->close();
}

void Form::setCaption(const std::string &text)
{
    impl_->window->setWindowTitle(toText(text));
}

std::string Form::caption() const
{
    return toBytes(impl_->window->windowTitle());
}

int Form::clientWidth() const
{
    return impl_->window->width();
}

int Form::dpi() const
{
    return core::kBaseDpi;  // Qt's logical pixels
}

} // namespace ui

QWidget *widgetOf(const ui::Form &form)
{
    return form.impl().window;
}
