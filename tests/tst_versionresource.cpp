// The Windows version record, compiled here with the MinGW resource compiler
// and read back field by field.

#include <QFile>
#include <QMap>
#include <QTest>
#include <QtEndian>

namespace {

struct VersionNode
{
    QString key;
    QByteArray value; // raw bytes: text as UTF-16, or binary
    bool isText = false;
    QList<VersionNode> children;

    QString text() const
    {
        QString result = QString::fromUtf16(reinterpret_cast<const char16_t *>(value.constData()),
                                            value.size() / 2);
        while (result.endsWith(QChar(u'\0')))
            result.chop(1);
        return result;
    }
    const VersionNode *child(const QString &name) const
    {
        for (const VersionNode &node : children)
            if (node.key == name)
                return &node;
        return nullptr;
    }
};

quint16 word(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}
quint32 dword(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}
qsizetype aligned(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// One node of a VS_VERSIONINFO tree: length, value length, type, key, value,
// children, each part aligned to four bytes.
VersionNode parseNode(const QByteArray &data, qsizetype at)
{
    VersionNode node;
    const qsizetype length = word(data, at);
    const qsizetype valueLength = word(data, at + 2);
    node.isText = word(data, at + 4) == 1;
    qsizetype cursor = at + 6;
    while (word(data, cursor) != 0) {
        node.key += QChar(word(data, cursor));
        cursor += 2;
    }
    cursor = aligned(cursor + 2);
    const qsizetype valueBytes = node.isText ? valueLength * 2 : valueLength;
    node.value = data.mid(cursor, valueBytes);
    cursor = aligned(cursor + valueBytes);
    while (cursor < at + length) {
        node.children.append(parseNode(data, cursor));
        cursor = aligned(cursor + word(data, cursor));
    }
    return node;
}

} // namespace

class TestVersionResource final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionRecord();
};

void TestVersionResource::versionRecord()
{
    QFile file(QStringLiteral(COMPILED_RESOURCE));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
    const QByteArray res = file.readAll();

    // Walk the resource entries to the version record (type 16).
    qsizetype at = 0;
    QByteArray record;
    quint16 language = 0;
    while (at + 32 <= res.size()) {
        const quint32 dataSize = dword(res, at);
        const quint32 headerSize = dword(res, at + 4);
        const bool numericType = word(res, at + 8) == 0xFFFF;
        if (numericType && word(res, at + 10) == 16) {
            record = res.mid(at + headerSize, dataSize);
            language = word(res, at + headerSize - 10); // before Version and Characteristics
        }
        at = aligned(at + headerSize + dataSize);
    }
    QVERIFY(!record.isEmpty());
    QCOMPARE(language, quint16(0x0411));

    const VersionNode root = parseNode(record, 0);
    QCOMPARE(root.key, QStringLiteral("VS_VERSION_INFO"));
    QCOMPARE(dword(root.value, 0), 0xFEEF04BDu);
    QCOMPARE(dword(root.value, 8), 0x00010000u);  // file version 1.0
    QCOMPARE(dword(root.value, 12), 0x00010000u); // .1.0
    QCOMPARE(dword(root.value, 16), 0x00010000u); // product version 1.0
    QCOMPARE(dword(root.value, 20), 0x00010000u); // .1.0

    const VersionNode *strings = root.child(QStringLiteral("StringFileInfo"));
    QVERIFY(strings);
    const VersionNode *table = strings->child(QStringLiteral("041103A4"));
    QVERIFY(table);
    QMap<QString, QString> texts;
    for (const VersionNode &entry : table->children)
        texts.insert(entry.key, entry.text());
    QCOMPARE(texts.take(QStringLiteral("FileVersion")), QStringLiteral("1.0.1.0"));
    QCOMPARE(texts.take(QStringLiteral("ProductVersion")), QStringLiteral("1.0.0.0"));
    const QStringList emptyFields = {
        QStringLiteral("CompanyName"),     QStringLiteral("FileDescription"),
        QStringLiteral("InternalName"),    QStringLiteral("LegalCopyright"),
        QStringLiteral("LegalTrademarks"), QStringLiteral("OriginalFilename"),
        QStringLiteral("ProductName"),     QStringLiteral("Comments")};
    QCOMPARE(QStringList(texts.keys()), [&] {
        QStringList s = emptyFields;
        s.sort();
        return s;
    }());
    for (const QString &text : texts)
        QVERIFY(text.isEmpty());

    const VersionNode *variables = root.child(QStringLiteral("VarFileInfo"));
    QVERIFY(variables);
    const VersionNode *translation = variables->child(QStringLiteral("Translation"));
    QVERIFY(translation);
    QCOMPARE(word(translation->value, 0), quint16(0x0411));
    QCOMPARE(word(translation->value, 2), quint16(932));
}

QTEST_APPLESS_MAIN(TestVersionResource)
#include "tst_versionresource.moc"
