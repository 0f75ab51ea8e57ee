#pragma once

class QWidget;

// Windows that open "centred on the screen" are placed by the program, not
// left to a window manager that may not be there (a kiosk, a bare X
// session, a remote display): centred on the screen that holds the mouse
// pointer, where the operator is looking.
void centreOnPointerScreen(QWidget* window);

// Centres `window` when it is first shown; later it stays where it was
// left, as a window that is hidden and shown again does.
void centreWhenFirstShown(QWidget* window);
