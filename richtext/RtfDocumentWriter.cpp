#include "RtfDocumentWriter.h"

#include <QImage>
#include <QSizeF>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

// Characters that mean structure inside QTextDocument (frame and object
// markers, paragraph separators) or nothing at all (control characters)
// must not come in as text; nor may half of a surrogate pair.
void makePlainText(QString& text)
{
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const char16_t* in = out;
    const char16_t* end = in + text.size();
    for (; in < end; ++in) {
        const char16_t c = *in;
        if (c < 0x20 && c != '\t')
            continue;
        if (QChar::isHighSurrogate(c) && in + 1 < end && QChar::isLowSurrogate(in[1])) {
            *out++ = c;
            *out++ = *++in;
        } else if (QChar::isSurrogate(c) || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC) {
            *out++ = QChar::ReplacementCharacter;
        } else {
            *out++ = c == QChar::ParagraphSeparator ? char16_t(QChar::LineSeparator) : c;
        }
    }
    text.truncate(out - reinterpret_cast<char16_t*>(text.data()));
}

} // namespace

RtfDocumentWriter::RtfDocumentWriter(QTextDocument* document, const RtfFormats& formats)
    : m_document(document)
    , m_formats(formats)
    , m_cursor(document)
{
    // One edit: a view showing the document lays it out once, at the end.
    m_cursor.beginEditBlock();
}

QString& RtfDocumentWriter::textFor(const RtfGroupState& state)
{
    if (!m_run.isEmpty() && (state.character != m_runState || state.paragraph.inTable != m_table.isOpen()))
        flush();
    if (m_run.isEmpty()) {
        prepareFor(state);
        m_runState = state.character;
    }
    return m_run;
}

void RtfDocumentWriter::flush()
{
    makePlainText(m_run);
    if (!m_run.isEmpty())
        m_cursor.insertText(m_run, characterFormat(m_runState));
    m_run.clear();
}

const QTextCharFormat& RtfDocumentWriter::characterFormat(const RtfCharacterState& state)
{
    constexpr qsizetype kMaxCachedFormats = 256;
    auto found = m_characterFormats.find(state);
    if (found == m_characterFormats.end()) {
        if (m_characterFormats.size() >= kMaxCachedFormats)
            m_characterFormats.clear();
        found = m_characterFormats.insert(state, m_formats.character(state));
    }
    return found.value();
}

void RtfDocumentWriter::prepareFor(const RtfGroupState& state)
{
    if (state.paragraph.inTable && !m_table.isOpen()) {
        m_table.open(m_cursor);
        m_breakPending = false;
        forgetBlockFormat();
    } else if (!state.paragraph.inTable && m_table.isOpen()) {
        m_table.close(m_cursor);
        m_breakPending = false;
        forgetBlockFormat();
    } else if (m_table.isOpen() && m_table.position(m_cursor)) {
        forgetBlockFormat();
    }
    if (m_breakPending) {
        m_breakPending = false;
        m_blockStartsPage = m_pageBreakPending;
        m_pageBreakPending = false;
        m_cursor.insertBlock(blockFormat(state.paragraph), characterFormat(state.character));
        m_blockParagraph = state.paragraph;
        m_blockFormatted = true;
    }
}

QTextBlockFormat RtfDocumentWriter::blockFormat(const RtfParagraphState& state) const
{
    QTextBlockFormat format = RtfFormats::block(state);
    if (m_blockStartsPage)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    return format;
}

// A paragraph's properties are those in force at its end.
void RtfDocumentWriter::formatBlock(const RtfParagraphState& state)
{
    if (!m_blockFormatted || state != m_blockParagraph)
        m_cursor.setBlockFormat(blockFormat(state));
    m_blockParagraph = state;
    m_blockFormatted = true;
}

void RtfDocumentWriter::endParagraph(const RtfGroupState& state)
{
    flush();
    prepareFor(state);
    formatBlock(state.paragraph);
    m_breakPending = true;
}

void RtfDocumentWriter::addImage(const QImage& image, const QSizeF& size, const RtfGroupState& state)
{
    flush();
    prepareFor(state);
    const QString name = QStringLiteral("rtf-picture-%1").arg(++m_imageCount);
    m_document->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.merge(characterFormat(state.character));
    format.setName(name);
    format.setWidth(size.width());
    format.setHeight(size.height());
    m_cursor.insertImage(format);
}

void RtfDocumentWriter::endCell(const RtfGroupState& state)
{
    RtfGroupState inCell = state;
    inCell.paragraph.inTable = true;
    flush();
    prepareFor(inCell);
    formatBlock(inCell.paragraph);
    m_table.endCell();
    m_breakPending = false;
}

void RtfDocumentWriter::endRow()
{
    flush();
    if (!m_table.isOpen())
        return;
    m_table.endRow();
    m_breakPending = false;
}

void RtfDocumentWriter::finish(const RtfGroupState& state)
{
    flush();
    if (!m_breakPending && !m_table.isOpen())
        formatBlock(state.paragraph);
    m_cursor.endEditBlock();
}
