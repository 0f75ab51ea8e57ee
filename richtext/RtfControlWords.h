#pragma once

#include <string_view>

// The control words the reader acts on, grouped by what they do. Words of
// one kind share an action and differ in the entry's value (the character
// a symbol word stands for, the alignment a \qX word sets, ...).
enum class RtfWord {
    Unknown,
    // Document
    CodePageAnsi, CodePage, DefaultFont, UnicodeFallbackCount, Unicode,
    // Destinations
    FontTable, ColorTable, Picture, ReadDestination, SkipDestination,
    // Tables of fonts and colours
    Font, FontCharset, FontCodePage, Red, Green, Blue,
    // Characters
    Bold, Italic, Underline, UnderlineNone, Strike, Hidden, FontSize, Foreground, Background,
    Plain, Script, Character,
    // Paragraphs
    Paragraph, Line, Page, ParagraphDefault, Align, LeftIndent, RightIndent, FirstLineIndent,
    SpaceBefore, SpaceAfter, LineSpacing, LineSpacingMultiple,
    // Tables
    InTable, Cell, Row, RowDefaults, CellRight, CellBorder,
    // Pictures
    PictureKind, PictureGoalWidth, PictureGoalHeight, PictureWidth, PictureHeight,
    PictureScaleX, PictureScaleY,
};

struct RtfWordEntry
{
    std::string_view name;
    RtfWord word;
    int value;
};

// The entry for a control word's name, or one of kind Unknown.
RtfWordEntry rtfWord(std::string_view name);

// Values of the PictureKind entries.
enum class RtfPictureFormat { Unsupported, Png, Jpeg };
