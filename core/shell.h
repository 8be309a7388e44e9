#pragma once

#include <QString>
#include <QtGlobal>

namespace core {

// The desktop shell: opens a web address in the user's browser and a
// "mailto:" link in their mail program.
class Shell
{
public:
    // Returns at once; a target that nothing can open is not reported.
    // ownerWindow is the native handle of the window asking, which owns
    // whatever the shell shows; workingFolder is where the started program
    // begins, where the platform lets us choose.
    virtual void open(quintptr ownerWindow, const QString &target, const QString &workingFolder) = 0;

protected:
    ~Shell() = default;
};

} // namespace core
