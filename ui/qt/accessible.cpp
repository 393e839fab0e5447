#include "accessible.h"

#include "accessible_names.h"
#include "impl.h"
#include "text.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QVariant>

namespace {

constexpr const char *kFormProperty = "dravomelForm";

const ui::Form *formOf(const QWidget *window)
{
    return window ? static_cast<const ui::Form *>(window->property(kFormProperty).value<void *>()) : nullptr;
}

QAccessible::Role qtRole(ui::Role role)
{
    switch (role) {
    case ui::Role::Link:
        return QAccessible::Link;
    case ui::Role::Button:
        return QAccessible::Button;
    case ui::Role::ComboBox:
        return QAccessible::ComboBox;
    case ui::Role::FolderList:
        return QAccessible::List;
    case ui::Role::Text:
    case ui::Role::None:
        break;
    }
    return QAccessible::StaticText;
}

// A text or area the window draws itself: read by its name, pressed as clicked.
class PlaceAccessible : public QAccessibleWidget {
public:
    PlaceAccessible(QWidget *place, const ui::Form &form) : QAccessibleWidget(place), form_(form) {}

    QAccessible::Role role() const override { return qtRole(spoken().role); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? toText(spoken().name) : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return spoken().acts && widget()->isEnabled() ? QStringList{pressAction()} : QStringList();
    }
    void doAction(const QString &action) override
    {
        // As a click: after the reader's call has returned.
        if (action == pressAction() && actionNames().contains(action))
            QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
    }

private:
    ui::Spoken spoken() const { return ui::spokenAs(form_, widget()->objectName().toStdString()); }
    const ui::Form &form_;
};

// A drop-down, named by its heading. Qt's own reads a drop-down on Linux by
// its shown text, which then stands twice in what a reader says.
class DropDownAccessible : public QAccessibleWidget {
public:
    DropDownAccessible(QComboBox *list, const ui::Form &form)
        : QAccessibleWidget(list, QAccessible::ComboBox), form_(form)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return toText(ui::spokenAs(form_, widget()->objectName().toStdString()).name);
        return t == QAccessible::Value ? list()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }
    // The entries' list, and the text box of one that takes typing.
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        QWidget *parts[] = {list()->view(), list()->lineEdit()};
        return index >= 0 && index < childCount() ? QAccessible::queryAccessibleInterface(parts[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        return child->object() == list()->view() ? 0 : child->object() == list()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            list()->showPopup();
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
    const ui::Form &form_;
};

// The window: holds what a reader finds, in layout order, and nothing else.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget *window, const ui::Form &form)
        : QAccessibleWidget(window, form.layout().skinned ? QAccessible::Window : QAccessible::Dialog), form_(form)
    {
    }

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QWidget *> all = shown();
        return index >= 0 && index < static_cast<int>(all.size()) ? QAccessible::queryAccessibleInterface(all[index])
                                                                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<QWidget *> all = shown();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (child && child->object() == all[i])
                return static_cast<int>(i);
        return -1;
    }

private:
    std::vector<QWidget *> shown() const
    {
        std::vector<QWidget *> all;
        for (const core::ControlLayout &control : form_.layout().controls) {
            QWidget *widget = form_.impl().controls.at(control.name)->widget;
            if (!widget->isHidden() && ui::spokenAs(form_, control.name).role != ui::Role::None)
                all.push_back(widget);
        }
        return all;
    }
    const ui::Form &form_;
};

QAccessibleInterface *readerSide(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (const ui::Form *form = formOf(widget))
        return new WindowAccessible(widget, *form);
    const ui::Form *form = formOf(widget->window());
    if (!form)
        return nullptr;
    if (className == QLatin1String("LabelWidget") || className == QLatin1String("ImageWidget"))
        return new PlaceAccessible(widget, *form);
    if (className == QLatin1String("ComboBoxWidget") || className == QLatin1String("DriveComboBoxWidget"))
        return new DropDownAccessible(static_cast<QComboBox *>(widget), *form);
    return nullptr;
}

} // namespace

void exposeToReaders(QWidget *window, ui::Form &form)
{
    static const bool installed = (QAccessible::installFactory(readerSide), true);
    (void)installed;
    window->setProperty(kFormProperty, QVariant::fromValue(static_cast<void *>(&form)));
}

void renameForReaders(const ui::Form &form)
{
    for (const auto &[name, control] : form.impl().controls) {
        // Drawn places and drop-downs are named by their interfaces, buttons by their own texts.
        if (qobject_cast<const QLabel *>(control->widget) || qobject_cast<const QAbstractButton *>(control->widget)
            || qobject_cast<const QComboBox *>(control->widget) || control->widget->inherits("ImageWidget"))
            continue;
        const QString spoken = toText(ui::spokenAs(form, name).name);
        if (control->widget->accessibleName() != spoken)
            control->widget->setAccessibleName(spoken);
    }
}
