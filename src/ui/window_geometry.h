#pragma once

class QWidget;

// The main window's size, position and maximised state, kept per user from one run to the next.
// Restoring keeps the window on a screen that is there, no larger than its free area; without a
// stored place the start size is only fitted to the screen.
void restoreWindowGeometry(QWidget& window);
void storeWindowGeometry(const QWidget& window);
