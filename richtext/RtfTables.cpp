#include "RtfTables.h"

#include "RtfCodePages.h"

#include <algorithm>
#include <climits>

namespace {

// Real tables hold a few dozen entries; damaged ones must not grow without end.
constexpr qsizetype kMaxNameBytes = 256;
constexpr qsizetype kMaxFonts = 4096;
constexpr qsizetype kMaxColors = 4096;

} // namespace

void RtfFontTable::setEntryCodePage(int codePage)
{
    if (codePage > 0)
        m_entry.codePage = codePage;
}

void RtfFontTable::addText(std::string_view bytes, RtfCodePages& pages)
{
    for (const char c : bytes) {
        if (c == ';')
            endEntry(pages);
        else
            addNameByte(static_cast<unsigned char>(c));
    }
}

void RtfFontTable::addNameByte(unsigned char byte)
{
    if (m_entry.name.size() < kMaxNameBytes)
        m_entry.name += static_cast<char>(byte);
}

void RtfFontTable::endEntry(RtfCodePages& pages)
{
    if (!m_entry.name.trimmed().isEmpty() && m_fonts.size() < kMaxFonts) {
        QString family;
        RtfCodePage& page = pages.page(m_entry.codePage > 0 ? m_entry.codePage : pages.documentPage());
        page.append(std::string_view(m_entry.name.constData(), m_entry.name.size()), family);
        page.reset();
        m_fonts.insert(m_entry.number, RtfFont{family.trimmed(), m_entry.codePage});
    }
    // An entry without its own \fN takes the number after the last one.
    m_entry = Entry{m_entry.number < INT_MAX ? m_entry.number + 1 : m_entry.number, 0, {}};
}

const RtfFont* RtfFontTable::font(int number) const
{
    const auto found = m_fonts.constFind(number);
    return found == m_fonts.cend() ? nullptr : &found.value();
}

void RtfColorTable::addText(std::string_view bytes)
{
    for (const char c : bytes) {
        if (c == ';')
            endEntry();
    }
}

void RtfColorTable::endEntry()
{
    if (m_colors.size() < kMaxColors) {
        const bool automatic = m_red < 0 && m_green < 0 && m_blue < 0;
        m_colors.append(automatic ? QColor() : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    }
    m_red = m_green = m_blue = -1;
}

QColor RtfColorTable::color(int index) const
{
    return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
}

int RtfColorTable::component(int value)
{
    return std::clamp(value, 0, 255);
}
