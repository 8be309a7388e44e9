#include "cdiologsilencer.h"

#include <QLoggingCategory>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcCdio, "vantelix.media.cdio", QtInfoMsg)

void logToCategory(cdio_log_level_t level, const char message[])
{
    qCDebug(lcCdio, "level %d: %s", int(level), message ? message : "");
}

} // namespace

CdioLogSilencer::CdioLogSilencer()
    : m_previous(cdio_log_set_handler(&logToCategory))
{
}

CdioLogSilencer::~CdioLogSilencer()
{
    // libcdio 2.1 stores a null handler as given and later calls it, its
    // header notwithstanding; never leave that behind.
    cdio_log_set_handler(m_previous ? m_previous : &cdio_default_log_handler);
}

} // namespace platform
