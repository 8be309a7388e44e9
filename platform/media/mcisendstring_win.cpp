#include "mcisendstring.h"

#include "mcistatus.h"

#include <windows.h>

#include <mmsystem.h>

namespace platform {

static_assert(mci::ErrorBase == MCIERR_BASE);
static_assert(mci::UnrecognizedKeyword == MCIERR_UNRECOGNIZED_KEYWORD);
static_assert(mci::UnrecognizedCommand == MCIERR_UNRECOGNIZED_COMMAND);
static_assert(mci::InvalidDeviceName == MCIERR_INVALID_DEVICE_NAME);
static_assert(mci::MissingCommandString == MCIERR_MISSING_COMMAND_STRING);
static_assert(mci::MissingParameter == MCIERR_MISSING_PARAMETER);
static_assert(mci::OutOfRange == MCIERR_OUTOFRANGE);
static_assert(mci::MissingDeviceName == MCIERR_MISSING_DEVICE_NAME);
static_assert(mci::ParamOverflow == MCIERR_PARAM_OVERFLOW);
static_assert(mci::NullParameterBlock == MCIERR_NULL_PARAMETER_BLOCK);
static_assert(mci::Hardware == MCIERR_HARDWARE);
static_assert(mci::DriverInternal == MCIERR_DRIVER_INTERNAL);
static_assert(mci::UnsupportedFunction == MCIERR_UNSUPPORTED_FUNCTION);
static_assert(mci::DeviceNotReady == MCIERR_DEVICE_NOT_READY);
static_assert(mci::DeviceNotInstalled == MCIERR_DEVICE_NOT_INSTALLED);

unsigned mciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow)
{
    return mciSendStringA(command, returnBuffer, returnLength, reinterpret_cast<HWND>(callbackWindow));
}

} // namespace platform
