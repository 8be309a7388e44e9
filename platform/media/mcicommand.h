#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// One parsed media-control command string. Only the two tray commands are
// understood: "set cdaudio door open" and "set cdaudio door closed".
struct MciCommand
{
    enum class Action { None, OpenDoor, CloseDoor };

    // Action::None whenever status is non-zero.
    Action action = Action::None;
    // Success, or the MCIERR_* code that refuses the string.
    unsigned status = 0;

    bool accepted() const { return action != Action::None; }
};

// Nobody sends a longer command than this; anything beyond it is refused
// without being looked at, so a stray unterminated buffer cannot be walked.
inline constexpr std::size_t kMaxMciCommandLength = 255;

// Keywords are compared without regard to case; words are separated by any
// run of blanks and tabs, with leading and trailing ones ignored, as the
// Windows parser does. Every byte counts, an embedded NUL included.
MciCommand parseMciCommand(std::string_view command);

} // namespace platform
