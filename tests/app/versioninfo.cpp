#include "versioninfo.h"

#include "littleendianreader.h"

namespace versioninfo {

namespace {

bool parseNode(LittleEndianReader &reader, qsizetype end, Node *node, QString *error)
{
    const qsizetype start = reader.position();
    const quint16 length = reader.u16();
    const quint16 valueLength = reader.u16();
    node->type = reader.u16();
    node->key = reader.utf16z();
    reader.alignTo4();
    // Text values count 16-bit characters, binary ones bytes.
    node->value = reader.bytes(node->type == 1 ? valueLength * 2 : valueLength);
    reader.alignTo4();
    const qsizetype nodeEnd = start + length;
    if (!reader.ok() || length < 6 || nodeEnd > end || reader.position() > nodeEnd + 3) {
        *error = QStringLiteral("Malformed version block \"%1\" at byte %2").arg(node->key).arg(start);
        return false;
    }
    while (reader.position() < nodeEnd) {
        Node child;
        if (!parseNode(reader, nodeEnd, &child, error))
            return false;
        node->children.append(child);
    }
    reader.seek(qMax(reader.position(), nodeEnd));
    reader.alignTo4();
    return true;
}

} // namespace

QString Node::text() const
{
    QString result;
    for (qsizetype i = 0; i + 1 < value.size(); i += 2)
        result.append(QChar(quint16(quint8(value[i]) | quint8(value[i + 1]) << 8)));
    if (result.endsWith(QChar(0)))
        result.chop(1);
    return result;
}

QStringList Node::childKeys() const
{
    QStringList keys;
    for (const Node &node : children)
        keys.append(node.key);
    return keys;
}

const Node *Node::child(const QString &key) const
{
    for (const Node &node : children) {
        if (node.key == key)
            return &node;
    }
    return nullptr;
}

Node parse(const QByteArray &data, QString *error)
{
    LittleEndianReader reader(data);
    Node root;
    if (!parseNode(reader, data.size(), &root, error))
        return {};
    return root;
}

} // namespace versioninfo
