#pragma once

#include "RtfFormats.h"
#include "RtfState.h"
#include "RtfTableWriter.h"

#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

class QImage;
class QSizeF;
class QTextDocument;

// Writes the reader's content into a QTextDocument. Text collects in a run
// until its character properties change, so the document gets one insert
// per run rather than per character. A paragraph mark only ends the
// paragraph; the next block is made when content follows, so the document
// does not end in an empty paragraph.
class RtfDocumentWriter
{
public:
    RtfDocumentWriter(QTextDocument* document, const RtfFormats& formats);

    // The run to append the group's text to.
    QString& textFor(const RtfGroupState& state);
    void endParagraph(const RtfGroupState& state);
    void breakPage() { m_pageBreakPending = true; }
    void addImage(const QImage& image, const QSizeF& size, const RtfGroupState& state);
    void endCell(const RtfGroupState& state);
    void endRow();
    RtfTableWriter& table() { return m_table; }
    // The font or colour table changed: formats made so far are stale.
    void forgetFormats() { m_characterFormats.clear(); }
    // Ends the document; the last paragraph takes the properties in force.
    void finish(const RtfGroupState& state);

private:
    void flush();
    void prepareFor(const RtfGroupState& state);
    QTextBlockFormat blockFormat(const RtfParagraphState& state) const;
    void formatBlock(const RtfParagraphState& state);
    void forgetBlockFormat()
    {
        m_blockFormatted = false;
        m_blockStartsPage = false;
    }
    const QTextCharFormat& characterFormat(const RtfCharacterState& state);

    QTextDocument* m_document;
    const RtfFormats& m_formats;
    QTextCursor m_cursor;
    RtfTableWriter m_table;
    QString m_run;
    RtfCharacterState m_runState;
    // Documents switch between a handful of character formats; each is made
    // once and reused, and the current block's paragraph properties are
    // remembered so an unchanged paragraph is not formatted again.
    QHash<RtfCharacterState, QTextCharFormat> m_characterFormats;
    RtfParagraphState m_blockParagraph;
    bool m_blockFormatted = false;
    int m_imageCount = 0;
    bool m_breakPending = false;
    bool m_pageBreakPending = false;
    bool m_blockStartsPage = false;
};
