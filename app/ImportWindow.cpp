#include "ImportWindow.h"

#include "CaptionedField.h"
#include "CustomerStore.h"
#include "Dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString kTitle = QStringLiteral("Import Customers");
constexpr int kWidth = 760;
constexpr int kMargin = 12;
constexpr char kSeparators[] = {',', ';', '\t'};

QString number(qint64 value)
{
    return QLocale().toString(value);
}

} // namespace

ImportWindow::ImportWindow(CustomerStore& store, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(kTitle);
    setFixedSize(kWidth, 608);
    buildFileRows();
    buildMapping();
    buildPreviewAndButtons();
    showSession();
}

void ImportWindow::buildFileRows()
{
    const CaptionedRows rows{kMargin, 84, 0, 12, 32, 24};
    m_path = rows.add<QLineEdit>(this, QStringLiteral("&File:"), 0, 530);
    m_path->setReadOnly(true);
    m_path->setPlaceholderText(QStringLiteral("A CSV or vCard file, or a Jet database (.mdb, .accdb)"));
    m_choose = new QPushButton(QStringLiteral("&Choose File..."), this);
    m_choose->setGeometry(kWidth - kMargin - 130, 12, 130, 24);
    connect(m_choose, &QPushButton::clicked, this, &ImportWindow::chooseFile);

    const CaptionedRows row{kMargin, 84, 0, 0, 0, 24};
    m_jetRow = new QWidget(this);
    m_jetRow->setGeometry(0, rows.rowTop(1), kWidth, 24);
    m_tableBox = row.add<QComboBox>(m_jetRow, QStringLiteral("&Table:"), 0, 360);
    m_tableBox->setEditable(false);
    connect(m_tableBox, &QComboBox::activated, this, [this](int index) {
        if (const Result chosen = m_session.chooseTable(index); !chosen.ok())
            fail(chosen);
        showSession();
    });

    m_csvRow = new QWidget(this);
    m_csvRow->setGeometry(0, rows.rowTop(1), kWidth, 24);
    m_encoding = row.add<QComboBox>(m_csvRow, QStringLiteral("&Encoding:"), 0, 150);
    m_encoding->addItems({"UTF-8", "UTF-16LE", "UTF-16BE", "windows-1252", "ISO-8859-1", "ISO-8859-15",
                          "windows-1250", "IBM850", "Shift_JIS", "GB18030", "Big5", "KOI8-R"});
    m_separator = newField<QComboBox>(m_csvRow);
    m_separator->setEditable(false);
    m_separator->setGeometry(334, 0, 110, 24);
    addFieldCaption(m_separator, QStringLiteral("&Separator:"), QRect(250, 0, 84, 24));
    m_separator->addItems({QStringLiteral("Comma"), QStringLiteral("Semicolon"), QStringLiteral("Tab")});
    m_header = new QCheckBox(QStringLiteral("The first line &names the columns"), m_csvRow);
    m_header->setGeometry(460, 0, kWidth - 460 - kMargin, 24);
    connect(m_encoding->lineEdit(), &QLineEdit::editingFinished, this, &ImportWindow::applyCsvOptions);
    connect(m_encoding, &QComboBox::activated, this, &ImportWindow::applyCsvOptions);
    connect(m_separator, &QComboBox::activated, this, &ImportWindow::applyCsvOptions);
    connect(m_header, &QCheckBox::toggled, this, &ImportWindow::applyCsvOptions);
}

void ImportWindow::buildMapping()
{
    auto* group = new QGroupBox(QStringLiteral("Which column of the file feeds each field"), this);
    group->setGeometry(kMargin, 80, kWidth - 2 * kMargin, 242);
    const QStringList& captions = CustomerFields::captions();
    for (int field = 0; field < captions.size(); ++field) {
        const int half = field / 8;
        const CaptionedRows rows{12 + half * 366, 142 + half * 366, 210, 24, 27, 24};
        auto* box = newField<QComboBox>(group);
        box->setEditable(false);
        box->setGeometry(rows.fieldRect(field % 8));
        addFieldCaption(box, captions.at(field) + QLatin1Char(':'), rows.captionRect(field % 8));
        connect(box, &QComboBox::activated, this, [this, field](int index) {
            m_session.setMapping(field, index - 1);
            showSession();
        });
        m_mappingBoxes << box;
    }
}

void ImportWindow::buildPreviewAndButtons()
{
    auto* heading = new QLabel(QStringLiteral("The first customers as they will be stored:"), this);
    heading->setGeometry(kMargin, 330, 400, 20);
    m_preview = new QTableWidget(this);
    m_preview->setGeometry(kMargin, 352, kWidth - 2 * kMargin, 190);
    m_preview->setAccessibleName(heading->text().chopped(1));
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setDefaultSectionSize(20);
    QStringList headings{QStringLiteral("Line"), QStringLiteral("Refused Because")};
    headings += CustomerFields::captions();
    m_preview->setColumnCount(int(headings.size()));
    m_preview->setHorizontalHeaderLabels(headings);
    m_preview->verticalHeader()->hide();

    m_status = new QLabel(this);
    m_status->setGeometry(kMargin, 548, 470, 20);
    m_progress = new QProgressBar(this);
    m_progress->setGeometry(kMargin, 572, 470, 22);
    m_progress->setAccessibleName(QStringLiteral("Import progress"));
    m_import = new QPushButton(QStringLiteral("&Import"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    int left = 500;
    for (QPushButton* button : {m_import, m_cancel, m_close}) {
        button->setGeometry(left, 570, 78, 26);
        left += 84;
    }
    m_import->setDefault(true);
    connect(m_import, &QPushButton::clicked, this, &ImportWindow::runImport);
    connect(m_cancel, &QPushButton::clicked, this, &ImportWindow::cancelImport);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    setBusy(false);
}

void ImportWindow::chooseFile()
{
    const std::optional<QString> path = m_dialogs.chooseOpenFile(
        {kTitle, QString(), m_session.path(),
         QStringLiteral("Customer files (*.csv *.txt *.tsv *.vcf *.mdb *.accdb)")});
    if (path)
        openFile(*path);
}

void ImportWindow::openFile(const QString& path)
{
    if (const Result opened = m_session.open(path); !opened.ok())
        fail(opened);
    showSession();
}

void ImportWindow::showSession()
{
    m_showing = true;
    const bool jet = m_session.kind() == ImportSession::Kind::Jet;
    const bool csv = m_session.kind() == ImportSession::Kind::Csv;
    m_path->setText(QDir::toNativeSeparators(m_session.path()));
    m_jetRow->setVisible(jet);
    m_csvRow->setVisible(csv);
    m_tableBox->clear();
    for (const JetFile::Table& table : m_session.tables())
        m_tableBox->addItem(QStringLiteral("%1 (%2 rows)").arg(table.name, number(table.rows)));
    m_tableBox->setCurrentIndex(m_session.table());
    const CustomerImport::CsvOptions& options = m_session.csvOptions();
    m_encoding->setCurrentText(options.encoding);
    m_separator->setCurrentIndex(int(std::find(std::begin(kSeparators), std::end(kSeparators), options.separator)
                                     - std::begin(kSeparators)) % 3);
    m_header->setChecked(options.header);
    showMapping();
    showPreview();
    m_import->setEnabled(m_session.kind() != ImportSession::Kind::None);
    m_showing = false;
}

void ImportWindow::showMapping()
{
    QStringList choices{QStringLiteral("(nothing)")};
    choices += m_session.columns();
    for (int field = 0; field < m_mappingBoxes.size(); ++field) {
        QComboBox* box = m_mappingBoxes.at(field);
        box->clear();
        box->addItems(choices);
        box->setCurrentIndex(m_session.mapping().value(field, -1) + 1);
        box->setEnabled(m_session.kind() != ImportSession::Kind::None);
    }
}

void ImportWindow::showPreview()
{
    const QList<ImportSession::PreviewRow> rows = m_session.preview();
    m_preview->setRowCount(int(rows.size()));
    int refused = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const ImportSession::PreviewRow& shown = rows.at(row);
        QStringList cells{number(shown.line), shown.refusal};
        cells += shown.refusal.isEmpty() ? shown.record.toList() : QStringList();
        for (int column = 0; column < m_preview->columnCount(); ++column)
            m_preview->setItem(row, column, new QTableWidgetItem(cells.value(column).simplified()));
        refused += shown.refusal.isEmpty() ? 0 : 1;
    }
    m_preview->setColumnHidden(1, refused == 0);
    m_preview->resizeColumnsToContents();
    if (m_session.kind() == ImportSession::Kind::None)
        m_status->setText(QStringLiteral("Choose the file to import customers from."));
    else
        m_status->setText(QStringLiteral("%1 of the first %2 rows would be refused.").arg(refused).arg(rows.size()));
}

void ImportWindow::applyCsvOptions()
{
    if (m_showing || m_session.kind() != ImportSession::Kind::Csv)
        return;
    const char separator = kSeparators[std::clamp(m_separator->currentIndex(), 0, 2)];
    if (const Result changed = m_session.setCsvOptions(m_encoding->currentText(), separator, m_header->isChecked());
        !changed.ok())
        fail(changed);
    showSession();
}

bool ImportWindow::keepGoing(qint64 done, qint64 total)
{
    // Painting every row would take longer than the import itself.
    if (!m_progressShown.isValid() || m_progressShown.elapsed() > 50) {
        m_progress->setMaximum(int(std::min<qint64>(total, INT_MAX)));
        m_progress->setValue(int(std::min(done, total)));
        QCoreApplication::processEvents();
        m_progressShown.restart();
    }
    return !m_cancelled;
}

bool ImportWindow::runImport()
{
    setBusy(true);
    const auto progress = [this](qint64 done, qint64 total) { return keepGoing(done, total); };
    m_status->setText(QStringLiteral("Reading the file..."));
    CustomerImport::Source source;
    Result result = m_session.source(progress, &source);
    StoredCustomers stored(m_store);
    if (result.ok()) {
        m_status->setText(QStringLiteral("Looking for customers already stored..."));
        result = stored.load();
    }
    std::optional<CustomerImport::Duplicates> duplicates;
    if (result.ok())
        duplicates = askDuplicates(source, stored);
    CustomerImport::Report report;
    if (result.ok() && duplicates) {
        m_status->setText(QStringLiteral("Importing..."));
        result = CustomerImport::importRows(m_store, source,
                                            {m_session.mapping(), *duplicates, &stored,
                                             QFileInfo(m_session.path()).fileName()},
                                            progress,
                                            &report);
    }
    setBusy(false);
    showPreview();
    if (!result.ok()) {
        fail(result);
        return false;
    }
    if (!duplicates)
        return false;
    if (report.imported + report.replaced > 0)
        emit imported();
    reportImport(report);
    return report.imported + report.replaced > 0;
}

std::optional<CustomerImport::Duplicates> ImportWindow::askDuplicates(const CustomerImport::Source& source,
                                                                      const StoredCustomers& stored)
{
    qint64 count = 0;
    const CustomerImport::Plan plan{m_session.mapping(), CustomerImport::Duplicates::KeepBoth, &stored, {}};
    if (!CustomerImport::countDuplicates(source, plan, &count).ok() || count == 0)
        return CustomerImport::Duplicates::KeepBoth;
    const QString text = count == 1
        ? QStringLiteral("One customer in the file has the name and telephone of a customer already stored.")
        : QStringLiteral("%1 customers in the file have the name and telephone of customers already stored.")
              .arg(number(count));
    const std::optional<int> choice = m_dialogs.askChoice(
        text + QStringLiteral("\n\nWhat should become of them?"), kTitle,
        {QStringLiteral("Skip Them"), QStringLiteral("Keep Both"), QStringLiteral("Replace The Stored Ones")});
    if (!choice)
        return std::nullopt;
    using D = CustomerImport::Duplicates;
    return std::array{D::Skip, D::KeepBoth, D::Replace}.at(std::size_t(*choice));
}

void ImportWindow::reportImport(const CustomerImport::Report& report)
{
    QStringList lines{QStringLiteral("Customers imported: %1").arg(number(report.imported))};
    if (report.replaced > 0)
        lines << QStringLiteral("Stored customers replaced: %1").arg(number(report.replaced));
    if (report.skipped > 0)
        lines << QStringLiteral("Already stored, skipped: %1").arg(number(report.skipped));
    if (!report.refused.isEmpty()) {
        lines << QStringLiteral("Rows refused: %1").arg(number(report.refused.size()));
        for (qsizetype i = 0; i < report.refused.size() && i < 10; ++i)
            lines << QStringLiteral("    Line %1: %2").arg(number(report.refused.at(i).line), report.refused.at(i).reason);
        if (report.refused.size() > 10)
            lines << QStringLiteral("    ... and %1 more.").arg(number(report.refused.size() - 10));
    }
    m_status->setText(lines.first());
    m_dialogs.inform(lines.join(QLatin1Char('\n')), kTitle);
}

void ImportWindow::setBusy(bool busy)
{
    m_cancelled = false;
    for (QWidget* control : std::initializer_list<QWidget*>{m_choose, m_jetRow, m_csvRow, m_import, m_close})
        control->setEnabled(!busy);
    for (QComboBox* box : m_mappingBoxes)
        box->setEnabled(!busy);
    m_cancel->setEnabled(busy);
    if (!busy)
        m_progress->reset();
}

void ImportWindow::fail(const Result& result)
{
    m_dialogs.showMessage(result.message(), kTitle, MessageIcon::Critical, MessageButtons::Ok);
}
