#include "mcisendstring.h"

#include "mcisendstring_win.h"
#include "mcistatus.h"

#include <utility>

namespace platform {

namespace {

// winmm's function, unless a test has put a stand-in in its place.
MciSendStringAFunction g_mciSendStringA = &::mciSendStringA;

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

unsigned mciSendString(const char *command, char *returnBuffer, unsigned returnLength, quintptr callbackWindow)
{
    return g_mciSendStringA(command, returnBuffer, returnLength, reinterpret_cast<HWND>(callbackWindow));
}

MciSendStringAReplacement::MciSendStringAReplacement(MciSendStringAFunction replacement)
    : m_previous(std::exchange(g_mciSendStringA, replacement))
{
}

MciSendStringAReplacement::~MciSendStringAReplacement()
{
    g_mciSendStringA = m_previous;
}

} // namespace platform
