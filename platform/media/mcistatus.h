#pragma once

// Status codes of the media-control string interface, numbered as the
// Windows MCIERR_* values so that both backends report alike. Zero is success.
namespace platform::mci {

inline constexpr unsigned Success = 0;
inline constexpr unsigned ErrorBase = 256; // MCIERR_BASE

// The command string itself.
inline constexpr unsigned UnrecognizedKeyword = ErrorBase + 3;   // MCIERR_UNRECOGNIZED_KEYWORD
inline constexpr unsigned UnrecognizedCommand = ErrorBase + 5;   // MCIERR_UNRECOGNIZED_COMMAND
inline constexpr unsigned InvalidDeviceName = ErrorBase + 7;     // MCIERR_INVALID_DEVICE_NAME
inline constexpr unsigned MissingCommandString = ErrorBase + 11; // MCIERR_MISSING_COMMAND_STRING
inline constexpr unsigned MissingParameter = ErrorBase + 17;     // MCIERR_MISSING_PARAMETER
inline constexpr unsigned OutOfRange = ErrorBase + 26;           // MCIERR_OUTOFRANGE
inline constexpr unsigned MissingDeviceName = ErrorBase + 36;    // MCIERR_MISSING_DEVICE_NAME

// The arguments around it.
inline constexpr unsigned ParamOverflow = ErrorBase + 12;      // MCIERR_PARAM_OVERFLOW
inline constexpr unsigned NullParameterBlock = ErrorBase + 41; // MCIERR_NULL_PARAMETER_BLOCK

// The drive.
inline constexpr unsigned Hardware = ErrorBase + 6;             // MCIERR_HARDWARE
inline constexpr unsigned CannotLoadDriver = ErrorBase + 10;    // MCIERR_CANNOT_LOAD_DRIVER: none for the device
inline constexpr unsigned DriverInternal = ErrorBase + 16;      // MCIERR_DRIVER_INTERNAL
inline constexpr unsigned UnsupportedFunction = ErrorBase + 18; // MCIERR_UNSUPPORTED_FUNCTION
inline constexpr unsigned DeviceNotReady = ErrorBase + 20;      // MCIERR_DEVICE_NOT_READY
inline constexpr unsigned DeviceNotInstalled = ErrorBase + 50;  // MCIERR_DEVICE_NOT_INSTALLED

} // namespace platform::mci
