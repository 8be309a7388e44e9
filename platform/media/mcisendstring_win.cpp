#include "mcisendstring.h"

#include "mcistatus.h"

#include <windows.h>

#include <mmsystem.h>

// Qt builds with UNICODE, which makes mciSendString a macro for the wide
// mciSendStringW: it would rename platform::mciSendString below. We call the
// narrow function by its own name instead.
#undef mciSendString

namespace platform {

namespace {

// Our numbers are the platform's; DWORD keeps the comparison unsigned.
constexpr bool sameCode(unsigned ours, DWORD platforms)
{
    return ours == platforms;
}

} // namespace

static_assert(sameCode(mci::ErrorBase, MCIERR_BASE));
static_assert(sameCode(mci::UnrecognizedKeyword, MCIERR_UNRECOGNIZED_KEYWORD));
static_assert(sameCode(mci::UnrecognizedCommand, MCIERR_UNRECOGNIZED_COMMAND));
static_assert(sameCode(mci::InvalidDeviceName, MCIERR_INVALID_DEVICE_NAME));
static_assert(sameCode(mci::MissingCommandString, MCIERR_MISSING_COMMAND_STRING));
static_assert(sameCode(mci::MissingParameter, MCIERR_MISSING_PARAMETER));
static_assert(sameCode(mci::OutOfRange, MCIERR_OUTOFRANGE));
static_assert(sameCode(mci::MissingDeviceName, MCIERR_MISSING_DEVICE_NAME));
static_assert(sameCode(mci::ParamOverflow, MCIERR_PARAM_OVERFLOW));
static_assert(sameCode(mci::NullParameterBlock, MCIERR_NULL_PARAMETER_BLOCK));
static_assert(sameCode(mci::Hardware, MCIERR_HARDWARE));
static_assert(sameCode(mci::CannotLoadDriver, MCIERR_CANNOT_LOAD_DRIVER));
static_assert(sameCode(mci::DriverInternal, MCIERR_DRIVER_INTERNAL));
static_assert(sameCode(mci::UnsupportedFunction, MCIERR_UNSUPPORTED_FUNCTION));
static_assert(sameCode(mci::DeviceNotReady, MCIERR_DEVICE_NOT_READY));
static_assert(sameCode(mci::DeviceNotInstalled, MCIERR_DEVICE_NOT_INSTALLED));

unsigned systemMciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow)
{
    return ::mciSendStringA(command, returnBuffer, returnLength, reinterpret_cast<HWND>(callbackWindow));
}

} // namespace platform
