#pragma once

#include "ImportSession.h"

#include <QDialog>
#include <QElapsedTimer>

class CustomerStore;
class Dialogs;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

// "Import Customers": choose a CSV or Jet file, the table in it and which
// column feeds each field, see the first customers as they will be stored,
// then import them all in one transaction with progress and Cancel.
class ImportWindow : public QDialog
{
    Q_OBJECT

public:
    ImportWindow(CustomerStore& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // Opens the file as "Choose File..." does after the dialog.
    void openFile(const QString& path);
    void chooseFile();
    // Imports what the window shows; true when customers were stored.
    bool runImport();
    void cancelImport() { m_cancelled = true; }

    const ImportSession& session() const { return m_session; }
    QTableWidget* previewTable() const { return m_preview; }
    QComboBox* tableBox() const { return m_tableBox; }
    QComboBox* mappingBox(int field) const { return m_mappingBoxes.at(field); }
    QPushButton* importButton() const { return m_import; }

signals:
    // Customers were stored: the list must be read again.
    void imported();

private:
    void buildFileRows();
    void buildMapping();
    void buildPreviewAndButtons();
    void showSession();
    void showMapping();
    void showPreview();
    void applyCsvOptions();
    bool keepGoing(qint64 done, qint64 total);
    std::optional<CustomerImport::Duplicates> askDuplicates(const CustomerImport::Source& source,
                                                            const StoredCustomers& stored);
    void reportImport(const CustomerImport::Report& report);
    void setBusy(bool busy);
    void fail(const Result& result);

    CustomerStore& m_store;
    Dialogs& m_dialogs;
    ImportSession m_session;
    bool m_showing = false;
    bool m_cancelled = false;
    QElapsedTimer m_progressShown;

    QLineEdit* m_path;
    QPushButton* m_choose;
    QWidget* m_jetRow;
    QComboBox* m_tableBox;
    QWidget* m_csvRow;
    QComboBox* m_encoding;
    QComboBox* m_separator;
    QCheckBox* m_header;
    QList<QComboBox*> m_mappingBoxes;
    QTableWidget* m_preview;
    QLabel* m_status;
    QProgressBar* m_progress;
    QPushButton* m_import;
    QPushButton* m_cancel;
    QPushButton* m_close;
};
