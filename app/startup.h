#pragma once

// Runs the program once its QApplication exists: names it, builds the main
// window over the real media control and runs the event loop. Returns the
// exit status; an error on the way is shown to the user and ends the program.
int runVantelix();
