#pragma once
// The program started with arguments: the command line, with no window.

// Runs the command line of `argv` (the program's own arguments), writing its
// output and errors to the console or files the program was started with;
// returns the exit status.
int runConsoleCommand(int argc, char **argv);
