#pragma once

#include "applysequence.h"

class QWidget;

namespace platform {

// Message boxes of the desktop, modal over their owner window.
class QtMessageBoxes final : public advisor::MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *owner);

    advisor::Answer show(const advisor::Message &message) override;

private:
    QWidget *m_owner;
};

} // namespace platform
