#include "folder_list.h"

#include "folders.h"
#include "text.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <vector>

namespace {

constexpr int kLevelRole = Qt::UserRole + 1;

// The folders from the drive's root down to `folder`, each as a full path.
std::vector<std::string> chainDownTo(const std::string &drive, const std::string &folder)
{
    std::vector<std::string> chain{drive};
    if (folder == drive)
        return chain;
    std::size_t slash = drive == "/" ? 0 : drive.size();
    while ((slash = folder.find('/', slash + 1)) != std::string::npos)
        chain.push_back(folder.substr(0, slash));
    chain.push_back(folder);
    return chain;
}

std::string lastName(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Draws each row shifted right by its level.
class IndentDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left()
                             + index.data(kLevelRole).toInt() * TDirectoryListBox::kIndent);
        QStyledItemDelegate::paint(painter, shifted, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TDirectoryListBox::kRowHeight};
    }
};

} // namespace

// Rows are made on demand from the chain and the subfolder names, so a
// folder of a hundred thousand subfolders costs one name per subfolder.
class FolderModel : public QAbstractListModel {
public:
    FolderModel(QObject *parent, QIcon open, QIcon closed)
        : QAbstractListModel(parent), openIcon_(std::move(open)), closedIcon_(std::move(closed))
    {
    }

    void reset(std::vector<std::string> chain, std::vector<std::string> subfolders)
    {
        beginResetModel();
        chain_ = std::move(chain);
        subfolders_ = std::move(subfolders);
        endResetModel();
    }

    int chainLength() const { return static_cast<int>(chain_.size()); }

    std::string path(int row) const
    {
        if (row < chainLength())
            return chain_[static_cast<std::size_t>(row)];
        return core::subfolderPath(chain_.back(), subfolders_[static_cast<std::size_t>(row - chainLength())]);
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : chainLength() + static_cast<int>(subfolders_.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int row = index.row();
        const bool inChain = row < chainLength();
        switch (role) {
        case Qt::DisplayRole:
            if (row == 0)
                return toText(chain_.front());  // the drive's root by its path
            return toText(inChain ? lastName(chain_[static_cast<std::size_t>(row)])
                                  : subfolders_[static_cast<std::size_t>(row - chainLength())]);
        case Qt::DecorationRole:
            return inChain ? openIcon_ : closedIcon_;
        case kLevelRole:
            return inChain ? row : chainLength();
        default:
            return {};
        }
    }

private:
    QIcon openIcon_;
    QIcon closedIcon_;
    std::vector<std::string> chain_;
    std::vector<std::string> subfolders_;
};

TDirectoryListBox::TDirectoryListBox(QWidget *parent)
    : QListView(parent),
      model_(new FolderModel(this, style()->standardIcon(QStyle::SP_DirOpenIcon),
                             style()->standardIcon(QStyle::SP_DirClosedIcon)))
{
    setModel(model_);
    setItemDelegate(new IndentDelegate(this));
    setUniformItemSizes(true);
    setIconSize(QSize(kRowHeight, kRowHeight));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setDirectory(core::workingFolder());
}

void TDirectoryListBox::setDirectory(const std::string &folder)
{
    std::string path = folder;
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    std::string drive = core::driveOf(path, core::listDrives());
    if (!core::isOnDrive(path, drive))
        drive = path;  // not a full path: shown on its own
    showFolder(drive, path);
}

void TDirectoryListBox::setDrive(const std::string &driveRoot)
{
    const auto last = lastOnDrive_.find(driveRoot);
    showFolder(driveRoot, last != lastOnDrive_.end() ? last->second : driveRoot);
}

void TDirectoryListBox::showFolder(const std::string &drive, const std::string &folder)
{
    drive_ = drive;
    current_ = folder;
    lastOnDrive_[drive_] = current_;
    // A folder that cannot be read, or is gone, simply shows no subfolders.
    model_->reset(chainDownTo(drive_, current_), core::listSubfolders(current_));
    const QModelIndex here = model_->index(model_->chainLength() - 1);
    setCurrentIndex(here);
    // Scrolling lays out every row. A hidden list leaves it to Qt, which
    // scrolls to the current row when the list shows.
    if (isVisible())
        scrollTo(here);
}

void TDirectoryListBox::open(int row)
{
    showFolder(drive_, model_->path(row));
}

void TDirectoryListBox::mousePressEvent(QMouseEvent *event)
{
    QListView::mousePressEvent(event);
    emit mouseDown();
}

void TDirectoryListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !index.isValid()) {
        mousePressEvent(event);  // only a second press
        return;
    }
    open(index.row());
    emit mouseDown();
}

void TDirectoryListBox::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        open(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}
