#pragma once

#include "Result.h"

#include <QString>

#include <optional>

class Dialogs;
class QPrinter;
class QTextCursor;
class QTextDocument;

// Prints a rich-text document on the printer the operator chooses in the
// print dialog: the chosen number of copies of the whole document, or of
// only the text selected in it. A cancelled dialog prints nothing and says
// nothing; a failure is told in a message box.
class DocumentPrinter
{
public:
    // What can go wrong once a printer is chosen. The numbers are shown in
    // the message, so they never change.
    enum class Failure {
        PrinterUnavailable = 1,
        DocumentNotStarted = 2,
        PageNotStarted = 3,
        DocumentNotFinished = 4,
    };

    // `printer` is set up by the dialog and keeps the operator's choice
    // for the next time.
    DocumentPrinter(Dialogs& dialogs, QPrinter& printer);

    // `selection` is a cursor in `document`; when it selects some text,
    // only that text is printed, in its own formatting.
    void print(const QTextDocument& document, const QTextCursor& selection);
    void print(const QTextDocument& document);

    // The whole document as a PDF file, laid out as on the printer's paper;
    // the file is replaced only when it is written whole.
    Result savePdf(const QTextDocument& document, const QString& path);

    // "Error Occured While Printing: " with the failure's number and
    // description.
    static QString errorMessage(Failure failure);

private:
    static std::optional<Failure> printCopies(QPrinter& printer, QTextDocument& document, int copies);

    Dialogs& m_dialogs;
    QPrinter& m_printer;
};
