#pragma once

#include "frmcontrol.h"
#include "qtmessageboxes.h"
#include "recordingshell.h"
#include "recordingtray.h"

// The main window as start-up builds it, with the desktop's own message boxes
// but stand-ins for the CD tray and the shell: no tray moves, no browser
// starts.
struct MainWindowUnderTest
{
    RecordingTray tray;
    RecordingShell shell;
    platform::QtMessageBoxes messageBoxes;
    FrmControl window{tray, messageBoxes, shell};

    MainWindowUnderTest() { messageBoxes.setOwner(&window); }
};
