#include "Unit3.h"

#include "Unit1.h"
#include "handler_guard.h"

#include <QCloseEvent>

TForm3 *Form3 = nullptr;

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setupUi(this);
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
