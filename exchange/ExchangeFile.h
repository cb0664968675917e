#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class QIODevice;

// The formats a list can come in as: the program's own word list, KDE's KVTML, or text with one
// pair a line (CSV, tab-separated, Anki's and Quizlet's exports).
enum class ExchangeFormat { WordList, Kvtml, Delimited };

// The largest file that is imported; a list of a hundred pairs is a few kilobytes.
inline constexpr qint64 kMaxImportBytes = 16 * 1024 * 1024;
// How deep KVTML elements may nest; real files go six deep.
inline constexpr int kMaxXmlDepth = 32;

struct [[nodiscard]] ExchangeError
{
    enum Kind {
        None,
        CannotOpen,
        CannotRead,
        TooLarge,
        NotText,
        BadXml,       // not well-formed; line says where
        NotKvtml,     // well-formed, but another kind of XML
        OwnEntities,  // declares entities of its own, which is how XML bombs are built
        TooDeep,      // nested deeper than any list needs
        FieldTooLong, // a word longer than a word box takes
        CannotWrite
    };
    Kind kind = None;
    QString systemReason; // the platform's or the XML parser's own words, when it gave some
    qint64 line = 0;      // for BadXml: the line of the fault
    int systemError = 0;  // the errno behind it, when known

    bool failed() const { return kind != None; }
    explicit operator bool() const { return failed(); }
};

inline ExchangeError ExchangeFault(ExchangeError::Kind kind, const QString& reason = QString(),
                                   qint64 line = 0, int systemError = 0)
{
    ExchangeError error;
    error.kind = kind;
    error.systemReason = reason;
    error.line = line;
    error.systemError = systemError;
    return error;
}

// A list read from another program's file. Fields the file has no place for are absent, so the
// caller keeps its own values.
struct ImportedList
{
    std::optional<QString> heading;
    std::optional<QString> language1;
    std::optional<QString> language2;
    std::vector<std::pair<QString, QString>> pairs; // learned, known; at most MaxWords
    int total = 0; // pairs in the file up to its last filled one, also those past MaxWords
    int seen = 0;  // records read so far, blank ones at the end included

    // How many pairs did not fit.
    int leftOut() const { return total - int(pairs.size()); }
};

// How to read a file; detected first, then changed by the user in the import window.
struct ImportOptions
{
    ExchangeFormat format = ExchangeFormat::Delimited;
    char16_t delimiter = u'\t';
    bool headerRow = false;       // the first record names the two columns
    bool html = false;            // fields hold HTML (Anki's "#html:true")
    bool swap = false;            // the left column is the known language
    std::vector<int> dropColumns; // 0-based columns that are not words (Anki's deck, note type)
};

// Reads a whole device, refusing one larger than kMaxImportBytes.
ExchangeError ReadImportBytes(QIODevice& device, QByteArray& bytes);
ExchangeError ReadImportBytes(const QString& path, QByteArray& bytes);

// What a file is, from its name and its first bytes: .vkf and .gls are always word lists; an
// XML root of "kvtml" is KVTML; .csv and .tsv, and a .txt with tabs or Anki's header, are
// delimited text; everything else is a word list.
ExchangeFormat DetectFormat(const QString& path, const QByteArray& head);
// The same for a file on disk; a file that cannot be read is left to the word list reader.
ExchangeFormat DetectFileFormat(const QString& path);

// The options that read these bytes best.
ImportOptions DetectImportOptions(const QString& path, const QByteArray& bytes);
// Reads the bytes as the options say; swap and the header row are applied.
ExchangeError ReadImport(const QByteArray& bytes, const ImportOptions& options, ImportedList& list);

// Text in the encoding the bytes carry: UTF-16 with a byte-order mark, else what the word
// list's text codec decides (UTF-8 with or without a mark, or Windows-1252).
QString DecodeImportText(const QByteArray& bytes);

// Puts a field as read into a word: each line break (CR LF, LF or CR) and tab becomes a blank.
// False when it is longer than a word box takes.
bool MakeWord(QString& field);

// Adds a pair, keeping count of those past MaxWords; blank pairs at the end are dropped by
// FinishImport.
void AddImportedPair(ImportedList& list, QString learned, QString known);
void FinishImport(ImportedList& list, bool swap);
