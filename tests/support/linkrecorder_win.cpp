#include "linkrecorder.h"

#include "shellexecute_win.h"

#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

// The shell's function is a plain function pointer, so its stand-in finds
// the recorder here.
struct StandIn
{
    LinkRecorder *recorder = nullptr;
    bool refusing = false;
    std::unique_ptr<platform::ShellExecuteAReplacement> replacement;
};
StandIn g_standIn;

// ShellExecuteA's answer: a number in the place of an instance handle.
HINSTANCE shellAnswer(INT_PTR code)
{
    return reinterpret_cast<HINSTANCE>(code);
}

HINSTANCE WINAPI recordShellExecuteA(HWND, LPCSTR, LPCSTR file, LPCSTR, LPCSTR, INT)
{
    if (g_standIn.refusing) {
        qWarning("ShellExecuteA: no program opens %s", file);
        return shellAnswer(SE_ERR_NOASSOC);
    }
    g_standIn.recorder->open(QUrl(QString::fromLocal8Bit(file), QUrl::StrictMode));
    return shellAnswer(33); // above 32: opened
}

} // namespace

LinkRecorder::LinkRecorder(std::function<void(const QUrl &)> onOpen, QObject *parent)
    : QObject(parent)
    , m_onOpen(std::move(onOpen))
{
    Q_ASSERT(!g_standIn.recorder);
    g_standIn.recorder = this;
    g_standIn.replacement = std::make_unique<platform::ShellExecuteAReplacement>(&recordShellExecuteA);
}

LinkRecorder::~LinkRecorder()
{
    g_standIn = {};
}

void LinkRecorder::refuseRequests(int count)
{
    g_standIn.refusing = true;
    for (int warning = 0; warning < count; ++warning)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ShellExecuteA: no program opens ")));
}

void LinkRecorder::open(const QUrl &url)
{
    m_onOpen(url);
}
