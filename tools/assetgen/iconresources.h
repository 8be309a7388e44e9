#pragma once

#include <QByteArray>

namespace assetgen {

// Resource-script statements that carry every image of an .ico file as a
// language-neutral icon image resource (type 3), numbered from firstImageId,
// and the icon group (type 14) groupId that lists them, as raw data. rc's own
// ICON statement would number the images from 1 itself. The group is the
// file's header and directory with each image's 32-bit file offset replaced
// by its 16-bit resource id.
QByteArray iconResourceScript(const QByteArray &icoFile, quint16 groupId, quint16 firstImageId);

} // namespace assetgen
