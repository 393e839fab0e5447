#include "layer/runtime.h"
#include "text.h"

#include <QApplication>
#include <QMessageBox>

void ui::runtime::showErrorBox(const std::string &message)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), toText(message));
}
