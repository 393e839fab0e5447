#include "image.h"
#include "ending_signals.h"
#include "layer/runtime.h"
#include "impl.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <QtEndian>

#include <cstring>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the table directory of a TrueType font lists `tag`, or -1.
qsizetype tableRecord(QByteArrayView font, const char *tag)
{
    if (font.size() < 12)
        return -1;
    const int tableCount = qFromBigEndian<quint16>(font.data() + 4);
    for (int i = 0; i < tableCount && 12 + 16 * (i + 1) <= font.size(); ++i)
        if (font.sliced(12 + 16 * i, 4) == QByteArrayView(tag, 4))
            return 12 + 16 * i;
    return -1;
}

// Where a font's four-letter maker code (in its OS/2 table) lies, or -1.
qsizetype makerCodeAt(QByteArrayView font)
{
    const qsizetype record = tableRecord(font, "OS/2");
    if (record < 0)
        return -1;
    const qsizetype at = qsizetype(qFromBigEndian<quint32>(font.data() + record + 8)) + 58;
    return at + 4 <= font.size() ? at : -1;
}

// Renames a TrueType font in place: its name table then names only `family`
// and `style`, so that Qt files it under that family, and its maker code
// becomes `maker`. The new name table takes the old one's room; false if it
// has none or too little.
bool renameFont(char *font, qsizetype size, const QString &family, const QString &style, const QByteArray &maker)
{
    const QList<std::pair<quint16, QString>> names = {
        {1, family}, {2, style}, {4, family + ' ' + style}, {6, family + '-' + style}};
    QByteArray table(6 + 12 * names.size(), '\0');
    auto put16 = [](QByteArray &bytes, qsizetype at, quint16 value) {
        qToBigEndian(value, bytes.data() + at);
    };
    put16(table, 2, quint16(names.size()));
    put16(table, 4, quint16(table.size()));
    QByteArray strings;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QByteArray text(names[i].second.size() * 2, '\0');
        qToBigEndian<char16_t>(names[i].second.utf16(), names[i].second.size(), text.data());
        const qsizetype record = 6 + 12 * i;
        put16(table, record, 3);           // Windows platform,
        put16(table, record + 2, 1);       // Unicode,
        put16(table, record + 4, 0x0409);  // English
        put16(table, record + 6, names[i].first);
        put16(table, record + 8, quint16(text.size()));
        put16(table, record + 10, quint16(strings.size()));
        strings += text;
    }
    table += strings;

    const QByteArrayView view(font, size);
    const qsizetype record = tableRecord(view, "name");
    if (record < 0)
        return false;
    const quint32 at = qFromBigEndian<quint32>(font + record + 8);
    const quint32 room = qFromBigEndian<quint32>(font + record + 12);
    if (at > quint64(size) || room > size - at || table.size() > room)
        return false;
    std::memcpy(font + at, table.constData(), table.size());
    qToBigEndian(quint32(table.size()), font + record + 12);
    const qsizetype makerAt = makerCodeAt(view);
    if (makerAt >= 0 && maker.size() == 4)
        std::memcpy(font + makerAt, maker.constData(), 4);
    return true;
}

// A font file mapped for the rest of the program, as the font database wants
// it (fonts stay registered until the end). The mapping is private: changes
// stay in this program and copy only the pages they touch, and the pages
// never read are never loaded.
QByteArray mapFont(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    void *data = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        data = ::mmap(nullptr, size_t(info.st_size), PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED)
        return {};
    return QByteArray::fromRawData(static_cast<const char *>(data), qsizetype(info.st_size));
}

// Where no Tahoma is installed, free stand-ins take its place, one per
// weight: the Tahoma of Debian's fonts-wine (which fontconfig does not index)
// for regular, and for bold DejaVu Sans Condensed Bold, since the wine bold
// draws thin with a wide gap after "/".
void installTahomaStandIns()
{
    const QString tahoma = QStringLiteral("Tahoma");
    // The family's styles come straight from the font list; matching a font
    // (QFontInfo) would also load the stand-in fontconfig offers for it.
    if (!QFontDatabase::styles(tahoma).isEmpty())
        return;
    const QByteArray regular = mapFont("/usr/share/wine/fonts/tahoma.ttf");
    QFontDatabase::addApplicationFontFromData(regular);
    // Qt files a family's fonts by maker and looks for a weight among the
    // first maker's fonts only, thickening its regular face for bold: both
    // stand-ins must come from one maker.
    const qsizetype makerAt = makerCodeAt(regular);
    const QByteArray maker = makerAt >= 0 ? regular.mid(makerAt, 4) : QByteArray();
    const QByteArray bold = mapFont("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf");
    // Written through the private mapping; constData() keeps the array from copying it.
    if (renameFont(const_cast<char *>(bold.constData()), bold.size(), tahoma, QStringLiteral("Bold"), maker))
        QFontDatabase::addApplicationFontFromData(bold);
}

// Runs the work once the form's first frame is on the screen, or at the
// first press if that comes sooner. It belongs to the form's window, so it
// goes with it.
class FirstFrameWatcher : public QObject {
public:
    FirstFrameWatcher(QWidget *window, std::function<void()> work)
        : QObject(window), window_(window), work_(std::move(work))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Paint:
            // The frame is flushed once the paint events are done.
            if (!scheduled_ && watched->isWidgetType()
                && static_cast<QWidget *>(watched)->window() == window_) {
                scheduled_ = true;
                QTimer::singleShot(0, this, [this] { run(); });
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Close:
            run();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void run()
    {
        // A press may come between the first frame and its queued call.
        if (done_)
            return;
        done_ = true;
        qApp->removeEventFilter(this);
        work_();
        deleteLater();
    }

    QWidget *window_;
    std::function<void()> work_;
    bool scheduled_ = false;
    bool done_ = false;
};

} // namespace

struct ui::Application::Impl {
    explicit Impl(int &argc, char **argv) : app(argc, argv) {}
    EndingSignals endings;  // before the application starts any thread
    QApplication app;
};

ui::Application::Impl *ui::runtime::startApplication(int &argc, char **argv, const std::string &title)
{
    auto *impl = new Application::Impl(argc, argv);
    // No display name: Qt would append it to every window title.
    impl->app.setApplicationName(QString::fromStdString(title));
    impl->app.setQuitOnLastWindowClosed(false);

    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(readPicture(QStringLiteral(":/art/icon_%1.png").arg(size))));
    impl->app.setWindowIcon(icon);

    installTahomaStandIns();
    impl->endings.listen();
    return impl;
}

void ui::runtime::stopApplication(Application::Impl *application)
{
    delete application;
}

int ui::runtime::runEventLoop()
{
    return QApplication::exec();
}

void ui::runtime::endEventLoop()
{
    // Not quit(): that first asks every shown window to close, and the
    // windows answer a close themselves, so a window still on the screen
    // (a picker left open) would keep the program running.
    QCoreApplication::exit(0);
}

void ui::runtime::afterFirstFrame(Form &form, std::function<void()> work)
{
    new FirstFrameWatcher(form.impl().window, std::move(work));
}
