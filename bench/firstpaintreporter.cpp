#include "firstpaintreporter.h"

#include "probemarkers.h"
#include "procstatus.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

FirstPaintReporter::FirstPaintReporter(QObject *parent)
    : QObject(parent)
{
}

bool FirstPaintReporter::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->isWindow()) {
        m_painted = true;
        std::printf("%s %s%lld\n", bench::kFirstPaintMarker, bench::kPeakResidentField,
                    static_cast<long long>(bench::ownPeakResidentKib().value_or(-1)));
        std::fflush(stdout);
        // The window and its children are painted and flushed within the
        // event being handled now; a zero timer runs after all of that.
        QTimer::singleShot(0, this, &FirstPaintReporter::reportFrameDone);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaintReporter::reportFrameDone()
{
    std::printf("%s\n", bench::kFrameDoneMarker);
    std::fflush(stdout);
    QCoreApplication::exit(EXIT_SUCCESS);
}
