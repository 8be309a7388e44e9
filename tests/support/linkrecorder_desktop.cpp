#include "linkrecorder.h"

#include <QDesktopServices>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

namespace {
// Every scheme a browser or mail program would take; a request for any of
// them must reach the recorder, never a real program.
const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                           QStringLiteral("ftp")};

void handleWith(QObject *handler, const char *method)
{
    for (const QString &scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, handler, method);
}
} // namespace

LinkRecorder::LinkRecorder(std::function<void(const QUrl &)> onOpen, QObject *parent)
    : QObject(parent)
    , m_onOpen(std::move(onOpen))
{
    handleWith(this, "open");
}

LinkRecorder::~LinkRecorder()
{
    for (const QString &scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void LinkRecorder::refuseRequests(int count)
{
    // A handler without the method: desktop services cannot deliver the
    // request, warn, and report failure.
    handleWith(this, "noSuchProgram");
    for (int warning = 0; warning < count; ++warning)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("noSuchProgram")));
}

void LinkRecorder::open(const QUrl &url)
{
    m_onOpen(url);
}
