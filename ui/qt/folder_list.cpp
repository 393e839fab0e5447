#include "folder_list.h"

#include "layer/folder_list.h"
#include "text.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>


namespace {

constexpr int kLevelRole = Qt::UserRole + 1;

// Draws each row shifted right by its level.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left()
                             + index.data(kLevelRole).toInt() * ui::folder_list::kIndent);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), ui::folder_list::kRowHeight};
    }
};

} // namespace

// The tree's rows as Qt asks for them, made on demand, so a folder of a
// hundred thousand subfolders costs one name per subfolder.
class FolderModel : public QAbstractListModel {
public:
    FolderModel(QObject *parent, QIcon open, QIcon closed)
        : QAbstractListModel(parent), openIcon_(std::move(open)), closedIcon_(std::move(closed))
    {
    }

    const core::FolderTree &tree() const { return tree_; }

    // Changes the tree and tells the view about it.
    template <typename Change>
    void change(Change change)
    {
        beginResetModel();
        change(tree_);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : tree_.rowCount();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        switch (role) {
        case Qt::DisplayRole:
            return toText(tree_.rowText(index.row()));
        case Qt::DecorationRole:
            return tree_.isOpenFolder(index.row()) ? openIcon_ : closedIcon_;
        case kLevelRole:
            return tree_.rowLevel(index.row());
        default:
            return {};
        }
    }

private:
    QIcon openIcon_;
    QIcon closedIcon_;
    core::FolderTree tree_;
};

FolderListWidget::FolderListWidget(QWidget *parent)
    : QListView(parent),
      model_(new FolderModel(this, style()->standardIcon(QStyle::SP_DirOpenIcon),
                             style()->standardIcon(QStyle::SP_DirClosedIcon)))
{
    setModel(model_);
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setIconSize(QSize(ui::folder_list::kRowHeight, ui::folder_list::kRowHeight));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    showCurrent();  // the tree starts at the working folder
}

std::string FolderListWidget::directory() const
{
    return model_->tree().directory();
}

void FolderListWidget::setDirectory(const std::string &folder)
{
    model_->change([&](core::FolderTree &tree) { tree.setDirectory(folder); });
    showCurrent();
}

void FolderListWidget::setDrive(const std::string &driveRoot)
{
    model_->change([&](core::FolderTree &tree) { tree.setDrive(driveRoot); });
    showCurrent();
}

void FolderListWidget::open(int row, const std::function<void()> &reportPress)
{
    ui::folder_list::userOpens(model_->tree(), row, [this](int opened) {
        model_->change([&](core::FolderTree &tree) { tree.open(opened); });
        showCurrent();
    }, reportPress);
}

void FolderListWidget::showCurrent()
{
    const QModelIndex here = model_->index(model_->tree().chainLength() - 1);
    setCurrentIndex(here);
    // Scrolling lays out every row. A hidden list leaves it to Qt, which
    // scrolls to the current row when the list shows.
    if (isVisible())
        scrollTo(here);
}

void FolderListWidget::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    emit mouseDown();
}

void FolderListWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        mousePressEvent(event);  // only a second press
        return;
    }
    open(index.row(), [this] { emit mouseDown(); });
}

void FolderListWidget::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        open(currentIndex().row(), nullptr);
        return;
    }
    QListView::keyPressEvent(event);
}
