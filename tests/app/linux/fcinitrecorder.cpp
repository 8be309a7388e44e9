#include "fcinitrecorder.h"

#include <QMutex>

#include <fontconfig/fontconfig.h>

#include <dlfcn.h>

namespace {

QMutex callsMutex;
std::vector<fcinit::Call> calls;

} // namespace

extern "C" FcBool FcInit()
{
    using Init = FcBool (*)();
    static const auto fontconfigInit = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "FcInit"));
    const FcBool loaded = fontconfigInit();
    const QMutexLocker lock(&callsMutex);
    calls.push_back({std::this_thread::get_id(), loaded == FcTrue});
    return loaded;
}

namespace fcinit {

std::vector<Call> callsSoFar()
{
    const QMutexLocker lock(&callsMutex);
    return calls;
}

} // namespace fcinit
