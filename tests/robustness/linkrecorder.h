#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

// Stands in for the browser and the mail program: takes every web address
// and mail link the program asks the desktop to open, for as long as it
// lives.
class LinkRecorder : public QObject
{
    Q_OBJECT

public:
    explicit LinkRecorder(std::function<void(const QUrl &)> onOpen, QObject *parent = nullptr);
    ~LinkRecorder() override;

public slots:
    void open(const QUrl &url);

private:
    std::function<void(const QUrl &)> m_onOpen;
};
