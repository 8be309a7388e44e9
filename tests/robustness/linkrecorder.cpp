#include "linkrecorder.h"

#include <QDesktopServices>
#include <QStringList>

namespace {
// Every scheme a browser or mail program would take; a request for any of
// them must reach the recorder, never a real program.
const QStringList kSchemes{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto"),
                           QStringLiteral("ftp")};
} // namespace

LinkRecorder::LinkRecorder(std::function<void(const QUrl &)> onOpen, QObject *parent)
    : QObject(parent)
    , m_onOpen(std::move(onOpen))
{
    for (const QString &scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "open");
}

LinkRecorder::~LinkRecorder()
{
    for (const QString &scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void LinkRecorder::open(const QUrl &url)
{
    m_onOpen(url);
}
