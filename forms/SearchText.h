#pragma once

#include <QChar>
#include <QString>

// Plain text search for the busy check. Positions are 1-based like the
// operator counts them; no limit on the length of the text.

enum class FindOutcome {
    Selected,      // a match was found and is to be selected
    NotWholeWord,  // a match was found but a neighbour is part of a word
    NoMoreMatches, // nothing from a later start: earlier matches were shown
    NoMatch        // nothing from the first start
};

struct FindResult
{
    FindOutcome outcome = FindOutcome::NoMatch;
    // The 1-based position just behind the selected match, 0 when nothing
    // was selected.
    qsizetype position = 0;
    // The match to select: characters before it, and its length.
    qsizetype selectionStart = 0;
    qsizetype selectionLength = 0;
};

// Looks for `pattern` from character start + 1 (1-based) of `text`. A start
// of 1 is the first search; any other start continues an earlier one.
FindResult FindInText(const QString& text, qsizetype start, const QString& pattern, bool matchCase,
                      bool wholeWord);

// False for the letters A to Z, a to z and "_"; true for anything else.
bool IsWordBoundary(QChar character);
