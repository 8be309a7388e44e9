#include "libcdiotray.h"

#include "cdiologsilencer.h"
#include "mcistatus.h"

#include <cdio/cdio.h>

#include <memory>
#include <utility>

namespace platform {

namespace {

struct CdioFree
{
    void operator()(char *text) const { cdio_free(text); }
};

unsigned toMciStatus(driver_return_code_t code)
{
    switch (code) {
    case DRIVER_OP_SUCCESS:
        return mci::Success;
    case DRIVER_OP_ERROR:
        return mci::Hardware;
    case DRIVER_OP_UNSUPPORTED:
        return mci::UnsupportedFunction;
    case DRIVER_OP_UNINIT: // the device could not be opened
    case DRIVER_OP_NOT_PERMITTED:
        return mci::DeviceNotReady;
    default:
        return mci::DriverInternal;
    }
}

} // namespace

LibcdioTray::LibcdioTray(QByteArray device)
    : m_device(std::move(device))
{
}

QByteArray LibcdioTray::device() const
{
    if (!m_device.isEmpty())
        return m_device;
    const std::unique_ptr<char, CdioFree> found(cdio_get_default_device(nullptr));
    return found ? QByteArray(found.get()) : QByteArray();
}

unsigned LibcdioTray::open()
{
    const CdioLogSilencer silencer;
    const QByteArray drive = device();
    // libcdio would go looking for a drive of its own on a null name.
    if (drive.isEmpty())
        return mci::DeviceNotInstalled;
    return toMciStatus(cdio_eject_media_drive(drive.constData()));
}

unsigned LibcdioTray::close()
{
    const CdioLogSilencer silencer;
    const QByteArray drive = device();
    if (drive.isEmpty())
        return mci::DeviceNotInstalled;
    driver_id_t driver = DRIVER_DEVICE;
    return toMciStatus(cdio_close_tray(drive.constData(), &driver));
}

} // namespace platform
