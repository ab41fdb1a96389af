#pragma once
#include <QString>

struct _HangulInputContext;

// Korean two-set composition for the on-screen text keyboard: the keys go
// through libhangul's input context; the line shows the committed text
// followed by the syllable in progress. Keys libhangul does not compose
// (punctuation, space) commit the syllable first and are then appended, and
// nothing is added that would not fit the line, so the committed text and the
// line never drift apart.
class THangulComposer
{
public:
    THangulComposer();
    ~THangulComposer();
    THangulComposer(const THangulComposer&) = delete;
    THangulComposer& operator=(const THangulComposer&) = delete;

    bool isValid() const { return m_hic != nullptr; }
    // Starts afresh on the text of the line: no syllable in progress.
    void reset(const QString& committed);
    QString committed() const { return m_commit; }
    QString preedit() const;
    // The text the line shows: committed text plus the syllable in progress.
    QString text() const;

    // One key of the two-set keyboard (the ASCII character of the key).
    // maxLength < 0: no limit. A key whose result would be longer than
    // maxLength is refused: what was shown becomes the committed text and
    // the result is false.
    bool key(char c, int maxLength);
    // Removes the last jamo of the syllable in progress; false when there
    // was nothing in composition (the caller then edits the line itself and
    // calls reset with the line's new text).
    bool backspace();

private:
    _HangulInputContext* m_hic;
    QString m_commit;
};
