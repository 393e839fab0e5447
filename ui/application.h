#pragma once
// Start-up and shutdown: the fixed set of four windows.

// Creates Form1 (running its creation handler inside the guard), then
// Form2, Form3 and Form4, each hidden.
void createForms();

// Start-up: creates Form1 as createForms() does and shows it. Form2, Form3
// and Form4, hidden until asked for, are created once the main window has
// drawn its first frame, or at the first key or mouse press if sooner.
void startForms();

// Deletes the four windows, newest first.
void destroyForms();
