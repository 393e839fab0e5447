#pragma once
// An editable drop-down whose selected-entry number behaves as the windows
// expect: -1 when no entry is selected, also as soon as the user's text is
// no entry; a change signal for the user's doing only.
#include <QComboBox>

class ComboBoxWidget : public QComboBox {
    Q_OBJECT

public:
    explicit ComboBoxWidget(QWidget *parent = nullptr);

    // Replaces entry n's text in place; an entry that does not exist is a
    // list index error.
    void setItem(int n, const QString &text);

    int itemIndex() const { return currentIndex(); }
    // Selects without emitting changed(); -1 removes the selection and
    // empties the shown text.
    void setItemIndex(int n);

signals:
    // The user chose an entry or edited the text; never on setItemIndex.
    void changed();

private:
    void userEdited(const QString &text);
};
