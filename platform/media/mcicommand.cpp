#include "mcicommand.h"

#include "mcistatus.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::string_view kBlanks = " \t";

bool isWord(std::string_view word, std::string_view keyword)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(word, keyword, {}, lower);
}

// Splits off the next word; returns an empty view when none is left.
std::string_view takeWord(std::string_view &rest)
{
    const std::size_t begin = rest.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        rest = {};
        return {};
    }
    const std::size_t end = std::min(rest.find_first_of(kBlanks, begin), rest.size());
    const std::string_view word = rest.substr(begin, end - begin);
    rest.remove_prefix(end);
    return word;
}

MciCommand refused(unsigned status)
{
    return MciCommand{MciCommand::Action::None, status};
}

} // namespace

MciCommand parseMciCommand(std::string_view command)
{
    using enum MciCommand::Action;
    if (command.size() > kMaxMciCommandLength)
        return refused(mci::OutOfRange);

    std::string_view rest = command;
    const std::string_view verb = takeWord(rest);
    if (verb.empty())
        return refused(mci::MissingCommandString);
    if (!isWord(verb, "set"))
        return refused(mci::UnrecognizedCommand);

    const std::string_view device = takeWord(rest);
    if (device.empty())
        return refused(mci::MissingDeviceName);
    if (!isWord(device, "cdaudio"))
        return refused(mci::InvalidDeviceName);

    const std::string_view item = takeWord(rest);
    if (item.empty())
        return refused(mci::MissingParameter);
    if (!isWord(item, "door"))
        return refused(mci::UnrecognizedKeyword);

    const std::string_view state = takeWord(rest);
    if (state.empty())
        return refused(mci::MissingParameter);
    MciCommand::Action action = None;
    if (isWord(state, "open"))
        action = OpenDoor;
    else if (isWord(state, "closed"))
        action = CloseDoor;
    else
        return refused(mci::UnrecognizedKeyword);

    if (!takeWord(rest).empty())
        return refused(mci::UnrecognizedKeyword);
    return MciCommand{action, mci::Success};
}

} // namespace platform
