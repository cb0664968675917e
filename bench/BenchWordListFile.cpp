#include "BenchLists.h"
#include "WordListFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Reading and writing a full list of 100 pairs, in memory and through a real file.
class BenchWordListFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_list = FullBenchList();
        m_bytes = WordListFileBytes(m_list);
        m_list.filePath = m_dir.filePath(QStringLiteral("full.vkf"));
        QVERIFY(!WriteWordListFile(m_list));
    }

    void writeToBuffer()
    {
        QBENCHMARK
        {
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(!WriteWordListFile(std::as_const(m_list), buffer));
        }
    }

    void readFromBuffer()
    {
        WordListFileContent content;
        QBENCHMARK
        {
            QBuffer buffer(&m_bytes);
            buffer.open(QIODevice::ReadOnly);
            QVERIFY(!ReadWordListFile(buffer, content));
        }
        QCOMPARE(int(content.pairs.size()), WordList::MaxWords);
    }

    void writeToFile()
    {
        QBENCHMARK
        {
            QVERIFY(!WriteWordListFile(m_list));
        }
    }

    // The same bytes written in place without the flush to disk that a safe replacement makes:
    // the difference to writeToFile is the cost of that flush.
    void writeInPlaceForComparison()
    {
        QFile file(m_dir.filePath(QStringLiteral("plain.vkf")));
        QBENCHMARK
        {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(!WriteWordListFile(std::as_const(m_list), file));
            file.close();
        }
    }

    void readFromFile()
    {
        WordListFileContent content;
        QBENCHMARK
        {
            QVERIFY(!ReadWordListFile(m_list.filePath, content));
        }
        QCOMPARE(int(content.pairs.size()), WordList::MaxWords);
    }

private:
    QTemporaryDir m_dir;
    WordList m_list;
    QByteArray m_bytes;
};

QTEST_GUILESS_MAIN(BenchWordListFile)
#include "BenchWordListFile.moc"
