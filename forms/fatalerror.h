#pragma once

class QString;

namespace fatal {

// Shows the message of an error that nothing handled, then ends the program
// at once: a handler that stopped half-way leaves windows nobody can trust.
[[noreturn]] void endWithError(const QString &message);

// The same for the exception being handled; call it from a catch block.
[[noreturn]] void endWithCurrentException();

} // namespace fatal
