#pragma once

#include <QString>

// Who made the program and where to reach them: the texts and targets of the
// About window's credit line and links, kept in one place.
namespace about {

QString authorName();
QString authorEmail();
QString website();      // the project's home page, as the build declares it

QString creditLine();   // "Everything: " and the author's name
QString mailTarget();   // "mailto:" and the author's e-mail address

} // namespace about
