#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

// Stands in for the browser and the mail program: takes every web address
// and mail link the program asks the desktop to open, for as long as it
// lives. Only one lives at a time.
//
// Where the program hands links to Qt's desktop services it is their URL
// handler (linkrecorder_desktop.cpp); on Windows, where the program calls
// the shell's ShellExecuteA, it takes that function's place
// (linkrecorder_win.cpp).
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    explicit LinkRecorder(std::function<void(const QUrl &)> onOpen, QObject *parent = nullptr);
    ~LinkRecorder() override;

    // From now on every request fails, as when no program can take the
    // target, and the platform warns about each. The running test expects
    // `count` such warnings: Qt Test fails it if fewer come.
    void refuseRequests(int count);

public slots:
    void open(const QUrl &url);

private:
    std::function<void(const QUrl &)> m_onOpen;
};
