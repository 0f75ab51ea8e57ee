#pragma once

#include "RtfCodePages.h"
#include "RtfDocumentWriter.h"
#include "RtfFormats.h"
#include "RtfPicture.h"
#include "RtfState.h"
#include "RtfTables.h"
#include "RtfTokenizer.h"

#include <optional>
#include <vector>

class QTextDocument;

// Reads rich text token by token into a document: keeps the stack of
// group states, sends each token to the destination of its group, and
// leaves the writing to RtfDocumentWriter.
class RtfParser
{
public:
    RtfParser(const QByteArray& rtf, QTextDocument* document);

    void run();

private:
    bool handle(const RtfToken& token);
    bool skipsFallback(RtfToken& token);
    void openGroup();
    bool closeGroup();
    void controlWord(const RtfToken& token, bool ignorable);
    bool destinationWord(const RtfWordEntry& entry, bool ignorable);
    void documentWord(const RtfWordEntry& entry, const RtfToken& token);
    void characterWord(const RtfWordEntry& entry, const RtfToken& token);
    void paragraphWord(const RtfWordEntry& entry, const RtfToken& token);
    void tableWord(const RtfWordEntry& entry, const RtfToken& token);
    void fontTableWord(const RtfWordEntry& entry, const RtfToken& token);
    void colorTableWord(const RtfWordEntry& entry, const RtfToken& token);
    void pictureWord(const RtfWordEntry& entry, const RtfToken& token);
    void controlSymbol(unsigned char symbol);
    void text(std::string_view bytes);
    void hexByte(unsigned char byte);
    void literal(char16_t character);
    void unicode(int value);
    void finishPicture();
    RtfCodePage& textPage();
    RtfGroupState& state() { return m_groups.back(); }

    RtfTokenizer m_tokenizer;
    RtfCodePages m_pages;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfFormats m_formats;
    RtfDocumentWriter m_writer;
    std::vector<RtfGroupState> m_groups;
    std::optional<RtfPicture> m_picture;
    // Groups opened past the depth limit: counted, not stacked.
    int m_excessDepth = 0;
    int m_fallbackLeft = 0;
    int m_defaultFont = 0;
    // The last token was \*: the word after it may be skipped with its group.
    bool m_afterIgnorableMark = false;
};
