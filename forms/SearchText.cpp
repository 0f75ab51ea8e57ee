#include "SearchText.h"

namespace {

// Whether the match at 0-based `index` stands apart from its neighbours; a
// missing neighbour counts as a boundary.
bool standsAlone(const QString& text, qsizetype index, qsizetype length)
{
    const qsizetype after = index + length;
    const bool beforeFree = index == 0 || IsWordBoundary(text.at(index - 1));
    const bool afterFree = after >= text.size() || IsWordBoundary(text.at(after));
    return beforeFree && afterFree;
}

} // namespace

FindResult FindInText(const QString& text, qsizetype start, const QString& pattern, bool matchCase,
                      bool wholeWord)
{
    const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Character start + 1, counted from 1, is index `start`.
    const qsizetype index = start < 0 || start > text.size() ? -1 : text.indexOf(pattern, start, sensitivity);
    FindResult result;
    if (index < 0) {
        result.outcome = start == 1 ? FindOutcome::NoMatch : FindOutcome::NoMoreMatches;
        return result;
    }
    if (wholeWord && !standsAlone(text, index, pattern.size())) {
        result.outcome = FindOutcome::NotWholeWord;
        return result;
    }
    result.outcome = FindOutcome::Selected;
    result.selectionStart = index;
    result.selectionLength = pattern.size();
    result.position = index + 1 + pattern.size();
    return result;
}

bool IsWordBoundary(QChar character)
{
    const char16_t c = character.unicode();
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return !letter && c != u'_';
}
