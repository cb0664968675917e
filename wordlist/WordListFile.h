#pragma once

#include "WordList.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QIODevice;

// The marker line that may end a Glosan file. Lines after it are ignored.
inline constexpr char16_t kEndMarker[] = u"Glosfil - Slut";

// What a word list file holds. Header fields for which the file has no line are absent, so the
// caller keeps the values it had.
struct WordListFileContent
{
    std::optional<QString> heading;
    std::optional<QString> language1;
    std::optional<QString> language2;
    std::vector<std::pair<QString, QString>> pairs; // learned, known; at most MaxWords
    bool truncated = false; // the file held more than MaxWords pairs; the rest was not read
};

struct [[nodiscard]] WordListFileError
{
    enum Kind {
        None,
        CannotOpen,
        IsFolder,
        NotAFile, // a pipe, device or socket
        CannotRead,
        NotText,
        LineTooLong,
        CannotWrite,
        TooLarge,      // larger than any word list the boxes could hold
        WriteProtected // the file exists and the user may not write it
    };
    Kind kind = None;
    QString systemReason; // the platform's own description, when it gave one
    int systemError = 0;  // the errno behind it, when known; its reason is SystemError::text

    bool failed() const { return kind != None; }
    // True when it failed, like failed().
    explicit operator bool() const { return failed(); }
};

// The longest word, heading or language name that can be typed, in characters; no word comes
// near it. A longer one from a file is read and shown whole.
inline constexpr int kMaxFieldLength = 64 * 1024;
// The largest word list file read. Every field of a full list typed to the longest length, in a
// script of three UTF-8 bytes a letter, makes 39.9 MB, so whatever is typed can be read back;
// reading holds about four times the file at the most.
inline constexpr qsizetype kMaxFileBytes = 40 * 1024 * 1024;
// The longest line a word list file may have: there is no cap on a line but the file's.
inline constexpr qsizetype kMaxLineBytes = kMaxFileBytes;

// Reads at most the header, MaxWords pairs and the one line after them, and nothing after the end
// marker. Lines past kMaxFileBytes, or a line with a NUL byte, are an error unless they come after
// the last pair the list can hold, where they only mark the content as truncated.
WordListFileError ReadWordListFile(QIODevice& device, WordListFileContent& content);
WordListFileError ReadWordListFile(const QString& path, WordListFileContent& content);

// Puts what was read into the list: its header fields and its pairs from slot 0 on; every other
// slot's words are emptied. Answers, filePath and changed are the caller's.
void ApplyWordListFile(const WordListFileContent& content, WordList& list);

// The lines of the file: heading, the two language names, then learned and known of each slot of
// the list (slots 0 to Length() - 1).
QStringList WordListFileLines(const WordList& list);
// The file's bytes: the lines joined with CR LF after each, in Windows-1252 when every character
// fits and in UTF-8 with a byte-order mark otherwise.
QByteArray WordListFileBytes(const WordList& list);

// Writes the list to the device. A line break or NUL inside a field is written as a blank, so
// the file keeps its one field a line.
WordListFileError WriteWordListFile(const WordList& list, QIODevice& device);
// Writes the list to its filePath, replacing the old file only once the new one is complete, and
// sets changed to 0 on success. On failure the old file and changed stay as they were.
WordListFileError WriteWordListFile(WordList& list);
