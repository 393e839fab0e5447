#include "access.h"
#include "accessible.h"
#include "bevel.h"
#include "image.h"
#include "label.h"
#include "drive_combo_box.h"
#include "combo_box.h"
#include "folder_list.h"
#include "keyboard.h"
#include "layer/runtime.h"
#include "impl.h"
#include "text.h"

#include <QPushButton>
#include <QToolButton>

using core::ControlKind;

namespace {

// A slot that runs the member's handler `event`, if it has one, in the guard.
template <typename Member>
auto firing(const ui::Control::Impl *impl, std::function<void()> Member::*event)
{
    return [impl, event] { ui::fire(impl->member, event); };
}

QString picturePath(const std::string &picture)
{
    return QStringLiteral(":/art/%1.png").arg(QString::fromStdString(picture));
}

QWidget *makeWidget(const core::ControlLayout &layout, QWidget *window, const ui::Control::Impl *impl)
{
    switch (layout.kind) {
    case ControlKind::Image: {
        auto *image = new ImageWidget(window);
        if (!layout.picture.empty())
            image->setPicture(picturePath(layout.picture));
        image->setTransparent(layout.transparent);
        image->setStretch(layout.stretch);
        QObject::connect(image, &ImageWidget::clicked, image, firing(impl, &ui::Image::onClick));
        return image;
    }
    case ControlKind::Label: {
        auto *label = new LabelWidget(window);
        label->setText(toText(layout.text));
        label->setLayout(layout);
        if (layout.centred)
            label->setAlignment(Qt::AlignCenter);
        QObject::connect(label, &LabelWidget::clicked, label, firing(impl, &ui::Label::onClick));
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
        auto *list = new ComboBoxWidget(window);
        for (const std::string &item : layout.items)
            list->addItem(toText(item));
        list->setItemIndex(layout.itemIndex);
        QObject::connect(list, &ComboBoxWidget::changed, list, firing(impl, &ui::ComboBox::onChange));
        return list;
    }
    case ControlKind::DirectoryListBox: {
        auto *list = new FolderListWidget(window);
        QObject::connect(list, &FolderListWidget::mouseDown, list,
                         firing(impl, &ui::DirectoryListBox::onMouseDown));
        return list;
    }
    case ControlKind::DriveComboBox: {
        auto *drives = new DriveComboBoxWidget(window);
        QObject::connect(drives, &DriveComboBoxWidget::changed, drives, firing(impl, &ui::DriveComboBox::onChange));
        return drives;
    }
    case ControlKind::Bevel: {
        auto *bevel = new BevelWidget(window);
        bevel->setShape(layout.bottomLineOnly ? BevelWidget::BottomLine : BevelWidget::Box);
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
    if (!layout.autoSize)
        w->setGeometry(r.left, r.top, r.width, r.height);
    w->setEnabled(layout.enabled);
    if (layout.handCursor)
        w->setCursor(Qt::PointingHandCursor);
    return impl;
}

namespace ui {

Control::Impl *runtime::findControl(Form &form, const std::string &name)
{
    return form.impl().controls.at(name).get();
}

void runtime::bindControl(Control::Impl &control, Control *member)
{
    control.member = member;
}

void runtime::setControlEnabled(Control::Impl &control, bool on)
{
    control.widget->setEnabled(on);
}

void runtime::setLabelText(Control::Impl &label, const std::string &text)
{
    static_cast<LabelWidget *>(label.widget)->setText(toText(text));
    // Drop-downs and lists are read by the labels beside them.
    if (label.member)
        renameForReaders(label.member->form());
}

std::string runtime::labelText(const Control::Impl &label)
{
    return toBytes(static_cast<LabelWidget *>(label.widget)->text());
}

void runtime::setButtonText(Control::Impl &button, const std::string &text)
{
    static_cast<QAbstractButton *>(button.widget)->setText(toText(text));
}

std::string runtime::buttonText(const Control::Impl &button)
{
    return toBytes(static_cast<QAbstractButton *>(button.widget)->text());
}

int runtime::comboEntryCount(const Control::Impl &combo)
{
    return static_cast<ComboBoxWidget *>(combo.widget)->count();
}

void runtime::setComboEntry(Control::Impl &combo, int n, const std::string &text)
{
    static_cast<ComboBoxWidget *>(combo.widget)->setItem(n, toText(text));
}

int runtime::comboSelection(const Control::Impl &combo)
{
    return static_cast<ComboBoxWidget *>(combo.widget)->itemIndex();
}

void runtime::setComboSelection(Control::Impl &combo, int n)
{
    static_cast<ComboBoxWidget *>(combo.widget)->setItemIndex(n);
}

std::string runtime::comboText(const Control::Impl &combo)
{
    return toBytes(static_cast<ComboBoxWidget *>(combo.widget)->currentText());
}

std::string runtime::folderListDirectory(const Control::Impl &list)
{
    return static_cast<FolderListWidget *>(list.widget)->directory();
}

void runtime::setFolderListDirectory(Control::Impl &list, const std::string &folder)
{
    static_cast<FolderListWidget *>(list.widget)->setDirectory(folder);
}

void runtime::setFolderListDrive(Control::Impl &list, const std::string &driveRoot)
{
    static_cast<FolderListWidget *>(list.widget)->setDrive(driveRoot);
}

std::string runtime::selectedDrive(const Control::Impl &drives)
{
    return static_cast<DriveComboBoxWidget *>(drives.widget)->drive();
}

void runtime::setSelectedDrive(Control::Impl &drives, const std::string &driveRoot)
{
    static_cast<DriveComboBoxWidget *>(drives.widget)->setDrive(driveRoot);
}

void runtime::setDriveList(Control::Impl &drives, const std::vector<std::string> &list)
{
    static_cast<DriveComboBoxWidget *>(drives.widget)->setDrives(list);
}

} // namespace ui

QWidget *controlWidget(const ui::Control &control)
{
    return control.impl().widget;
}
