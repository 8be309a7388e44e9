#pragma once

#include <QWidget>

// Says a short text to a screen reader, wherever the keyboard focus is.
//
// Qt 6.4 has no announcement event, and its AT-SPI bridge sends the object
// instead of the new text with a name or description change, which Orca 43
// then cannot speak ("bad content sent to speak()"). Orca does speak a
// notification as it appears, and leaves out the word "notification" for one
// in a status bar (scripts/default.py, onShowingChanged). So this is a status
// bar the size of nothing whose notification appears once for each text.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    void announce(const QString &text);

private:
    QWidget *m_notification;
};
