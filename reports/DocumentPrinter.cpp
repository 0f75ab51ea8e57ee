#include "DocumentPrinter.h"

#include "Dialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>

#include <memory>

namespace {

// The margin around the text on paper: 2 cm, in the layout's units of
// 1/96 inch, which it scales to the printer's resolution.
constexpr qreal kPaperMargin = 2 / 2.54 * 96;

// The pages of one copy to print, counted from 0; empty when the operator
// asked for pages the document does not have.
struct PageSpan
{
    int first = 0;
    int last = -1;

    bool isEmpty() const { return last < first; }
};

std::unique_ptr<QTextDocument> printedText(const QTextDocument& document, const QTextCursor& selection)
{
    if (!selection.hasSelection())
        return std::unique_ptr<QTextDocument>(document.clone());
    auto text = std::make_unique<QTextDocument>();
    text->setDefaultFont(document.defaultFont());
    // Pictures in the selection are kept by the whole document.
    text->setResourceProvider([&document](const QUrl& name) {
        return document.resource(QTextDocument::ImageResource, name);
    });
    QTextCursor(text.get()).insertFragment(selection.selection());
    return text;
}

void layOutOnPaper(QTextDocument* document, QPrinter& printer)
{
    document->documentLayout()->setPaintDevice(&printer);
    QTextFrameFormat frame = document->rootFrame()->frameFormat();
    frame.setMargin(kPaperMargin);
    document->rootFrame()->setFrameFormat(frame);
    document->setPageSize(QSizeF(printer.width(), printer.height()));
}

PageSpan pagesToPrint(const QPrinter& printer, int pageCount)
{
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() < 1)
        return {0, pageCount - 1};
    return {printer.fromPage() - 1, std::min(printer.toPage(), pageCount) - 1};
}

void paintPage(QPainter& painter, const QTextDocument& document, int page)
{
    const QSizeF size = document.pageSize();
    const QRectF area(QPointF(0, page * size.height()), size);
    painter.save();
    painter.translate(0, -area.top());
    painter.setClipRect(area);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = area;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

QString description(DocumentPrinter::Failure failure)
{
    switch (failure) {
    case DocumentPrinter::Failure::PrinterUnavailable:
        return QStringLiteral("The chosen printer is not available");
    case DocumentPrinter::Failure::DocumentNotStarted:
        return QStringLiteral("The printer did not accept the document");
    case DocumentPrinter::Failure::PageNotStarted:
        return QStringLiteral("The printer could not start a new page");
    case DocumentPrinter::Failure::DocumentNotFinished:
        return QStringLiteral("The printer could not finish the document");
    }
    return QString();
}

// A PDF printer needs a file to print to.
bool printerAvailable(const QPrinter& printer)
{
    return printer.isValid()
        && (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty());
}

// The PDF writer reports success even when its file could not be written
// (a full disk, a device that takes nothing): the file must hold the pages.
bool outputWritten(const QPrinter& printer)
{
    if (printer.printerState() == QPrinter::Error)
        return false;
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return true;
    const QFileInfo file(printer.outputFileName());
    return file.isFile() && file.size() > 0;
}

} // namespace

DocumentPrinter::DocumentPrinter(Dialogs& dialogs, QPrinter& printer)
    : m_dialogs(dialogs), m_printer(printer)
{
}

void DocumentPrinter::print(const QTextDocument& document)
{
    print(document, QTextCursor());
}

void DocumentPrinter::print(const QTextDocument& document, const QTextCursor& selection)
{
    const std::optional<int> copies = m_dialogs.choosePrinter(m_printer);
    if (!copies)
        return;
    // The copies are painted here, one after the other; a driver asked for
    // copies as well would multiply them.
    m_printer.setCopyCount(1);
    std::optional<Failure> failure;
    if (!printerAvailable(m_printer)) {
        failure = Failure::PrinterUnavailable;
    } else {
        const std::unique_ptr<QTextDocument> text = printedText(document, selection);
        failure = printCopies(m_printer, *text, *copies);
    }
    if (failure)
        m_dialogs.showMessage(errorMessage(*failure), QCoreApplication::applicationName(),
                              MessageIcon::None, MessageButtons::Ok);
}

std::optional<DocumentPrinter::Failure> DocumentPrinter::printCopies(QPrinter& printer, QTextDocument& document,
                                                                    int copies)
{
    layOutOnPaper(&document, printer);
    const PageSpan pages = pagesToPrint(printer, document.pageCount());
    if (copies < 1 || pages.isEmpty())
        return std::nullopt;

    QPainter painter;
    if (!painter.begin(&printer))
        return Failure::DocumentNotStarted;
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int page = pages.first; page <= pages.last; ++page) {
            if (!firstPage && !printer.newPage())
                return Failure::PageNotStarted;
            firstPage = false;
            paintPage(painter, document, page);
        }
    }
    if (!painter.end() || !outputWritten(printer))
        return Failure::DocumentNotFinished;
    return std::nullopt;
}

QString DocumentPrinter::errorMessage(Failure failure)
{
    return QStringLiteral("Error Occured While Printing: %1 %2")
        .arg(static_cast<int>(failure))
        .arg(description(failure));
}

Result DocumentPrinter::savePdf(const QTextDocument& document, const QString& path)
{
    const auto failed = [&path](const QString& why) {
        return Result::failure(QStringLiteral("The PDF file \"%1\" could not be saved: %2.")
                                   .arg(QDir::toNativeSeparators(path), why));
    };
    // Qt's PDF writer wants a file name; the pages go to a scratch file and
    // replace the chosen one only once they are whole.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return failed(QStringLiteral("no room for the pages"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setPageLayout(m_printer.pageLayout());
    pdf.setOutputFileName(scratch.filePath(QStringLiteral("pages.pdf")));
    const std::unique_ptr<QTextDocument> text = printedText(document, QTextCursor());
    if (const std::optional<Failure> failure = printCopies(pdf, *text, 1))
        return failed(description(*failure));
    QFile pages(pdf.outputFileName());
    QSaveFile file(path);
    if (!pages.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    if (file.write(pages.readAll()) < 0 || !file.commit())
        return failed(file.errorString());
    return Result::success();
}
