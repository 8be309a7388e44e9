#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The tree of a version resource: VS_VERSIONINFO with the fixed part as its
// value, then StringFileInfo / VarFileInfo blocks, string tables and values.
namespace versioninfo {

struct Node
{
    QString key;
    quint16 type = 0;   // 1 for text values, 0 for binary
    QByteArray value;
    QList<Node> children;

    QString text() const;                   // a text value without its terminating zero
    QStringList childKeys() const;
    const Node *child(const QString &key) const;
};

// The root node; on malformed data an empty node and a description in *error.
Node parse(const QByteArray &data, QString *error);

} // namespace versioninfo
