// Dravomel: writes the configuration file of a CPS3 or Model 2 emulator.
#include "application.h"
#include "console_command.h"
#include "layer/application.h"

int main(int argc, char **argv)
{
    // Any argument makes it a command-line run, which needs no display, so
    // it is done before the GUI application exists.
    if (argc > 1)
        return runConsoleCommand(argc, argv);

    ui::Application app(argc, argv, "Dravomel");
    startForms();
    const int result = app.run();
    destroyForms();
    return result;
}
