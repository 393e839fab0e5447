#include "keyboard.h"

#include "impl.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>

namespace {

// Qt's buttons take Enter only as a dialog's default button, and a button
// with a picture never does.
class EnterPresses : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) || key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (!key->isAutoRepeat())
            static_cast<QAbstractButton *>(watched)->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QAbstractButton *button)
{
    if (auto *push = qobject_cast<QPushButton *>(button))
        push->setAutoDefault(false);  // never a default button
    button->installEventFilter(new EnterPresses(button));
}

void focusFirstStop(const ui::Form &form)
{
    if (!form.layout().tabOrder.empty())
        form.impl().controls.at(form.layout().tabOrder.front())->widget->setFocus(Qt::OtherFocusReason);
}
