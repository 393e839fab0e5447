#include "combo_box.h"

#include "errors.h"
#include "layer/combo_box.h"
#include "text.h"
#include "list_entries.h"

#include <QLineEdit>
#include <QSignalBlocker>

ComboBoxWidget::ComboBoxWidget(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // No inline completion: what the user types is what the list holds.
    setCompleter(nullptr);
    giveEntriesRoomForTheirText(this);
    // activated() is the user's choice (list, arrow keys, wheel), after the
    // selection changed; textEdited() the user's typing, never the program's
    // setEditText(). currentIndexChanged() would also fire for the program.
    connect(this, &QComboBox::activated, this, [this] { emit changed(); });
    connect(lineEdit(), &QLineEdit::textEdited, this, &ComboBoxWidget::userEdited);
}

void ComboBoxWidget::setItem(int n, const QString &text)
{
    if (ui::combo::validEntry(n, count()) < 0)
        throw core::ListIndexError(n);
    setItemText(n, text);
}

void ComboBoxWidget::setItemIndex(int n)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(ui::combo::validEntry(n, count()));
    if (currentIndex() < 0)
        setEditText(QString());
}

void ComboBoxWidget::userEdited(const QString &text)
{
    // A plain QComboBox keeps its old entry selected while the user types;
    // here the selection follows the text.
    const int match = ui::combo::entryOfText(toBytes(text), count(), [this](int n) { return toBytes(itemText(n)); });
    if (match != currentIndex()) {
        const int cursor = lineEdit()->cursorPosition();
        {
            const QSignalBlocker quiet(this);
            setCurrentIndex(match);  // empties the text when there is no match
        }
        if (lineEdit()->text() != text) {
            lineEdit()->setText(text);
            lineEdit()->setCursorPosition(cursor);
        }
    }
    emit changed();
}
