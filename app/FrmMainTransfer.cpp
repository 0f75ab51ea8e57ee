// The Backup page's tools that bring customers in from other programs'
// files and give them out to spreadsheets and address books.
#include "FrmMain.h"

#include "CustomerExport.h"
#include "Dialogs.h"
#include "ImportWindow.h"
#include "MainPages.h"

#include <QDir>
#include <QLocale>

namespace {

const QString kExportTitle = QStringLiteral("Export Customers");

} // namespace

ImportWindow* FrmMain::importWindow() const
{
    return m_importWindow;
}

void FrmMain::importCustomers()
{
    if (!m_importWindow) {
        m_importWindow = new ImportWindow(m_store, m_dialogs, this);
        connect(m_importWindow, &ImportWindow::imported, this,
                [this] { rebuildList([this] { return m_customers.reload(); }); });
    }
    // Modal to this window, without a nested event loop of its own.
    m_importWindow->open();
}

void FrmMain::exportCustomers()
{
    const std::optional<int> choice = m_dialogs.askChoice(
        QStringLiteral("Export the customers to a file: as CSV for spreadsheets (\"For Excel\" adds the mark "
                       "older Excel needs to read accents right), or as vCard for address books and telephones."),
        kExportTitle,
        {QStringLiteral("All As CSV"), QStringLiteral("All As CSV For Excel"), QStringLiteral("All As vCard"),
         QStringLiteral("Selected As vCard")});
    if (!choice || (*choice == 3 && !customerSelectedOrSaySo()))
        return;
    const bool vCard = *choice >= 2;
    const std::optional<QString> path = m_dialogs.chooseSaveFile(
        {kExportTitle, vCard ? QStringLiteral("vcf") : QStringLiteral("csv"),
         QDir::home().filePath(vCard ? QStringLiteral("Customers.vcf") : QStringLiteral("Customers.csv")),
         vCard ? QStringLiteral("vCard files (*.vcf)") : QStringLiteral("CSV files (*.csv)")});
    if (!path)
        return;
    qint64 written = 0;
    Result result = Result::success();
    if (vCard) {
        const RowId selected = m_customers.selectedRow().row;
        const auto onlySelected = [selected](RowId row) { return row == selected; };
        result = CustomerExport::writeVCards(m_store, *path, *choice == 3 ? onlySelected : std::function<bool(RowId)>(),
                                             &written);
    } else {
        result = CustomerExport::writeCsv(m_store, *path, {*choice == 1, {}}, &written);
    }
    if (!result.ok()) {
        reportFailure(result, kExportTitle);
        return;
    }
    m_dialogs.inform(QStringLiteral("%1 customers were exported to:\n\n%2")
                         .arg(QLocale().toString(written), QDir::toNativeSeparators(*path)),
                     kExportTitle);
}
