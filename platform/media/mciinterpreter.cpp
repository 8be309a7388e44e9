#include "mciinterpreter.h"

#include "cdtray.h"
#include "mcicommand.h"
#include "mcistatus.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace platform {

namespace {

// Both tray commands answer with an empty string.
constexpr std::string_view kEmptyReply;

bool fits(std::string_view reply, unsigned returnLength)
{
    return reply.size() < returnLength; // room for the terminating NUL
}

void writeReply(std::string_view reply, char *returnBuffer)
{
    std::ranges::copy(reply, returnBuffer);
    returnBuffer[reply.size()] = '\0';
}

} // namespace

unsigned interpretMciCommand(const char *command, char *returnBuffer, unsigned returnLength, CdTray &tray)
{
    if (returnBuffer && returnLength > 0)
        returnBuffer[0] = '\0';

    if (!command || (!returnBuffer && returnLength > 0))
        return mci::NullParameterBlock;

    // strnlen stops one past the limit, so an over-long string is seen as such
    // without reading it to its end.
    const MciCommand parsed = parseMciCommand({command, strnlen(command, kMaxMciCommandLength + 1)});
    if (!parsed.accepted())
        return parsed.status;

    if (!fits(kEmptyReply, returnLength))
        return mci::ParamOverflow;

    const unsigned status = parsed.action == MciCommand::Action::OpenDoor ? tray.open() : tray.close();
    writeReply(kEmptyReply, returnBuffer);
    return status;
}

} // namespace platform
