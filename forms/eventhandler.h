#pragma once

#include "fatalerror.h"

#include <QObject>

// Runs an event handler of a form. An error that escapes it never reaches
// Qt's event loop (which cannot carry exceptions): the user is told what went
// wrong and the program ends.
template<typename Handler>
void runHandler(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
        fatal::endWithCurrentException();
    }
}

// Connects a signal to a handler of a form, through runHandler().
template<typename Sender, typename Signal, typename Form>
QMetaObject::Connection connectHandler(const Sender *sender, Signal signal, Form *form, void (Form::*handler)())
{
    return QObject::connect(sender, signal, form, [form, handler] { runHandler([form, handler] { (form->*handler)(); }); });
}
