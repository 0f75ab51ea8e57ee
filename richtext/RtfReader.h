#pragma once

class QTextDocument;
class QByteArray;

// Reads rich text as word processors write it into a QTextDocument.
//
// Tables become QTextTables: a cell per \cell, a row per \row, column
// widths from the first row's \cellx. Pictures in PNG or JPEG become images
// held as the document's resources; other picture formats are left out.
namespace RtfReader {

// Replaces the document's content with the rich text `rtf`, as a word
// processor wrote it. Malformed input gives a best-effort document; it
// never throws, crashes or hangs.
void read(const QByteArray& rtf, QTextDocument* document);

} // namespace RtfReader
