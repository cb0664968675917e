#pragma once

#include <QString>

#include <array>

// One pair of the word list with the quiz's own copy and the learner's answer.
struct WordSlot
{
    QString learned;     // the word in the language being learned
    QString known;       // its meaning in the language the learner knows
    QString answer;      // what the learner typed in the quiz
    QString quizLearned; // the quiz's copy of learned, taken when a quiz begins
    QString quizKnown;   // the quiz's copy of known

    // A slot is empty when both words are empty; the answer and the quiz copy don't count.
    bool isEmpty() const { return learned.isEmpty() && known.isEmpty(); }
};

// The one word list of the run: a fixed table of slots, not a growing list. The list runs to its
// last filled slot, so empty slots between filled ones stay in it as blank pairs and a word typed
// after two empty rows is never dropped.
class WordList
{
public:
    static constexpr int MaxWords = 100;
    static constexpr int SlotCount = MaxWords + 1; // slot 100 always stays empty and ends scans

    std::array<WordSlot, SlotCount> slots;
    QString heading;
    QString language1; // name of the learned language
    QString language2; // name of the known language
    QString filePath;  // empty for a list that was never saved
    int changed = 0;   // 1 when the list has edits that are not in its file
    int pageStart = 0; // first slot on the editor and quiz pages, a multiple of 10

    WordSlot& operator[](int i) { return slots[size_t(i)]; }
    const WordSlot& operator[](int i) const { return slots[size_t(i)]; }

    // Number of slots that form the list, 0 to 100: one past its last filled slot below 100.
    int Length() const;
    // Empties the words and quiz copies of every slot.
    void Clear();
    // Empties the answers of every slot.
    void ClearAnswers();
    // Copies the words of slots 0 to Length() inclusive into the quiz copy.
    void CopyToQuiz();
};

// Lowers a scroll bar value to the first slot of its page of ten: 25 -> 20, 99 -> 90, 5 -> 0.
int SnapToPage(int v);

// The file name of a path, with its extension and without its folder.
QString FileTitle(const QString& path);
// The path made absolute against the current folder, so it names the same file from any folder
// the program is started in later; an empty path stays empty.
QString AbsolutePath(const QString& path);
// True when the path names an existing file; any error counts as no.
bool FileExists(const QString& path);
