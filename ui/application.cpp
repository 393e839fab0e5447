#include "application.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "handler_guard.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

namespace {

// Where no Tahoma is installed, Debian's fonts-wine ships a free one that
// fontconfig does not index; load it ourselves.
void installTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive))
        return;
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
}

template <typename Form>
void deleteForm(Form *&form)
{
    delete form;
    form = nullptr;
}

} // namespace

void initApplication(QApplication &app)
{
    // No display name: Qt would append it to every window title.
    app.setApplicationName(QStringLiteral("Dravomel"));
    app.setQuitOnLastWindowClosed(false);

    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(size));
    app.setWindowIcon(icon);

    installTahoma();
}

void createForms()
{
    Form1 = new TForm1;
    runGuarded([] { Form1->FormCreate(); });
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
}

void destroyForms()
{
    deleteForm(Form4);
    deleteForm(Form3);
    deleteForm(Form2);
    deleteForm(Form1);
}
