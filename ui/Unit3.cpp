#include "Unit3.h"

#include "Unit1.h"
#include "handler_guard.h"
#include "skinned_window.h"

#include <QCloseEvent>

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    new SkinnedWindow(this, Image1);
}

void TForm3::OpenFromMainWindow()
{
    Form1->hide();
    show();
}

void TForm3::FormClose()
{
    Form1->close();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { FormClose(); });
    event->accept();
}

#ifdef Q_OS_WIN
bool TForm3::nativeEvent(const QByteArray &, void *message, qintptr *result)
{
    return WMNCHitTest(this, message, result);
}
#endif
