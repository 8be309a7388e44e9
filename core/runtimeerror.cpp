#include "runtimeerror.h"

namespace core {

RuntimeError::RuntimeError(Number number, const QString &description)
    : std::runtime_error(description.toStdString())
    , m_number(number)
    , m_description(description)
{
}

QString RuntimeError::message() const
{
    return QStringLiteral("Run-time error '%1':\n\n%2").arg(QString::number(m_number), m_description);
}

void throwOverflow()
{
    throw RuntimeError(RuntimeError::Overflow, QStringLiteral("Overflow"));
}

} // namespace core
