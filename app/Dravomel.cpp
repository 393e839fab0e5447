// Dravomel: writes the configuration file of a CPS3 or Model 2 emulator.
#include "Unit1.h"
#include "application.h"
#include "console_command.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Any argument makes it a command-line run, which needs no display, so
    // it is done before the GUI application exists.
    if (argc > 1)
        return runConsoleCommand(argc, argv);

    QApplication app(argc, argv);
    initApplication(app);
    startForms();
    const int result = app.exec();
    destroyForms();
    return result;
}
