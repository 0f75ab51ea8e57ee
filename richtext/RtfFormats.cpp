#include "RtfFormats.h"

#include "RtfTables.h"

#include <QFont>

#include <algorithm>

namespace {

// Word processors allow sizes up to 1638 points.
constexpr int kMaxHalfPoints = 3276;

QTextCharFormat::VerticalAlignment verticalAlignment(RtfCharacterState::Script script)
{
    switch (script) {
    case RtfCharacterState::Script::Superscript:
        return QTextCharFormat::AlignSuperScript;
    case RtfCharacterState::Script::Subscript:
        return QTextCharFormat::AlignSubScript;
    case RtfCharacterState::Script::Normal:
        break;
    }
    return QTextCharFormat::AlignNormal;
}

void setLineSpacing(QTextBlockFormat& format, const RtfParagraphState& state)
{
    if (state.lineSpacing == 0)
        return;
    if (state.lineSpacingMultiple && state.lineSpacing > 0)
        format.setLineHeight(state.lineSpacing * 100.0 / 240, QTextBlockFormat::ProportionalHeight);
    else if (state.lineSpacing > 0)
        format.setLineHeight(RtfFormats::twipsToPixels(state.lineSpacing), QTextBlockFormat::MinimumHeight);
    else
        format.setLineHeight(RtfFormats::twipsToPixels(-state.lineSpacing), QTextBlockFormat::FixedHeight);
}

} // namespace

RtfFormats::RtfFormats(const RtfFontTable& fonts, const RtfColorTable& colors)
    : m_fonts(fonts)
    , m_colors(colors)
{
}

QTextCharFormat RtfFormats::character(const RtfCharacterState& state) const
{
    QTextCharFormat format;
    if (const RtfFont* font = m_fonts.font(state.font))
        format.setFontFamilies({font->family});
    format.setFontPointSize(std::clamp(state.halfPoints, 1, kMaxHalfPoints) / 2.0);
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state.italic);
    format.setFontUnderline(state.underline);
    format.setFontStrikeOut(state.strike);
    if (state.script != RtfCharacterState::Script::Normal)
        format.setVerticalAlignment(verticalAlignment(state.script));
    const QColor foreground = m_colors.color(state.foreground);
    if (foreground.isValid())
        format.setForeground(foreground);
    const QColor background = m_colors.color(state.background);
    if (background.isValid())
        format.setBackground(background);
    return format;
}

QTextBlockFormat RtfFormats::block(const RtfParagraphState& state)
{
    QTextBlockFormat format;
    format.setAlignment(state.alignment);
    format.setLeftMargin(std::max(0.0, twipsToPixels(state.leftIndent)));
    format.setRightMargin(std::max(0.0, twipsToPixels(state.rightIndent)));
    format.setTextIndent(twipsToPixels(state.firstLineIndent));
    format.setTopMargin(std::max(0.0, twipsToPixels(state.spaceBefore)));
    format.setBottomMargin(std::max(0.0, twipsToPixels(state.spaceAfter)));
    setLineSpacing(format, state);
    return format;
}

double RtfFormats::twipsToPixels(int twips)
{
    return std::clamp(twips, -kMaxTwips, kMaxTwips) / 15.0;
}
