#pragma once

#include <QString>

class LinePrinterFactory;
class Prompter;
class WordList;

// Prints the word list after asking; with no printer installed the printout becomes a PDF in
// the documents folder and a message says where. The list is never changed.
void PrintWordList(const WordList& list, Prompter& prompter, LinePrinterFactory& printers);

// A path in the folder for a PDF of the list, named after the list's file ("Vokabo.pdf" for an
// unsaved list), with " (2)", " (3)"... added so no existing file is overwritten.
QString PdfPathFor(const QString& folder, const QString& listPath);
