#pragma once
// The program started with arguments: the command line, with no window.

// Whether the program was started from a console or terminal: on Windows a
// console of the program that started it, or standard handles it was given
// (a script's redirection), which a start from the desktop never has; on
// Linux a terminal on standard input, output or error.
bool startedFromConsole();

// Runs the command line of `argv` (the program's own arguments), writing its
// output and errors to the console or files the program was started with;
// returns the exit status.
int runConsoleCommand(int argc, char **argv);
