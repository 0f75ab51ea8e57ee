#pragma once

#include "MainPages.h"

#include <QTextDocument>

class Pie;
class QPlainTextEdit;
class QTextEdit;

// "Report Preview": the filled report, editable before printing.
class ReportPreviewPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit ReportPreviewPage(QWidget* parent);

    QTextEdit* RichTextBox1;
    chameleonButton* chameleonButton1; // "Print Report"
    chameleonButton* savePdf;
};

// A pie chart with a legend of two entries beside it: each entry a swatch
// of its slice's colour, a caption and a share.
class ChartPage : public PanelGroup
{
    Q_OBJECT

public:
    struct LegendEntry
    {
        QLabel* caption;
        ValueLabel* share;
    };

    // The chart and its legend, as the picture buttons save them.
    QRect pictureArea() const;
    const QString& caption() const { return m_caption; }

    chameleonButton* savePng;
    chameleonButton* saveSvg;

protected:
    ChartPage(const QString& objectName, const QString& caption, QWidget* parent);
    LegendEntry addLegendEntry(int entry, const QString& caption);

    Pie* chart;

private:
    QString m_caption;
};

// "Profit Share Chart": the selected customer's share of the earnings.
class ProfitSharePage : public ChartPage
{
    Q_OBJECT

public:
    explicit ProfitSharePage(QWidget* parent);

    Pie* Pie1;
    QLabel* Label53;     // the customer's caption
    ValueLabel* Label56; // the customer's share
    QLabel* Label55;     // "Other Customers' Profit Share"
    chameleonButton* chameleonButton6; // "Generate Pie Chart"
};

// "Gender Statistics Chart": the male customers' share of all customers.
class GenderChartPage : public ChartPage
{
    Q_OBJECT

public:
    explicit GenderChartPage(QWidget* parent);

    Pie* Pie2;
    QLabel* Label60;     // "Male Customers"
    ValueLabel* Label61; // the male share
    QLabel* Label59;     // "Female Customers"
    ValueLabel* Label62; // the remaining share
};

// "Quick Note Creator": a note printed in the note template.
class QuickNotePage : public PanelGroup
{
    Q_OBJECT

public:
    explicit QuickNotePage(QWidget* parent);

    QPlainTextEdit* Text23;
    chameleonButton* chameleonButton7; // "Print Notes In Template Format"
    chameleonButton* savePdf;
    // The filled note as it goes to the printer; never shown.
    QTextDocument RichTextBox2;
};
