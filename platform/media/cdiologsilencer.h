#pragma once

#include <cdio/logging.h>

namespace platform {

// While it lives, libcdio's log lines go to the "vantelix.media.cdio" debug
// category instead of stderr (libcdio's own handler prints "++ WARN:" lines
// and ends the process on an error-level message). The previous handler is
// put back when it goes out of scope.
class CdioLogSilencer
{
public:
    CdioLogSilencer();
    ~CdioLogSilencer();

    CdioLogSilencer(const CdioLogSilencer &) = delete;
    CdioLogSilencer &operator=(const CdioLogSilencer &) = delete;

private:
    cdio_log_handler_t m_previous;
};

} // namespace platform
