#pragma once

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

// Catches whatever the process writes to stdout and stderr while it lives,
// through the C library or straight to the file descriptors. Keep QVERIFY and
// friends out of its lifetime: their messages would be caught too.
class OutputCapture
{
public:
    OutputCapture()
        : m_file(std::tmpfile())
    {
        std::fflush(stdout);
        std::fflush(stderr);
        m_savedOut = ::dup(STDOUT_FILENO);
        m_savedErr = ::dup(STDERR_FILENO);
        ::dup2(::fileno(m_file), STDOUT_FILENO);
        ::dup2(::fileno(m_file), STDERR_FILENO);
    }

    ~OutputCapture()
    {
        restore();
        std::fclose(m_file);
    }

    OutputCapture(const OutputCapture &) = delete;
    OutputCapture &operator=(const OutputCapture &) = delete;

    // Ends the capture and returns what was written.
    QByteArray text()
    {
        restore();
        std::rewind(m_file);
        QByteArray all;
        char chunk[512];
        while (const std::size_t n = std::fread(chunk, 1, sizeof chunk, m_file))
            all.append(chunk, qsizetype(n));
        return all;
    }

private:
    void restore()
    {
        if (m_savedOut < 0)
            return;
        std::fflush(stdout);
        std::fflush(stderr);
        ::dup2(m_savedOut, STDOUT_FILENO);
        ::dup2(m_savedErr, STDERR_FILENO);
        ::close(m_savedOut);
        ::close(m_savedErr);
        m_savedOut = m_savedErr = -1;
    }

    std::FILE *m_file;
    int m_savedOut = -1;
    int m_savedErr = -1;
};
