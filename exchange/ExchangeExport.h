#pragma once

#include "ExchangeFile.h"

#include <QString>

class QIODevice;
class WordList;

// The formats a list goes out in.
enum class ExportFormat {
    Tsv,  // tab-separated UTF-8, what Anki and Quizlet import
    Csv,  // UTF-8 with a byte-order mark, commas, RFC 4180 quotes: what spreadsheets open
    Kvtml // KVTML 2.0, for KWordQuiz and Parley
};

// The slots that go out: the list up to its last filled pair, blank pairs inside it included.
int ExportedPairCount(const WordList& list);

// By the file's extension: .csv, .kvtml, and tab-separated text for anything else.
ExportFormat ExportFormatForPath(const QString& path);

QByteArray ExportBytes(const WordList& list, ExportFormat format);
ExchangeError WriteExport(const WordList& list, ExportFormat format, QIODevice& device);
// Replaces the file at path only once the whole file is written; the list is not touched.
ExchangeError WriteExport(const WordList& list, ExportFormat format, const QString& path);
