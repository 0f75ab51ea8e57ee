#pragma once

#include <QHashFunctions>
#include <Qt>

// Character properties as rich text sets them: sizes in half points,
// fonts and colours as indices into the document's tables (colour 0 is the
// automatic colour).
struct RtfCharacterState
{
    enum class Script : unsigned char { Normal, Superscript, Subscript };

    int font = 0;
    int halfPoints = 24;
    int foreground = 0;
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    // Hidden text (\v) is left out of the document.
    bool hidden = false;
    Script script = Script::Normal;

    bool operator==(const RtfCharacterState& other) const
    {
        return font == other.font && halfPoints == other.halfPoints && foreground == other.foreground
            && background == other.background && bold == other.bold && italic == other.italic
            && underline == other.underline && strike == other.strike && hidden == other.hidden
            && script == other.script;
    }
    bool operator!=(const RtfCharacterState& other) const { return !(*this == other); }
};

inline size_t qHash(const RtfCharacterState& state, size_t seed = 0)
{
    const int flags = state.bold | state.italic << 1 | state.underline << 2 | state.strike << 3
        | state.hidden << 4 | static_cast<int>(state.script) << 5;
    return qHashMulti(seed, state.font, state.halfPoints, state.foreground, state.background, flags);
}

// Paragraph properties; lengths in twips (1440 to the inch).
struct RtfParagraphState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    // 0: single; positive: at least; negative: exactly; with
    // lineSpacingMultiple, 240ths of a single line.
    int lineSpacing = 0;
    bool lineSpacingMultiple = false;
    bool inTable = false;

    bool operator==(const RtfParagraphState& other) const
    {
        return alignment == other.alignment && leftIndent == other.leftIndent && rightIndent == other.rightIndent
            && firstLineIndent == other.firstLineIndent && spaceBefore == other.spaceBefore
            && spaceAfter == other.spaceAfter && lineSpacing == other.lineSpacing
            && lineSpacingMultiple == other.lineSpacingMultiple && inTable == other.inTable;
    }
    bool operator!=(const RtfParagraphState& other) const { return !(*this == other); }
};

// Where the text of a group goes.
enum class RtfDestination { Document, Skip, FontTable, ColorTable, Picture };

// Everything a group saves at "{" and restores at "}".
struct RtfGroupState
{
    RtfCharacterState character;
    RtfParagraphState paragraph;
    RtfDestination destination = RtfDestination::Document;
    // How many fallback characters follow each \uN.
    int unicodeFallback = 1;
};
