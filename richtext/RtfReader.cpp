#include "RtfReader.h"

#include "RtfParser.h"

#include <QByteArray>
#include <QString>
#include <QTextDocument>

namespace {

bool isRichText(const QByteArray& data)
{
    qsizetype start = 0;
    while (start < data.size() && QChar::isSpace(static_cast<uchar>(data.at(start))))
        ++start;
    return QByteArrayView(data).sliced(start).startsWith("{\\rtf");
}

} // namespace

namespace RtfReader {

void read(const QByteArray& rtf, QTextDocument* document)
{
    const bool undoEnabled = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    if (isRichText(rtf)) {
        RtfParser(rtf, document).run();
    } else {
        // A template saved as plain text still reads as its text.
        document->setPlainText(QString::fromUtf8(rtf));
    }
    document->setUndoRedoEnabled(undoEnabled);
}

} // namespace RtfReader
