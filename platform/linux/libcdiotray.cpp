#include "libcdiotray.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <memory>

namespace platform {

namespace {

Q_LOGGING_CATEGORY(lcCdio, "vantelix.media.cdio", QtInfoMsg)

void logToCategory(cdio_log_level_t level, const char message[])
{
    qCDebug(lcCdio, "level %d: %s", int(level), message ? message : "");
}

// While it lives, libcdio's log goes to the "vantelix.media.cdio" debug
// category instead of stderr: libcdio's own handler prints "++ WARN:" lines,
// and ends the process on an error-level message.
class LogSilencer
{
public:
    LogSilencer()
        : m_previous(cdio_log_set_handler(&logToCategory))
    {
    }
    // libcdio 2.1 stores a null handler as given and later calls it, its
    // header notwithstanding; never leave that behind.
    ~LogSilencer() { cdio_log_set_handler(m_previous ? m_previous : &cdio_default_log_handler); }

    LogSilencer(const LogSilencer &) = delete;
    LogSilencer &operator=(const LogSilencer &) = delete;

private:
    cdio_log_handler_t m_previous;
};

// The default drive's device name, empty when there is none: libcdio would go
// looking for a drive of its own on a null name.
QByteArray defaultDrive()
{
    const std::unique_ptr<char, decltype(&cdio_free)> found(cdio_get_default_device(nullptr), &cdio_free);
    return found ? QByteArray(found.get()) : QByteArray();
}

} // namespace

void LibcdioTray::open()
{
    const LogSilencer silencer;
    // Linux's eject asks the drive first and leaves an open tray as it is.
    if (const QByteArray drive = defaultDrive(); !drive.isEmpty())
        cdio_eject_media_drive(drive.constData());
}

void LibcdioTray::close()
{
    const LogSilencer silencer;
    driver_id_t driver = DRIVER_DEVICE;
    if (const QByteArray drive = defaultDrive(); !drive.isEmpty())
        cdio_close_tray(drive.constData(), &driver);
}

} // namespace platform
