// Dravomel: writes the configuration file of a CPS3 or Model 2 emulator.
#include "Unit1.h"
#include "application.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    initApplication(app);
    createForms();
    Form1->show();
    const int result = app.exec();
    destroyForms();
    return result;
}
