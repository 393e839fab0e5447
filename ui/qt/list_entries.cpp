#include "list_entries.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyledItemDelegate>

namespace {

class EntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // Three pixels above and below the text, so that it never touches
        // the highlight; an entry's icon fits in that too.
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontMetrics(option.font).height() + 6);
        return size;
    }
};

} // namespace

void giveEntriesRoomForTheirText(QComboBox *box)
{
    // A delegate of our own stays when a style sheet changes the style.
    box->setItemDelegate(new EntryDelegate(box));
}
