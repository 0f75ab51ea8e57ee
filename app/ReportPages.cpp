#include "ReportPages.h"

#include "OleColor.h"
#include "Pie.h"
#include "WindowButton.h"
#include "chameleonButton.h"

#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kLeft = 14;
constexpr int kTop = 28;
constexpr int kRight = 400;
constexpr int kButtonTop = 236;
constexpr int kButtonHeight = 28;

// The chart's slices take the pie's default colours, first slice first.
const QColor kSliceColours[] = {QColor(168, 223, 11), QColor(0, 155, 225)};

constexpr int kChartWidth = 220;
constexpr int kChartHeight = 130;
constexpr int kLegendLeft = kLeft + kChartWidth + 12;
constexpr int kSwatchSize = 12;
constexpr int kLegendTextLeft = kLegendLeft + kSwatchSize + 6;
constexpr int kLegendStep = 64;

} // namespace

ReportPreviewPage::ReportPreviewPage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox7"), QStringLiteral("Report Preview"), parent)
{
    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setPlainText(QStringLiteral("Print Preview"));
    RichTextBox1->setAccessibleName(QStringLiteral("Report Preview"));
    RichTextBox1->setTabChangesFocus(true);
    RichTextBox1->setGeometry(kLeft, kTop, kRight - kLeft, kButtonTop - kTop - 8);
    chameleonButton1 = addWindowButton(this, QStringLiteral("Print Report"),
                                       QRect(kRight - 140, kButtonTop, 140, kButtonHeight));
    savePdf = addWindowButton(this, QStringLiteral("Save As PDF..."),
                              QRect(kRight - 140 - 8 - 130, kButtonTop, 130, kButtonHeight));
}

ChartPage::ChartPage(const QString& objectName, const QString& caption, QWidget* parent)
    : PanelGroup(objectName, caption, parent), m_caption(caption)
{
    chart = new Pie(this);
    chart->setBackcolor(kWhite);
    chart->setGeometry(kLeft, kTop + 8, kChartWidth, kChartHeight);
    chart->setAccessibleName(caption);
    savePng = addWindowButton(this, QStringLiteral("Save As PNG..."),
                              QRect(kRight - 2 * 110 - 8, kButtonTop, 110, kButtonHeight));
    saveSvg = addWindowButton(this, QStringLiteral("Save As SVG..."),
                              QRect(kRight - 110, kButtonTop, 110, kButtonHeight));
}

QRect ChartPage::pictureArea() const
{
    return QRect(kLeft, kTop, kRight - kLeft, kChartHeight + 16);
}

ChartPage::LegendEntry ChartPage::addLegendEntry(int entry, const QString& caption)
{
    const int top = kTop + 16 + entry * kLegendStep;
    auto* swatch = new QWidget(this);
    swatch->setGeometry(kLegendLeft, top + 3, kSwatchSize, kSwatchSize);
    swatch->setAutoFillBackground(true);
    QPalette colour = swatch->palette();
    colour.setColor(QPalette::Window, kSliceColours[entry]);
    swatch->setPalette(colour);

    auto* captionLabel = new QLabel(caption, this);
    captionLabel->setTextFormat(Qt::PlainText);
    captionLabel->setWordWrap(true);
    captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    captionLabel->setGeometry(kLegendTextLeft, top, kRight - kLegendTextLeft, 34);
    auto* share = new ValueLabel(caption, QStringLiteral(" = 0%"), this);
    share->setGeometry(kLegendTextLeft, top + 36, kRight - kLegendTextLeft, 18);
    captionLabel->setBuddy(share);
    return {captionLabel, share};
}

ProfitSharePage::ProfitSharePage(QWidget* parent)
    : ChartPage(QStringLiteral("GroupBox10"), QStringLiteral("Profit Share Chart"), parent)
{
    Pie1 = chart;
    const LegendEntry customer = addLegendEntry(0, QStringLiteral("Selected Customer's Profit Share"));
    Label53 = customer.caption;
    Label56 = customer.share;
    Label55 = addLegendEntry(1, QStringLiteral("Other Customers' Profit Share")).caption;
    // Only the customer's share has a figure.
    Label55->buddy()->hide();
    chameleonButton6 = addWindowButton(this, QStringLiteral("Generate Pie Chart"),
                                       QRect(kLeft, kButtonTop, 150, kButtonHeight));
}

GenderChartPage::GenderChartPage(QWidget* parent)
    : ChartPage(QStringLiteral("GroupBox12"), QStringLiteral("Gender Statistics Chart"), parent)
{
    Pie2 = chart;
    const LegendEntry male = addLegendEntry(0, QStringLiteral("Male Customers"));
    Label60 = male.caption;
    Label61 = male.share;
    const LegendEntry rest = addLegendEntry(1, QStringLiteral("Female Customers"));
    Label59 = rest.caption;
    Label62 = rest.share;
}

QuickNotePage::QuickNotePage(QWidget* parent)
    : PanelGroup(QStringLiteral("GroupBox14"), QStringLiteral("Quick Note Creator"), parent)
{
    auto* caption = new QLabel(QStringLiteral("Enter Your Notes:"), this);
    caption->setGeometry(kLeft, kTop, kRight - kLeft, 18);
    Text23 = new QPlainTextEdit(this);
    Text23->setGeometry(kLeft, kTop + 22, kRight - kLeft, kButtonTop - kTop - 30);
    Text23->setAccessibleName(QStringLiteral("Enter Your Notes"));
    Text23->setTabChangesFocus(true);
    caption->setBuddy(Text23);
    chameleonButton7 = addWindowButton(this, QStringLiteral("Print Notes In Template Format"),
                                       QRect(kRight - 230, kButtonTop, 230, kButtonHeight));
    savePdf = addWindowButton(this, QStringLiteral("Save As PDF..."),
                              QRect(kRight - 230 - 8 - 130, kButtonTop, 130, kButtonHeight));
}
