#include "Unit4.h"

#include "Unit1.h"
#include "handler_guard.h"
#include "skinned_window.h"

#include <QCloseEvent>

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
    new SkinnedWindow(this, Image1);
}

void TForm4::OpenFromMainWindow()
{
    Form1->hide();
    show();
}

void TForm4::FormClose()
{
    Form1->close();
}

void TForm4::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { FormClose(); });
    event->accept();
}

#ifdef Q_OS_WIN
bool TForm4::nativeEvent(const QByteArray &, void *message, qintptr *result)
{
    return WMNCHitTest(this, message, result);
}
#endif
