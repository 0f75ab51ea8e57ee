#include "DocumentPrinter.h"
#include "FakeDialogs.h"
#include "ReportTemplate.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

namespace {

// Runs one of poppler's tools on the printed file and returns its output.
QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        qWarning("%s is missing: run scripts/setup to install poppler-utils", qPrintable(tool));
        return QString();
    }
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        qWarning("%s failed: %s", qPrintable(tool), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString printedText(const QString& pdf)
{
    return popplerOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

QString printedFonts(const QString& pdf)
{
    return popplerOutput(QStringLiteral("pdffonts"), {pdf});
}

// Pages in pdftotext's output end in a form feed.
int pageCount(const QString& text)
{
    return int(text.count(QLatin1Char('\f')));
}

// The order in which the document's first and last lines appear in the
// printed text, as "first last first last..." for copies printed whole.
QString orderOfEnds(const QString& text, const QString& firstLine, const QString& lastLine)
{
    QStringList ends;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.trimmed() == firstLine)
            ends.append(QStringLiteral("first"));
        else if (line.trimmed() == lastLine)
            ends.append(QStringLiteral("last"));
    }
    return ends.join(QLatin1Char(' '));
}

// A letter of many short paragraphs, long enough for several pages.
QString longLetter()
{
    QString html;
    for (int line = 1; line <= 120; ++line)
        html += QStringLiteral("<p>Paragraph %1</p>").arg(line);
    return html;
}

// The shipped report, filled for one customer as the preview shows it.
void fillShippedReport(QTextDocument* document)
{
    const QString resources =
        QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources");
    QVERIFY(ReportTemplate::load(ReportTemplate::reportFile(resources), document).ok());
    CustomerList::DetailPanel details;
    details.fill(QStringLiteral("-"));
    details[0] = QStringLiteral("Ada Lovelace");
    details[9] = QStringLiteral("Analytical Engine");
    details[CustomerList::ItemPrice] = QStringLiteral("1234.50");
    ReportTemplate::fill(document, ReportTemplate::reportValues(details, QStringLiteral("$")));
}

} // namespace

class tst_documentprinter : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void printsTheChosenCopies_data();
    void printsTheChosenCopies();
    void printsTheFilledReport_data();
    void printsTheFilledReport();
    void printsOnlyTheSelection_data();
    void printsOnlyTheSelection();
    void printsTheChosenPagesOfEachCopy();
    void cancelledPrintsNothingAndSaysNothing();
    void failingPrinterShowsTheError_data();
    void failingPrinterShowsTheError();

private:
    QString pdfPath() const { return m_folder.filePath(QStringLiteral("printed.pdf")); }
    void print(const QTextDocument& document, const QTextCursor& selection, int copies);

    QTemporaryDir m_folder;
    QPrinter m_printer;
    FakeDialogs m_dialogs;
};

void tst_documentprinter::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(),
             "pdftotext is missing: run scripts/setup to install poppler-utils");
    QCoreApplication::setApplicationName(QStringLiteral("Tallyvane"));
    QVERIFY(m_folder.isValid());
}

void tst_documentprinter::init()
{
    QFile::remove(pdfPath());
    m_dialogs = FakeDialogs();
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(pdfPath());
    m_printer.setPrintRange(QPrinter::AllPages);
    m_printer.setFromTo(0, 0);
}

void tst_documentprinter::print(const QTextDocument& document, const QTextCursor& selection, int copies)
{
    m_dialogs.queuePrint(copies);
    DocumentPrinter(m_dialogs, m_printer).print(document, selection);
}

void tst_documentprinter::printsTheChosenCopies_data()
{
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("severalPages");
    const QString report = QStringLiteral("<p><b>Customer Report</b></p><p>Ada Lovelace</p>");
    QTest::newRow("one copy") << 1 << report << false;
    QTest::newRow("three copies") << 3 << report << false;
    QTest::newRow("three copies of several pages") << 3 << longLetter() << true;
}

void tst_documentprinter::printsTheChosenCopies()
{
    QFETCH(int, copies);
    QFETCH(QString, html);
    QFETCH(bool, severalPages);
    QTextDocument document;
    document.setHtml(html);

    print(document, QTextCursor(), copies);

    const QString text = printedText(pdfPath());
    QCOMPARE(pageCount(text) % copies, 0);
    QCOMPARE(pageCount(text) / copies > 1, severalPages);
    const QString wholeCopies = QStringList(copies, QStringLiteral("first last")).join(QLatin1Char(' '));
    QCOMPARE(orderOfEnds(text, document.firstBlock().text(), document.lastBlock().text()), wholeCopies);
    QVERIFY(m_dialogs.messages().isEmpty());
}

void tst_documentprinter::printsTheFilledReport_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("printed");
    QTest::addColumn<int>("timesPerCopy");
    QTest::newRow("whole report") << QString() << QStringLiteral("Ada Lovelace") << 2;
    QTest::newRow("word selected in the purchase table")
        << QStringLiteral("Engine") << QStringLiteral("Engine") << 1;
}

void tst_documentprinter::printsTheFilledReport()
{
    QFETCH(QString, selected);
    QFETCH(QString, printed);
    QFETCH(int, timesPerCopy);
    QTextDocument document;
    fillShippedReport(&document);
    const QTextCursor selection = selected.isEmpty()
        ? QTextCursor()
        : document.find(selected, 0, QTextDocument::FindCaseSensitively);

    print(document, selection, 3);

    const QString text = printedText(pdfPath());
    QCOMPARE(pageCount(text), 3);
    QCOMPARE(text.count(printed), 3 * timesPerCopy);
    QCOMPARE(text.contains(QStringLiteral("Customer Purchase Report")), selected.isEmpty());
}

void tst_documentprinter::printsOnlyTheSelection_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("bold");
    QTest::newRow("plain word")
        << QStringLiteral("<p>Dear <b>Ada</b>, thank you for your order.</p>")
        << QStringLiteral("thank") << false;
    QTest::newRow("bold word")
        << QStringLiteral("<p>Dear <b>Ada</b>, thank you for your order.</p>")
        << QStringLiteral("Ada") << true;
    QTest::newRow("across paragraphs")
        << QStringLiteral("<p>First line</p><p>Second line</p><p>Third line</p>")
        << QStringLiteral("line\nSecond") << false;
}

void tst_documentprinter::printsOnlyTheSelection()
{
    QFETCH(QString, html);
    QFETCH(QString, selected);
    QFETCH(bool, bold);
    QTextDocument document;
    document.setHtml(html);
    QTextCursor selection(&document);
    const int start = int(document.toPlainText().indexOf(selected));
    QVERIFY(start >= 0);
    selection.setPosition(start);
    selection.setPosition(start + int(selected.size()), QTextCursor::KeepAnchor);

    print(document, selection, 3);

    const QString text = printedText(pdfPath());
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 3);
    for (const QString& page : pages)
        QCOMPARE(page.trimmed(), selected);
    QCOMPARE(printedFonts(pdfPath()).contains(QStringLiteral("Bold")), bold);
}

void tst_documentprinter::printsTheChosenPagesOfEachCopy()
{
    QTextDocument document;
    document.setHtml(longLetter());
    m_printer.setPrintRange(QPrinter::PageRange);
    m_printer.setFromTo(2, 2);

    print(document, QTextCursor(), 2);

    const QString text = printedText(pdfPath());
    QCOMPARE(pageCount(text), 2);
    QVERIFY(!text.contains(QStringLiteral("Paragraph 1\n")));
    QVERIFY(!text.contains(QStringLiteral("Paragraph 120")));
}

void tst_documentprinter::cancelledPrintsNothingAndSaysNothing()
{
    QTextDocument document(QStringLiteral("Customer Report"));
    m_dialogs.queuePrint(std::nullopt);

    DocumentPrinter(m_dialogs, m_printer).print(document);

    QCOMPARE(m_dialogs.printRequests(), 1);
    QVERIFY(!QFile::exists(pdfPath()));
    QVERIFY(m_dialogs.messages().isEmpty());
}

namespace {

// A printer that goes away after the first page.
class PageRefusingPrinter : public QPrinter
{
public:
    bool newPage() override { return false; }
};

} // namespace

void tst_documentprinter::failingPrinterShowsTheError_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("refusesPages");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no file for the PDF") << "" << false << "1 The chosen printer is not available";
    QTest::newRow("folder missing") << "no such folder/printed.pdf" << false
                                    << "2 The printer did not accept the document";
    QTest::newRow("gone after a page") << "printed.pdf" << true << "3 The printer could not start a new page";
    QTest::newRow("nothing written") << "/dev/full" << false << "4 The printer could not finish the document";
}

// Each failure is told once, in the printer's words; the document is kept.
void tst_documentprinter::failingPrinterShowsTheError()
{
    QFETCH(QString, output);
    QFETCH(bool, refusesPages);
    QFETCH(QString, expected);
    QTextDocument document(QStringLiteral("Customer Report"));
    std::unique_ptr<QPrinter> printer = refusesPages ? std::make_unique<PageRefusingPrinter>()
                                                     : std::make_unique<QPrinter>();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(output.isEmpty() || output.startsWith('/') ? output : m_folder.filePath(output));
    if (expected.startsWith('2'))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    m_dialogs.queuePrint(2);

    DocumentPrinter(m_dialogs, *printer).print(document);

    QCOMPARE(m_dialogs.messages().size(), 1);
    const FakeDialogs::Message message = m_dialogs.messages().first();
    QCOMPARE(message.text, QStringLiteral("Error Occured While Printing: ") + expected);
    QCOMPARE(message.title, QStringLiteral("Tallyvane"));
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(document.toPlainText(), QStringLiteral("Customer Report"));
}

QTEST_MAIN(tst_documentprinter)
#include "tst_documentprinter.moc"
