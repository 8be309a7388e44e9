#include "fatalerror.h"

#include "appidentity.h"
#include "runtimeerror.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace fatal {

void endWithError(const QString &message)
{
    QMessageBox::critical(nullptr, identity::title(), message);
    std::fflush(nullptr);
    // No unwinding, no closing events: the state behind them is broken.
    std::_Exit(EXIT_FAILURE);
}

void endWithCurrentException()
{
    QString message;
    try {
        throw;
    } catch (const core::RuntimeError &error) {
        message = error.message();
    } catch (const std::exception &error) {
        message = QStringLiteral("Run-time error:\n\n%1").arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        message = QStringLiteral("Run-time error:\n\nUnknown error");
    }
    endWithError(message);
}

} // namespace fatal
