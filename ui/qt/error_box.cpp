#include "layer/application.h"
#include "text.h"

#include <QApplication>
#include <QMessageBox>

void ui::showErrorBox(const std::string &message)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), toText(message));
}
