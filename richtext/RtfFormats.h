#pragma once

#include "RtfState.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

class RtfColorTable;
class RtfFontTable;

// Turns rich-text character and paragraph properties into Qt's formats.
// Lengths become pixels at 96 per inch, the unit QTextDocument lays out in.
class RtfFormats
{
public:
    RtfFormats(const RtfFontTable& fonts, const RtfColorTable& colors);

    QTextCharFormat character(const RtfCharacterState& state) const;
    static QTextBlockFormat block(const RtfParagraphState& state);
    static double twipsToPixels(int twips);
    // The longest length a document may ask for: 22 inches, a big page.
    static constexpr int kMaxTwips = 31680;

private:
    const RtfFontTable& m_fonts;
    const RtfColorTable& m_colors;
};
