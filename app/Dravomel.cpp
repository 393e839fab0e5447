// Dravomel: writes the configuration file of a CPS3 or Model 2 emulator.
#include "application.h"
#include "command_line.h"
#include "console_command.h"
#include "layer/application.h"

int main(int argc, char **argv)
{
    // A command-line run needs no display, so it is done before the GUI
    // application exists. Other arguments are not read.
    if (core::isCommandLineRun({argv + 1, argv + argc}, argc > 1 && startedFromConsole()))
        return runConsoleCommand(argc, argv);

    // Not even the runtime reads them: a dropped file named like one of its
    // options must not change the windows.
    int onlyTheName = 1;
    ui::Application app(onlyTheName, argv, "Dravomel");
    startForms();
    const int result = app.run();
    destroyForms();
    return result;
}
