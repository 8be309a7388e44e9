#pragma once

#include <functional>

class QApplication;

// The whole program: loads the font configuration ahead, creates the
// application, names it, builds the platform's CD tray, shell and message
// boxes and the main window that uses them, and runs the event loop.
// `applicationReady` runs once the application exists, before the window is
// built (the start-up benchmark watches the first paint from there). Returns
// the exit status; an error on the way is shown to the user and ends the
// program.
int runVantelix(int &argc, char **argv, const std::function<void(QApplication &)> &applicationReady = {});
