#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <string_view>

class RtfCodePages;

struct RtfFont
{
    QString family;
    // 0 when the font names no code page of its own.
    int codePage = 0;
};

// The fonts of \fonttbl, filled entry by entry: "\f1\fcharset204 Arial;".
class RtfFontTable
{
public:
    void setEntryNumber(int number) { m_entry.number = number; }
    void setEntryCodePage(int codePage);
    // Name bytes; a ";" ends the entry.
    void addText(std::string_view bytes, RtfCodePages& pages);
    void addNameByte(unsigned char byte);
    // The end of an entry's group ends the entry even without its ";".
    void endEntry(RtfCodePages& pages);

    const RtfFont* font(int number) const;

private:
    struct Entry
    {
        int number = 0;
        int codePage = 0;
        QByteArray name;
    };

    QHash<int, RtfFont> m_fonts;
    Entry m_entry;
};

// The colours of \colortbl; an entry without components is the automatic
// colour, which leaves the text in the document's own colour.
class RtfColorTable
{
public:
    void setRed(int value) { m_red = component(value); }
    void setGreen(int value) { m_green = component(value); }
    void setBlue(int value) { m_blue = component(value); }
    // Each ";" ends an entry.
    void addText(std::string_view bytes);

    QColor color(int index) const;

private:
    static int component(int value);
    void endEntry();

    QList<QColor> m_colors;
    int m_red = -1;
    int m_green = -1;
    int m_blue = -1;
};
