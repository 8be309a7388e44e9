#pragma once

#include <windows.h>

#include <shellapi.h>

namespace platform {

struct ShellOpenRequest;

// Hands the request to ShellExecuteA and returns the shell's answer: above
// 32 for success, else an SE_ERR_* code. shellOpen() does this and ignores
// the answer.
HINSTANCE shellExecute(const ShellOpenRequest &request);

// The shell's narrow ShellExecuteA, or a stand-in of exactly its type.
using ShellExecuteAFunction = decltype(&::ShellExecuteA);

// While it lives, shellOpen() calls `replacement` instead of the shell's
// ShellExecuteA: a test sees exactly what would reach the shell without
// starting a browser. Nothing else swaps the function; each replacement puts
// back what it found.
class ShellExecuteAReplacement
{
public:
    explicit ShellExecuteAReplacement(ShellExecuteAFunction replacement);
    ~ShellExecuteAReplacement();

    ShellExecuteAReplacement(const ShellExecuteAReplacement &) = delete;
    ShellExecuteAReplacement &operator=(const ShellExecuteAReplacement &) = delete;

private:
    ShellExecuteAFunction m_previous;
};

} // namespace platform
