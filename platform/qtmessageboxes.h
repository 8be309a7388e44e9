#pragma once

#include "messageboxes.h"

class QWidget;

namespace platform {

// Message boxes of the desktop, modal over their owner window.
class QtMessageBoxes final : public core::MessageBoxes
{
public:
    explicit QtMessageBoxes(QWidget *owner = nullptr);

    // The window the boxes belong to, once it exists.
    void setOwner(QWidget *owner);

    core::Answer show(const core::Message &message) override;

private:
    QWidget *m_owner;
};

} // namespace platform
