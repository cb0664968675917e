// The settings file's reader and writer, on the text and on a real file. Input: the file's bytes,
// then section, key, value and a second section and key, separated by 0x1F. Whatever the file
// holds, a write makes the key read back as written, leaves every other key as it was, and
// survives the trip through the encoding.
#include "FuzzCheck.h"
#include "IniFile.h"
#include "TextCodec.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Names the program itself uses: one line, no brackets or equals sign where they would change
// what a line means.
bool usableSection(const QString& s)
{
    const QString t = s.trimmed();
    return !t.isEmpty() && !t.contains(u']') && !s.contains(u'\r') && !s.contains(u'\n');
}

bool usableKey(const QString& k)
{
    const QString t = k.trimmed();
    return !t.isEmpty() && !t.startsWith(u'[') && !t.contains(u'=') && !k.contains(u'\r') &&
           !k.contains(u'\n');
}

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString oneLine(QString s)
{
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    s.replace(QChar(0), u' ');
    return s.trimmed();
}

// One file for every run, in a folder of its own.
QString filePath()
{
    static QTemporaryDir dir;
    return dir.filePath(QStringLiteral("Vokabo.ini"));
}

// The same checks through IniFile::read and IniFile::write on the file holding the bytes.
void checkFile(const QByteArray& bytes, const QString& section, const QString& key,
               const QString& value, const QString& section2, const QString& key2)
{
    const QString path = filePath();
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "fuzz file opens");
        FUZZ_CHECK(file.write(bytes) == bytes.size(), "fuzz file is written");
    }
    const QString missing(QChar(0)); // no value read can hold a NUL
    const QString before = IniFile::read(path, section2, key2, missing);
    FUZZ_CHECK(!before.contains(QChar(0)) || before == missing, "a NUL ends a value");
    const bool wrote = IniFile::write(path, section, key, value);
    if (!wrote) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly) && file.readAll() == bytes,
                   "a failed write leaves the file");
        return;
    }
    if (usableSection(section) && usableKey(key))
        FUZZ_CHECK(IniFile::read(path, section, key, missing) == oneLine(value),
                   "written value reads back from the file");
    if (!(sameName(section, section2) && sameName(key, key2)) && usableSection(section) &&
        usableKey(key))
        FUZZ_CHECK(IniFile::read(path, section2, key2, missing) == before,
                   "other keys in the file are kept");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> f = FuzzFields(data, size, 6);
    const QString text = TextCodec::decode(f[0]);
    const QString section = QString::fromUtf8(f[1]);
    const QString key = QString::fromUtf8(f[2]);
    const QString value = QString::fromUtf8(f[3]);
    const QString section2 = QString::fromUtf8(f[4]);
    const QString key2 = QString::fromUtf8(f[5]);

    const std::optional<QString> before = IniFile::lookup(text, section2, key2);
    const QString written = IniFile::replaced(text, section, key, value);
    // The file as the next start reads it.
    const QString reread = TextCodec::decode(TextCodec::encode(written));
    FUZZ_CHECK(reread == written, "settings text round trip");

    if (usableSection(section) && usableKey(key)) {
        const std::optional<QString> after = IniFile::lookup(reread, section, key);
        FUZZ_CHECK(after.has_value(), "written key is found");
        FUZZ_CHECK(*after == oneLine(value), "written value reads back");
    }
    if (!(sameName(section, section2) && sameName(key, key2)) && usableSection(section) &&
        usableKey(key)) {
        FUZZ_CHECK(IniFile::lookup(reread, section2, key2) == before, "other keys are kept");
    }
    // Writing the same value again changes nothing.
    if (usableSection(section) && usableKey(key))
        FUZZ_CHECK(IniFile::replaced(written, section, key, value) == written,
                   "second write is idle");
    checkFile(f[0], section, key, value, section2, key2);
    return 0;
}
