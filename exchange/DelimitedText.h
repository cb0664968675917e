#pragma once

#include "ExchangeFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

class QIODevice;

// Text with one pair a record: CSV with commas or semicolons and RFC 4180 quotes, tab-separated
// text, Anki's plain-text export with its "#key:value" header lines, and Quizlet's export.

// The options that read this text best: Anki's header if it has one, else the delimiter that
// splits the most records alike. suffix is the file's extension in lower case.
ImportOptions DetectDelimited(const QString& text, const QString& suffix);

// Anki's header lines at the start of the text ("#separator:tab", "#html:true", ...): how many
// characters they take up. Other options found there go into options when it is given.
qsizetype AnkiHeaderLength(QStringView text, ImportOptions* options = nullptr);

// Splits text into records of fields. A field that starts with a quote runs to the next lone
// quote and may hold the delimiter, line breaks and doubled quotes. Empty lines are no records.
// Stops after maxRecords records. strayQuotes, when given, counts the quotes found outside
// quoted fields.
QList<QStringList> ParseRecords(QStringView text, char16_t delimiter, qsizetype maxRecords = -1,
                                qsizetype* strayQuotes = nullptr);

// The text of an HTML field: tags removed (a line break becomes a blank), entities decoded, runs
// of blanks made one.
QString HtmlToText(QStringView html);

ExchangeError ReadDelimitedText(QIODevice& device, const ImportOptions& options,
                                ImportedList& list);

// One record of fields for tab-separated text and for CSV, with the line end.
QString TsvRecord(const QString& first, const QString& second);
QString CsvRecord(const QString& first, const QString& second);
