#pragma once

#include "abouthoverlabel.h"

// A label of the About window that is a link. Assistive technology sees a
// link (AT-SPI's link role, UI Automation's Hyperlink) named by its address,
// so that a screen reader counts it among the links, not the labels.
class AboutLinkLabel : public AboutHoverLabel
{
    Q_OBJECT

public:
    explicit AboutLinkLabel(QWidget *parent = nullptr);
};
