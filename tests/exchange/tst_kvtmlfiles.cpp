// KDE's own KVTML files, where the machine has them (the packages kwordquiz or
// kdeedu-kvtml-data): each one imports with the pairs that its XML holds, worked out here with
// a DOM parser, independently of the reader.
#include "KvtmlFile.h"
#include "WordList.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QStringDecoder>
#include <QtTest>

namespace {

const char* const kFolders[] = {"/usr/share/kwordquiz/examples", "/usr/share/kwordquiz",
                                "/usr/share/apps/kvtml", "/usr/share/kvtml"};

QString word(QString text)
{
    for (QChar& c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = u' ';
    }
    return text;
}

QDomElement firstChild(const QDomElement& parent, const char* name)
{
    return parent.firstChildElement(QLatin1String(name));
}

// The translation of the given id in an entry: its own text element.
QString translation(const QDomElement& entry, const QString& id)
{
    for (QDomElement t = firstChild(entry, "translation"); !t.isNull();
         t = t.nextSiblingElement(QStringLiteral("translation"))) {
        if (t.attribute(QStringLiteral("id")) == id)
            return firstChild(t, "text").text();
    }
    return QString();
}

struct Expected
{
    QString heading;
    QString language1;
    QString language2;
    QList<QStringList> pairs;
};

Expected expectedFrom(const QDomDocument& document)
{
    Expected e;
    const QDomElement root = document.documentElement();
    if (root.attribute(QStringLiteral("version")).startsWith(u'2')) {
        e.heading = firstChild(firstChild(root, "information"), "title").text();
        QStringList ids;
        QStringList names;
        for (QDomElement i = firstChild(firstChild(root, "identifiers"), "identifier"); !i.isNull();
             i = i.nextSiblingElement(QStringLiteral("identifier"))) {
            ids << i.attribute(QStringLiteral("id"));
            const QString name = firstChild(i, "name").text();
            names << (name.isEmpty() ? firstChild(i, "locale").text() : name);
        }
        e.language1 = names.value(0);
        e.language2 = names.value(1);
        for (QDomElement entry = firstChild(firstChild(root, "entries"), "entry"); !entry.isNull();
             entry = entry.nextSiblingElement(QStringLiteral("entry"))) {
            e.pairs.append({word(translation(entry, ids.value(0, QStringLiteral("0")))),
                            word(translation(entry, ids.value(1, QStringLiteral("1"))))});
        }
    } else {
        e.heading = root.attribute(QStringLiteral("title"));
        for (QDomElement entry = firstChild(root, "e"); !entry.isNull();
             entry = entry.nextSiblingElement(QStringLiteral("e"))) {
            if (e.pairs.isEmpty()) {
                e.language1 = firstChild(entry, "o").attribute(QStringLiteral("l"));
                e.language2 = firstChild(entry, "t").attribute(QStringLiteral("l"));
            }
            e.pairs.append(
                {word(firstChild(entry, "o").text()), word(firstChild(entry, "t").text())});
        }
    }
    while (!e.pairs.isEmpty() && e.pairs.constLast().join(QString()).isEmpty())
        e.pairs.removeLast();
    return e;
}

} // namespace

class KvtmlFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsAsTheXmlSays_data()
    {
        QTest::addColumn<QString>("path");
        int found = 0;
        for (const char* folder : kFolders) {
            QDirIterator it(QLatin1String(folder), {QStringLiteral("*.kvtml")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                QTest::newRow(qPrintable(path)) << path;
                ++found;
            }
        }
        if (found == 0)
            QSKIP("no KVTML files installed (packages kwordquiz, kdeedu-kvtml-data)");
    }

    void importsAsTheXmlSays()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QDomDocument document;
        const QByteArray bytes = file.readAll();
        // A few files say UTF-8 but hold Windows-1252 letters: their text as the bytes are.
        if (!document.setContent(bytes)) {
            QStringDecoder windows1252("windows-1252");
            QVERIFY(document.setContent(QString(windows1252.decode(bytes))));
        }
        const Expected expected = expectedFrom(document);
        file.seek(0);

        ImportedList list;
        const ExchangeError error = ReadKvtml(file, list);
        QVERIFY2(!error, qPrintable(error.systemReason));
        QCOMPARE(list.heading.value_or(QString()), expected.heading);
        QCOMPARE(list.language1.value_or(QString()), expected.language1);
        QCOMPARE(list.language2.value_or(QString()), expected.language2);
        QCOMPARE(list.total, int(expected.pairs.size()));
        QList<QStringList> pairs;
        for (const auto& [learned, known] : list.pairs)
            pairs.append({learned, known});
        QCOMPARE(pairs, expected.pairs.mid(0, WordList::MaxWords));
    }
};

QTEST_GUILESS_MAIN(KvtmlFilesTest)
#include "tst_kvtmlfiles.moc"
