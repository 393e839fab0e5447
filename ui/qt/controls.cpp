#include "access.h"
#include "accessible.h"
#include "bevel.h"
#include "components.h"
#include "drive_combo.h"
#include "drop_down.h"
#include "folder_list.h"
#include "handler_guard.h"
#include "keyboard.h"
#include "layer_impl.h"
#include "text.h"

#include <QPushButton>
#include <QToolButton>

using core::ControlKind;

namespace {

// A slot that runs the member's handler `event`, if it has one, in the guard.
template <typename Member>
auto firing(const ui::Control::Impl *impl, std::function<void()> Member::*event)
{
    return [impl, event] {
        if (!impl->member)
            return;
        const std::function<void()> &handler = static_cast<Member *>(impl->member)->*event;
        if (handler)
            runGuarded(handler);
    };
}

QString picturePath(const std::string &picture)
{
    return QStringLiteral(":/art/%1.png").arg(QString::fromStdString(picture));
}

QWidget *makeWidget(const core::ControlLayout &layout, QWidget *window, const ui::Control::Impl *impl)
{
    switch (layout.kind) {
    case ControlKind::Image: {
        auto *image = new TImage(window);
        if (!layout.picture.empty())
            image->setPicture(picturePath(layout.picture));
        image->setTransparent(layout.transparent);
        image->setStretch(layout.stretch);
        QObject::connect(image, &TImage::clicked, image, firing(impl, &ui::Image::onClick));
        return image;
    }
    case ControlKind::Label: {
        auto *label = new TLabel(window);
        label->setText(toText(layout.text));
        label->setAutoSize(layout.autoSize);
        if (layout.centred)
            label->setAlignment(Qt::AlignCenter);
        QObject::connect(label, &TLabel::clicked, label, firing(impl, &ui::Label::onClick));
        return label;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(toText(layout.text), window);
        pressOnEnter(button);
        QObject::connect(button, &QPushButton::clicked, button, firing(impl, &ui::Button::onClick));
        return button;
    }
    case ControlKind::BitBtn: {
        auto *button = new QToolButton(window);
        button->setText(toText(layout.text));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFocusPolicy(Qt::StrongFocus);
        pressOnEnter(button);
        const QPixmap picture = loadPicture(picturePath(layout.picture), layout.transparent);
        button->setIcon(picture);
        button->setIconSize(picture.size());
        QObject::connect(button, &QToolButton::clicked, button, firing(impl, &ui::Button::onClick));
        return button;
    }
    case ControlKind::ComboBox: {
        auto *list = new TComboBox(window);
        for (const std::string &item : layout.items)
            list->addItem(toText(item));
        list->setItemIndex(layout.itemIndex);
        QObject::connect(list, &TComboBox::changed, list, firing(impl, &ui::ComboBox::onChange));
        return list;
    }
    case ControlKind::DirectoryListBox: {
        auto *list = new TDirectoryListBox(window);
        QObject::connect(list, &TDirectoryListBox::mouseDown, list,
                         firing(impl, &ui::DirectoryListBox::onMouseDown));
        return list;
    }
    case ControlKind::DriveComboBox: {
        auto *drives = new TDriveComboBox(window);
        QObject::connect(drives, &TDriveComboBox::changed, drives, firing(impl, &ui::DriveComboBox::onChange));
        return drives;
    }
    case ControlKind::Bevel: {
        auto *bevel = new TBevel(window);
        bevel->setShape(layout.bottomLineOnly ? TBevel::BottomLine : TBevel::Box);
        return bevel;
    }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<ui::Control::Impl> makeControl(const core::ControlLayout &layout, QWidget *window)
{
    auto impl = std::make_unique<ui::Control::Impl>();
    QWidget *w = impl->widget = makeWidget(layout, window, impl.get());
    w->setObjectName(QString::fromStdString(layout.name));
    const core::Rect &r = layout.bounds;
    if (layout.autoSize)
        w->move(r.left, r.top);
    if (layout.maxWidth > 0)
        w->setMaximumWidth(layout.maxWidth);
    else
        w->setGeometry(r.left, r.top, r.width, r.height);
    w->setEnabled(layout.enabled);
    if (layout.handCursor)
        w->setCursor(Qt::PointingHandCursor);
    return impl;
}

namespace ui {

Control::Impl *Control::attach(Form &form, Control &control)
{
    Impl *impl = form.impl().controls.at(control.name()).get();
    impl->member = &control;
    return impl;
}

void Control::detach(Impl *impl)
{
    impl->member = nullptr;
}

void Control::setEnabled(bool on)
{
    impl_->widget->setEnabled(on);
}

bool Control::isEnabled() const
{
    return impl_->widget->isEnabled();
}

void Label::setText(const std::string &text)
{
    widgetOf<TLabel>(*this)->setText(toText(text));
    renameForReaders(form());
}

std::string Label::text() const
{
    return toBytes(widgetOf<TLabel>(*this)->text());
}

void Button::setText(const std::string &text)
{
    widgetOf<QAbstractButton>(*this)->setText(toText(text));
}

std::string Button::text() const
{
    return toBytes(widgetOf<QAbstractButton>(*this)->text());
}

void ComboBox::setItem(int n, const std::string &text)
{
    widgetOf<TComboBox>(*this)->setItem(n, toText(text));
}

int ComboBox::itemIndex() const
{
    return widgetOf<TComboBox>(*this)->itemIndex();
}

void ComboBox::setItemIndex(int n)
{
    widgetOf<TComboBox>(*this)->setItemIndex(n);
}

std::string ComboBox::text() const
{
    return toBytes(widgetOf<TComboBox>(*this)->currentText());
}

std::string DirectoryListBox::directory() const
{
    return widgetOf<TDirectoryListBox>(*this)->directory();
}

void DirectoryListBox::setDirectory(const std::string &folder)
{
    widgetOf<TDirectoryListBox>(*this)->setDirectory(folder);
}

void DirectoryListBox::setDrive(const std::string &driveRoot)
{
    widgetOf<TDirectoryListBox>(*this)->setDrive(driveRoot);
}

std::string DriveComboBox::drive() const
{
    return widgetOf<TDriveComboBox>(*this)->drive();
}

void DriveComboBox::setDrive(const std::string &driveRoot)
{
    widgetOf<TDriveComboBox>(*this)->setDrive(driveRoot);
}

void DriveComboBox::setDrives(const std::vector<std::string> &drives)
{
    widgetOf<TDriveComboBox>(*this)->setDrives(drives);
}

} // namespace ui

QWidget *controlWidget(const ui::Control &control)
{
    return control.impl().widget;
}
