#include "Benchmark.h"
#include "RtfReader.h"

#include <QByteArray>
#include <QTextDocument>

namespace {

constexpr int kRuns = 7;
constexpr qsizetype kDocumentBytes = 1 << 20;

const char* const kHeader =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
    "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
    "{\\f2\\fmodern\\fcharset0 Courier New;}}"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red192\\green0\\blue0;\\red255\\green255\\blue0;}"
    "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Quarterly statements}}\r\n";

// One customer's statement as a word processor writes it: a heading, an
// address block, body paragraphs with styled runs, and a table of items.
QByteArray statement(int number)
{
    const QByteArray n = QByteArray::number(number);
    QByteArray section;
    section += "\\pard\\qc\\sb240\\sa120\\b\\f1\\fs32\\cf1 Statement " + n + "\\b0\\cf0\\fs24\\par\r\n";
    section += "\\pard\\ql\\f0 Customer " + n + "\\line 12 Market Street\\line Springfield\\par\r\n";
    section += "\\pard\\qj\\li360\\ri360\\fi-360\\sa120 Dear customer,\\par\r\n";
    section += "\\pard\\qj\\sa120 Thank you for your order of {\\b three widgets} and {\\i two gadgets}. "
               "The total of {\\cf2\\b \\'80 " + n + ".50} is due within {\\ul thirty days}. "
               "Caf\\'e9 orders ship from our {\\highlight3 new warehouse} \\u8211? see the enclosed "
               "price list in {\\f2\\fs20 ITEM-" + n + "}.\\par\r\n";
    section += "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx3000\\cellx6000\\cellx9000\r\n";
    for (int row = 0; row < 3; ++row)
        section += "\\pard\\intbl Widget " + QByteArray::number(row) + "\\cell " + QByteArray::number(row + 2)
                 + "\\cell \\'80 9.99\\cell\\row\r\n";
    section += "\\pard\\sa240 Kind regards,\\par Sales team\\par\\page\r\n";
    return section;
}

QByteArray businessDocument()
{
    QByteArray rtf = kHeader;
    for (int number = 1; rtf.size() < kDocumentBytes; ++number)
        rtf += statement(number);
    return rtf + "}";
}

// Reading the rich text is compared with Qt reading the same document as
// HTML, the format QTextDocument is built to load.
void richTextBenchmark()
{
    const QByteArray rtf = businessDocument();
    QTextDocument parsed;
    RtfReader::read(rtf, &parsed);
    const QString html = parsed.toHtml();
    const double rtfMs = Benchmark::medianMs(kRuns, [&] {
        QTextDocument document;
        RtfReader::read(rtf, &document);
    });
    const double htmlMs = Benchmark::medianMs(kRuns, [&] {
        QTextDocument document;
        document.setHtml(html);
    });
    Benchmark::report(QStringLiteral("rich text parse 1 MB: %1, QTextDocument from HTML %2, %3")
                          .arg(Benchmark::milliseconds(rtfMs), Benchmark::milliseconds(htmlMs),
                               Benchmark::ratio(rtfMs, htmlMs)));
}

} // namespace

TALLYVANE_BENCHMARK("rich text", richTextBenchmark);
