#include "Benchmark.h"

#include "ReportTemplate.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QTextEdit>

// The report generator's work for one customer: read the shipped template,
// fill it from a record and show it in the preview.

namespace {

constexpr int kRuns = 50;

// The template as shipped, from the source tree the benchmark was built from.
QString shippedReportTemplate()
{
    return ReportTemplate::reportFile(QFileInfo(QStringLiteral(__FILE__)).absolutePath()
                                      + QStringLiteral("/../resources"));
}

CustomerList::DetailPanel sampleDetails()
{
    return {QStringLiteral("Ada Lovelace"),  QStringLiteral("12 St James's Square"),
            QStringLiteral("United Kingdom"), QStringLiteral("London"),
            QStringLiteral("SW1Y 4JH"),      QStringLiteral("020 7946 0000"),
            QStringLiteral("020 7946 0001"), QStringLiteral("ada@example.org"),
            QStringLiteral("Greater London"), QStringLiteral("Analytical Engine"),
            QStringLiteral("2"),             QStringLiteral("10/12/1843"),
            QStringLiteral("Cheque"),        QStringLiteral("1234.50"),
            QStringLiteral("2469.00")};
}

void reportBenchmark()
{
    const QString path = shippedReportTemplate();
    const ReportTemplate::Placeholders values =
        ReportTemplate::reportValues(sampleDetails(), QStringLiteral("$"));
    QTextEdit preview;
    preview.resize(640, 480);
    bool loaded = true;
    const double ms = Benchmark::medianMs(kRuns, [&] {
        loaded = ReportTemplate::load(path, preview.document()).ok() && loaded;
        ReportTemplate::fill(preview.document(), values);
        preview.document()->documentLayout()->documentSize();
        preview.viewport()->grab();
    });
    if (!loaded) {
        Benchmark::report(QStringLiteral("report fill: the template is missing: ") + path);
        return;
    }
    Benchmark::report(QStringLiteral("report fill: ") + Benchmark::milliseconds(ms));
}

} // namespace

TALLYVANE_BENCHMARK("report", reportBenchmark);
