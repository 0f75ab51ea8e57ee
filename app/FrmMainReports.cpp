// The main window's reports: the two pie charts, the report generator and
// the quick note, and their printing.
#include "FrmMain.h"

#include "ChartPicture.h"
#include "DateTimeText.h"
#include "Dialogs.h"
#include "DocumentPrinter.h"
#include "Pie.h"
#include "PieShares.h"
#include "ReportPages.h"
#include "ReportTemplate.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>

namespace {

bool drawShares(Pie* chart, const PieShares& shares)
{
    // The control raises the sizes to its smallest chart.
    return chart->CreatePie({shares.share, shares.rest}, 1, 1, 1);
}

} // namespace

// The customer's share of all earnings, from the figures the window shows.
// Figures that give no share (no earnings yet) draw nothing and say nothing.
bool FrmMain::drawProfitShare()
{
    const std::optional<PieShares> shares =
        sharesOf(ui.LblDbInfo[CustomerList::TotalSpent]->value(), ui.GroupBox9->Label40->value());
    if (!shares)
        return false;
    ProfitSharePage* page = ui.GroupBox10;
    drawShares(page->Pie1, *shares);
    page->Label53->setText(ui.LblDbInfo[0]->value() + QStringLiteral("'s Spendings"));
    page->Label56->setHeading(page->Label53->text());
    page->Label56->setValue(shareLegendText(shares->share));
    return true;
}

void FrmMain::generatePieChart()
{
    drawProfitShare();
}

void FrmMain::showEarningsChart()
{
    if (customerSelectedOrSaySo() && drawProfitShare())
        showToolPage(ui.GroupBox10);
}

void FrmMain::showGenderChart()
{
    const std::optional<PieShares> shares =
        sharesOf(m_customers.maleCountText(), ui.GroupBox6->Label24->value());
    if (!shares)
        return;
    GenderChartPage* page = ui.GroupBox12;
    drawShares(page->Pie2, *shares);
    page->Label61->setValue(shareLegendText(shares->share));
    page->Label62->setValue(shareLegendText(shares->rest));
    showToolPage(page);
}

void FrmMain::generateReport()
{
    if (!customerSelectedOrSaySo())
        return;
    QTextDocument* report = ui.GroupBox7->RichTextBox1->document();
    if (const Result loaded = ReportTemplate::load(ReportTemplate::reportFile(m_programFolder), report); !loaded.ok()) {
        reportFailure(loaded, QStringLiteral("Generate Report"));
        return;
    }
    ReportTemplate::fill(report, ReportTemplate::reportValues(m_customers.details(),
                                                              ui.GroupBox9->Label39->text()));
    ui.GroupBox7->RichTextBox1->moveCursor(QTextCursor::Start);
    showToolPage(ui.GroupBox7);
}

void FrmMain::printReport()
{
    QTextEdit* preview = ui.GroupBox7->RichTextBox1;
    printDocument(*preview->document(), preview->textCursor());
}

bool FrmMain::fillNote()
{
    QuickNotePage* page = ui.GroupBox14;
    if (const Result loaded = ReportTemplate::load(ReportTemplate::noteFile(m_programFolder), &page->RichTextBox2);
        !loaded.ok()) {
        reportFailure(loaded, QStringLiteral("Quick Note Creator"));
        return false;
    }
    const QDateTime now = m_clock();
    ReportTemplate::fill(&page->RichTextBox2,
                         ReportTemplate::noteValues(now.date(), now.time(), page->Text23->toPlainText()));
    return true;
}

void FrmMain::printNote()
{
    if (fillNote())
        printDocument(ui.GroupBox14->RichTextBox2, QTextCursor());
}

void FrmMain::saveReportPdf()
{
    saveAsPdf(*ui.GroupBox7->RichTextBox1->document(), QStringLiteral("Report.pdf"));
}

void FrmMain::saveNotePdf()
{
    if (fillNote())
        saveAsPdf(ui.GroupBox14->RichTextBox2, QStringLiteral("Note.pdf"));
}

void FrmMain::saveAsPdf(const QTextDocument& document, const QString& fileName)
{
    const std::optional<QString> path = m_dialogs.chooseSaveFile(
        {QStringLiteral("Save As PDF"), QStringLiteral("pdf"), QDir::home().filePath(fileName),
         QStringLiteral("PDF documents (*.pdf)")});
    if (!path)
        return;
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    if (const Result saved = DocumentPrinter(m_dialogs, *m_printer).savePdf(document, *path); !saved.ok())
        reportFailure(saved, QStringLiteral("Save As PDF"));
}

void FrmMain::saveChartPicture(ChartPage* page, const QString& format)
{
    const QString title = QStringLiteral("Save As %1").arg(format.toUpper());
    const std::optional<QString> path = m_dialogs.chooseSaveFile(
        {title, format, QDir::home().filePath(QString(page->caption()).remove(QLatin1Char(' ')) + QLatin1Char('.') + format),
         QStringLiteral("%1 pictures (*.%2)").arg(format.toUpper(), format)});
    if (!path)
        return;
    if (const Result saved = ::saveChartPicture(page, page->pictureArea(), *path); !saved.ok())
        reportFailure(saved, title);
}

void FrmMain::printDocument(const QTextDocument& document, const QTextCursor& selection)
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>();
    DocumentPrinter(m_dialogs, *m_printer).print(document, selection);
}
