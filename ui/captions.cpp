#include "captions.h"

#include "caption_table.h"
#include "drop_down.h"
#include "text.h"

#include <QAbstractButton>
#include <QLabel>

void applyCaptions(QWidget *window, const core::LanguageTable &table)
{
    for (const core::Caption &c : core::captionsOf(window->objectName().toStdString())) {
        if (c.kind == core::Caption::WindowCaption) {
            window->setWindowTitle(toText(table.line(c.line)));
            continue;
        }
        QWidget *control = window->findChild<QWidget *>(QString::fromLatin1(c.control));
        if (c.kind == core::Caption::Entries) {
            // Entry 0 first: a missing line 2 leaves entry 1 as it was.
            auto *list = static_cast<TComboBox *>(control);
            list->setItem(0, toText(table.line(c.line)));
            list->setItem(1, toText(table.line(c.second)));
            continue;
        }
        std::string text = table.line(c.line);
        if (c.kind == core::Caption::Title)
            text += table.line(c.second);
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(toText(text));
        else
            static_cast<QAbstractButton *>(control)->setText(toText(text));
    }
}
