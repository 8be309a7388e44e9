#pragma once

#include <thread>
#include <vector>

// Linked into a test, this stands in for fontconfig's FcInit for the whole
// process (the font database's calls included), passes each call on to
// fontconfig and records it.
namespace fcinit {

struct Call
{
    std::thread::id thread;
    bool loaded = false;
};

std::vector<Call> callsSoFar();

} // namespace fcinit
