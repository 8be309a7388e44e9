#pragma once

#include <QtGlobal>

namespace platform {

// Where MciMediaControl sends its strings: the platform's function, or a
// stand-in in tests. The arguments and result are those of mciSendString().
class MciBackend
{
public:
    virtual ~MciBackend() = default;

    virtual unsigned sendString(const char *command, char *returnBuffer, unsigned returnLength,
                                quintptr callbackWindow) = 0;
};

// The real thing: platform::mciSendString().
class SystemMciBackend final : public MciBackend
{
public:
    unsigned sendString(const char *command, char *returnBuffer, unsigned returnLength,
                        quintptr callbackWindow) override;
};

} // namespace platform
