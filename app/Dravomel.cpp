// Dravomel: writes the configuration file of a CPS3 or Model 2 emulator.
#include "Unit1.h"
#include "application.h"
#include "command_line.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Any argument makes it a command-line run, which needs no display, so
    // it is done before the GUI application exists.
    if (argc > 1) {
        return core::printCommandResult(core::runCommandLine({argv + 1, argv + argc}), stdout, stderr);
    }

    QApplication app(argc, argv);
    initApplication(app);
    startForms();
    const int result = app.exec();
    destroyForms();
    return result;
}
