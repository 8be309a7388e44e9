#pragma once

#include <QWidget>

// The windows' border: a title bar with the system menu and a close box, no
// minimise or maximise box, and no resizing from the size the layout gives.
// A dialog with an owner also gets no taskbar button of its own.
inline void useFixedFrame(QWidget *form, Qt::WindowType kind)
{
    form->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint);
    form->setFixedSize(form->size());
}
