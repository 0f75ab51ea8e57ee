#include "RtfParser.h"

#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {

// Word processors nest a few dozen groups; the limit keeps damaged input
// from growing the state stack without end.
constexpr std::size_t kMaxDepth = 512;
constexpr int kMaxFallback = 16;

bool isOn(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

int twips(const RtfToken& token)
{
    return std::clamp(token.parameter, -RtfFormats::kMaxTwips, RtfFormats::kMaxTwips);
}

} // namespace

RtfParser::RtfParser(const QByteArray& rtf, QTextDocument* document)
    : m_tokenizer(rtf)
    , m_formats(m_fonts, m_colors)
    , m_writer(document, m_formats)
{
    m_groups.reserve(64);
    m_groups.emplace_back();
}

void RtfParser::run()
{
    for (RtfToken token = m_tokenizer.next(); token.kind != RtfToken::Kind::End; token = m_tokenizer.next()) {
        if (!handle(token))
            break;
    }
    m_writer.finish(state());
}

bool RtfParser::handle(const RtfToken& incoming)
{
    RtfToken token = incoming;
    if (skipsFallback(token))
        return true;
    const bool ignorable = std::exchange(m_afterIgnorableMark, false);
    switch (token.kind) {
    case RtfToken::Kind::GroupStart:
        openGroup();
        return true;
    case RtfToken::Kind::GroupEnd:
        return closeGroup();
    default:
        break;
    }
    if (state().destination == RtfDestination::Skip)
        return true;
    switch (token.kind) {
    case RtfToken::Kind::ControlWord:
        controlWord(token, ignorable);
        break;
    case RtfToken::Kind::ControlSymbol:
        controlSymbol(token.symbol);
        break;
    case RtfToken::Kind::Text:
        text(token.bytes);
        break;
    case RtfToken::Kind::HexByte:
        hexByte(token.symbol);
        break;
    case RtfToken::Kind::Binary:
        if (state().destination == RtfDestination::Picture && m_picture)
            m_picture->addBinary(token.bytes);
        break;
    default:
        break;
    }
    return true;
}

// After \uN the next characters are the same letter for readers that know
// no Unicode: each text byte, \'hh or other control counts as one, and a
// brace ends the fallback early.
bool RtfParser::skipsFallback(RtfToken& token)
{
    if (m_fallbackLeft == 0)
        return false;
    if (token.kind == RtfToken::Kind::GroupStart || token.kind == RtfToken::Kind::GroupEnd) {
        m_fallbackLeft = 0;
        return false;
    }
    if (token.kind != RtfToken::Kind::Text) {
        --m_fallbackLeft;
        return true;
    }
    const std::size_t skipped = std::min<std::size_t>(m_fallbackLeft, token.bytes.size());
    m_fallbackLeft -= static_cast<int>(skipped);
    token.bytes.remove_prefix(skipped);
    return token.bytes.empty();
}

void RtfParser::openGroup()
{
    if (m_groups.size() >= kMaxDepth) {
        ++m_excessDepth;
        return;
    }
    m_groups.push_back(m_groups.back());
}

// Returns false once the outermost group closes: what follows it is not
// part of the document.
bool RtfParser::closeGroup()
{
    if (m_excessDepth > 0) {
        --m_excessDepth;
        return true;
    }
    if (m_groups.size() <= 2)
        return false;
    const RtfDestination closed = state().destination;
    m_groups.pop_back();
    if (closed == RtfDestination::FontTable)
        m_fonts.endEntry(m_pages);
    if (closed == RtfDestination::FontTable || closed == RtfDestination::ColorTable)
        m_writer.forgetFormats();
    if (closed == RtfDestination::Picture && state().destination != RtfDestination::Picture)
        finishPicture();
    return true;
}

void RtfParser::controlWord(const RtfToken& token, bool ignorable)
{
    const RtfWordEntry entry = rtfWord(token.bytes);
    if (destinationWord(entry, ignorable))
        return;
    switch (state().destination) {
    case RtfDestination::Document:
        documentWord(entry, token);
        break;
    case RtfDestination::FontTable:
        fontTableWord(entry, token);
        break;
    case RtfDestination::ColorTable:
        colorTableWord(entry, token);
        break;
    case RtfDestination::Picture:
        pictureWord(entry, token);
        break;
    case RtfDestination::Skip:
        break;
    }
}

// Handles the words that choose where a group's content goes. A group
// marked \* whose word this reader does not act on is skipped whole.
bool RtfParser::destinationWord(const RtfWordEntry& entry, bool ignorable)
{
    RtfDestination& destination = state().destination;
    switch (entry.word) {
    case RtfWord::FontTable:
        destination = RtfDestination::FontTable;
        return true;
    case RtfWord::ColorTable:
        destination = RtfDestination::ColorTable;
        return true;
    case RtfWord::Picture:
        if (destination == RtfDestination::Document && !m_picture) {
            m_picture.emplace();
            destination = RtfDestination::Picture;
        } else {
            destination = RtfDestination::Skip;
        }
        return true;
    case RtfWord::ReadDestination:
        return true;
    case RtfWord::SkipDestination:
        destination = RtfDestination::Skip;
        return true;
    default:
        if (!ignorable)
            return false;
        destination = RtfDestination::Skip;
        return true;
    }
}

void RtfParser::documentWord(const RtfWordEntry& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::CodePageAnsi:
        m_pages.setDocumentPage(entry.value);
        break;
    case RtfWord::CodePage:
        m_pages.setDocumentPage(token.parameter);
        break;
    case RtfWord::DefaultFont:
        m_defaultFont = token.parameter;
        state().character.font = token.parameter;
        break;
    case RtfWord::UnicodeFallbackCount:
        state().unicodeFallback = std::clamp(token.parameter, 0, kMaxFallback);
        break;
    case RtfWord::Unicode:
        unicode(token.parameter);
        break;
    case RtfWord::Character:
        literal(static_cast<char16_t>(entry.value));
        break;
    default:
        characterWord(entry, token);
        paragraphWord(entry, token);
        tableWord(entry, token);
        break;
    }
}

void RtfParser::characterWord(const RtfWordEntry& entry, const RtfToken& token)
{
    RtfCharacterState& character = state().character;
    switch (entry.word) {
    case RtfWord::Bold:
        character.bold = isOn(token);
        break;
    case RtfWord::Italic:
        character.italic = isOn(token);
        break;
    case RtfWord::Underline:
        character.underline = isOn(token);
        break;
    case RtfWord::UnderlineNone:
        character.underline = false;
        break;
    case RtfWord::Strike:
        character.strike = isOn(token);
        break;
    case RtfWord::Hidden:
        character.hidden = isOn(token);
        break;
    case RtfWord::Font:
        character.font = token.parameter;
        break;
    case RtfWord::FontSize:
        character.halfPoints = token.parameter > 0 ? token.parameter : RtfCharacterState().halfPoints;
        break;
    case RtfWord::Foreground:
        character.foreground = token.parameter;
        break;
    case RtfWord::Background:
        character.background = token.parameter;
        break;
    case RtfWord::Script:
        character.script = static_cast<RtfCharacterState::Script>(entry.value);
        break;
    case RtfWord::Plain:
        character = RtfCharacterState();
        character.font = m_defaultFont;
        break;
    default:
        break;
    }
}

void RtfParser::paragraphWord(const RtfWordEntry& entry, const RtfToken& token)
{
    RtfParagraphState& paragraph = state().paragraph;
    switch (entry.word) {
    case RtfWord::Paragraph:
        m_writer.endParagraph(state());
        break;
    case RtfWord::Line:
        literal(QChar::LineSeparator);
        break;
    case RtfWord::Page:
        m_writer.endParagraph(state());
        m_writer.breakPage();
        break;
    case RtfWord::ParagraphDefault:
        paragraph = RtfParagraphState();
        break;
    case RtfWord::Align:
        paragraph.alignment = Qt::Alignment(entry.value);
        break;
    case RtfWord::LeftIndent:
        paragraph.leftIndent = twips(token);
        break;
    case RtfWord::RightIndent:
        paragraph.rightIndent = twips(token);
        break;
    case RtfWord::FirstLineIndent:
        paragraph.firstLineIndent = twips(token);
        break;
    case RtfWord::SpaceBefore:
        paragraph.spaceBefore = twips(token);
        break;
    case RtfWord::SpaceAfter:
        paragraph.spaceAfter = twips(token);
        break;
    case RtfWord::LineSpacing:
        paragraph.lineSpacing = twips(token);
        break;
    case RtfWord::LineSpacingMultiple:
        paragraph.lineSpacingMultiple = isOn(token);
        break;
    default:
        break;
    }
}

void RtfParser::tableWord(const RtfWordEntry& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::InTable:
        state().paragraph.inTable = isOn(token);
        break;
    case RtfWord::Cell:
        m_writer.endCell(state());
        break;
    case RtfWord::Row:
        m_writer.endRow();
        break;
    case RtfWord::RowDefaults:
        m_writer.table().defineRow();
        break;
    case RtfWord::CellRight:
        m_writer.table().addCellRight(twips(token));
        break;
    case RtfWord::CellBorder:
        m_writer.table().setBordered();
        break;
    default:
        break;
    }
}

void RtfParser::fontTableWord(const RtfWordEntry& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::Font:
        m_fonts.setEntryNumber(token.parameter);
        break;
    case RtfWord::FontCharset:
        m_fonts.setEntryCodePage(RtfCodePage::forCharset(token.parameter));
        break;
    case RtfWord::FontCodePage:
        m_fonts.setEntryCodePage(token.parameter);
        break;
    default:
        break;
    }
}

void RtfParser::colorTableWord(const RtfWordEntry& entry, const RtfToken& token)
{
    switch (entry.word) {
    case RtfWord::Red:
        m_colors.setRed(token.parameter);
        break;
    case RtfWord::Green:
        m_colors.setGreen(token.parameter);
        break;
    case RtfWord::Blue:
        m_colors.setBlue(token.parameter);
        break;
    default:
        break;
    }
}

void RtfParser::pictureWord(const RtfWordEntry& entry, const RtfToken& token)
{
    if (!m_picture)
        return;
    switch (entry.word) {
    case RtfWord::PictureKind:
        m_picture->setFormat(static_cast<RtfPictureFormat>(entry.value));
        break;
    case RtfWord::PictureGoalWidth:
        m_picture->setGoalWidth(twips(token));
        break;
    case RtfWord::PictureGoalHeight:
        m_picture->setGoalHeight(twips(token));
        break;
    case RtfWord::PictureScaleX:
        m_picture->setScaleX(token.parameter);
        break;
    case RtfWord::PictureScaleY:
        m_picture->setScaleY(token.parameter);
        break;
    default:
        break;
    }
}

void RtfParser::controlSymbol(unsigned char symbol)
{
    switch (symbol) {
    case '*':
        m_afterIgnorableMark = true;
        break;
    case '~':
        literal(QChar::Nbsp);
        break;
    case '-':
        literal(QChar::SoftHyphen);
        break;
    case '_':
        literal(0x2011);
        break;
    case '\n':
        if (state().destination == RtfDestination::Document)
            m_writer.endParagraph(state());
        break;
    case '{':
    case '}':
    case '\\':
        text(std::string_view(reinterpret_cast<const char*>(&symbol), 1));
        break;
    default:
        break;
    }
}

void RtfParser::text(std::string_view bytes)
{
    switch (state().destination) {
    case RtfDestination::Document:
        if (!state().character.hidden)
            textPage().append(bytes, m_writer.textFor(state()));
        break;
    case RtfDestination::FontTable:
        m_fonts.addText(bytes, m_pages);
        break;
    case RtfDestination::ColorTable:
        m_colors.addText(bytes);
        break;
    case RtfDestination::Picture:
        if (m_picture)
            m_picture->addHex(bytes);
        break;
    case RtfDestination::Skip:
        break;
    }
}

void RtfParser::hexByte(unsigned char byte)
{
    if (state().destination == RtfDestination::Document && !state().character.hidden)
        textPage().append(byte, m_writer.textFor(state()));
    else if (state().destination == RtfDestination::FontTable)
        m_fonts.addNameByte(byte);
}

void RtfParser::literal(char16_t character)
{
    if (state().destination == RtfDestination::Document && !state().character.hidden)
        m_writer.textFor(state()) += QChar(character);
}

// \uN gives a UTF-16 unit as a signed 16-bit number; the two halves of a
// surrogate pair come as two \u words and meet again in the text run.
void RtfParser::unicode(int value)
{
    if (value < 0)
        value += 0x10000;
    literal(value >= 0 && value <= 0xFFFF ? static_cast<char16_t>(value) : char16_t(QChar::ReplacementCharacter));
    m_fallbackLeft = state().unicodeFallback;
}

void RtfParser::finishPicture()
{
    const QImage image = m_picture->image();
    if (!image.isNull())
        m_writer.addImage(image, m_picture->displaySize(image), state());
    m_picture.reset();
}

RtfCodePage& RtfParser::textPage()
{
    const RtfFont* font = m_fonts.font(state().character.font);
    return m_pages.page(font && font->codePage > 0 ? font->codePage : m_pages.documentPage());
}
