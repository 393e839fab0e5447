#include "access.h"
#include "accessible.h"
#include "keyboard.h"
#include "image.h"
#include "label.h"
#include "layer/runtime.h"
#include "impl.h"
#include "screen_scale.h"
#include "skinned_window.h"
#include "text.h"

#include <QCloseEvent>
#include <QScreen>

namespace {

// A window's QWidget: the window manager's close is the window's own close,
// which runs its close handler and hides it.
class FormWindow : public QWidget {
public:
    explicit FormWindow(ui::Form &form) : form_(form) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        form_.close();
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

Form::Impl *runtime::makeForm(Form &form)
{
    const core::FormLayout &layout = form.layout();
    auto *impl = new Form::Impl;
    QWidget *window = impl->window = new FormWindow(form);
    window->setObjectName(QString::fromStdString(layout.name));
    exposeToReaders(window, form);  // before any widget is asked how it reads
    window->setWindowTitle(toText(layout.caption));
    window->resize(layout.clientWidth, layout.clientHeight);
    window->setStyleSheet(styleSheet(layout));
    // The window's kind and look come before its controls: each change made
    // later would restyle every control.
    SkinnedWindow *skin = nullptr;
    if (layout.skinned) {
        skin = new SkinnedWindow(window, layout.opacity / 255.0, [&form](QPoint at) {
            return form.onHitTest && form.onHitTest(at.x(), at.y(), HitTest::Client) == HitTest::Caption;
        });  // owned by the window
    } else {
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                               | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    }
    for (const core::ControlLayout &control : layout.controls)
        impl->controls[control.name] = makeControl(control, window);
    if (skin)
        skin->setBackground(static_cast<ImageWidget *>(impl->controls.at(layout.background)->widget));
    else
        window->setFixedSize(window->size());
    centreOnScreen(window);

    QWidget *previous = nullptr;
    for (const std::string &name : layout.tabOrder) {
        QWidget *next = impl->controls.at(name)->widget;
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
    return impl;
}

void runtime::destroyForm(Form::Impl *form)
{
    delete form->window;
    delete form;
}

void runtime::showForm(Form &form)
{
    if (form.impl().window->isVisible())
        return;
    renameForReaders(form);
    // Taken as the window becomes active.
    focusFirstStop(form);
    form.impl().window->show();
}

void runtime::hideForm(Form::Impl &form)
{
    form.window->hide();
}

bool runtime::isFormVisible(const Form::Impl &form)
{
    return form.window->isVisible();
}

void runtime::setFormCaption(Form::Impl &form, const std::string &text)
{
    form.window->setWindowTitle(toText(text));
}

std::string runtime::formCaption(const Form::Impl &form)
{
    return toBytes(form.window->windowTitle());
}

int runtime::formClientWidth(const Form::Impl &form)
{
    return form.window->width();
}

int runtime::formDpi(const Form::Impl &)
{
    return core::kBaseDpi;  // Qt's logical pixels
}

} // namespace ui

QWidget *widgetOf(const ui::Form &form)
{
    return form.impl().window;
}
