#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>

class Dialogs;
class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class xpWellsTab;

// The tab strip's property page: edits a live strip one tab at a time
// (caption, width, auto-size, enabled, picture), adds and removes tabs.
// Edits of one tab are applied before the page moves to another.
class Tabs : public QDialog
{
    Q_OBJECT

public:
    Tabs(xpWellsTab* strip, Dialogs& dialogs, QWidget* parent = nullptr);

    int currentIndex() const { return m_index; }
    bool hasChanges() const { return m_changed; }
    QPixmap picture() const { return m_picture; }

    // Writes the page into the strip's tab at the current index.
    void ApplyChanges();

private:
    void buildControls();
    void layOut();
    void connectControls();
    void selectionChanged();
    void showIndex(int index);
    void loadTab(int index);
    void markChanged();
    void showPicture(const QPixmap& picture);
    void openPicture();
    void clearPicture();
    void addTab();
    void deleteTab();

    QPointer<xpWellsTab> m_strip;
    Dialogs& m_dialogs;
    int m_index = 1;
    bool m_changed = false;
    bool m_loading = false;
    QPixmap m_picture;

    QScrollBar* hsb = nullptr;
    QLineEdit* txtIndex = nullptr;
    QLineEdit* txtText = nullptr;
    QLineEdit* txtWidth = nullptr;
    QCheckBox* chkAuto = nullptr;
    QCheckBox* chkTabEn = nullptr;
    QLabel* picTab = nullptr;
    QPushButton* cmdOpenDlg = nullptr;
    QPushButton* cmdDel = nullptr;
    QPushButton* cmdAddTab = nullptr;
    QPushButton* cmdDelete = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
