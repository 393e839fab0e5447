#pragma once
// Start-up and the fixed set of four windows.
class QApplication;

// Title, icon and fonts; the program ends when the main window closes, even
// if it is hidden at that moment.
void initApplication(QApplication &app);

// Creates Form1 (running its creation handler inside the guard), then
// Form2, Form3 and Form4, each hidden.
void createForms();

// Start-up: creates Form1 as createForms() does and shows it. Form2, Form3
// and Form4, hidden until asked for, are created once the main window has
// drawn its first frame, or at the first key or mouse press if sooner.
void startForms();

// Deletes the four windows, newest first.
void destroyForms();
