#pragma once

#include "applysequence.h"

// A CD drive that is not there: commands go nowhere and the reply buffer
// comes back as it was prepared, as with no drive on a real machine.
class NullTray final : public advisor::MediaControl
{
public:
    QString SendMciCommand(const QString &, quintptr) override { return QString(100, QLatin1Char(' ')); }
};
