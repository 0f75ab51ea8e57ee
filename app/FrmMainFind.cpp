// Find in every field over the customer list: the list follows the find
// box as it is typed in; clearing it brings the whole list back.
#include "FrmMain.h"

#include "CustomerListModel.h"
#include "CustomerStore.h"
#include "FinderQueue.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>

void FrmMain::connectFind()
{
    connect(ui.findBox, &QLineEdit::textChanged, this, &FrmMain::findAsTyped);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        ui.findBox->setFocus(Qt::ShortcutFocusReason);
        ui.findBox->selectAll();
    });
    // Escape empties the box (see eventFilter).
    ui.findBox->installEventFilter(this);
    m_findMoreTimer.setSingleShot(true);
    m_findMoreTimer.setInterval(0);
    connect(&m_findMoreTimer, &QTimer::timeout, this, &FrmMain::findMore);
}

void FrmMain::findAsTyped(const QString& typed)
{
    if (!typed.trimmed().isEmpty())
        prepareFinding();
    rebuildList([&] { return m_customers.find(typed); });
}

// One more part of the table, added at the end of the list; the next
// keystroke or change starts the find again instead.
void FrmMain::findMore()
{
    const int selected = m_customers.selectedPosition();
    const bool selectedShown = m_customers.shownRowOf(selected) >= 0;
    bool adding = false;
    const Result found = m_customers.findMore([&](int first, int last) {
        m_model->beginAppend(first, last);
        adding = true;
    });
    if (adding)
        m_model->endAppend();
    if (!found.ok())
        reportFailure(found, QStringLiteral("Find"));
    // The selected customer, once found, shows selected as before the find.
    if (!selectedShown && m_customers.shownRowOf(selected) >= 0)
        showSelectionInList();
    showFindCount();
    keepFinding();
}

// A file written by many customers at once (an import, another program,
// an older version) has its index brought up to date first, with progress.
void FrmMain::prepareFinding()
{
    qint64 waiting = 0;
    if (!m_store.findBacklog(&waiting).ok() || waiting <= FinderQueue::SmallQueue)
        return;
    const QLocale locale;
    const Result built = m_store.buildFindIndex([&](qint64 done, qint64 total) {
        ui.findCount->setText(QStringLiteral("Preparing to find: %1 of %2 customers")
                                  .arg(locale.toString(done), locale.toString(total)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return true;
    });
    if (!built.ok())
        reportFailure(built, QStringLiteral("Find"));
}

void FrmMain::showFindCount()
{
    const QLocale locale;
    const QString shown = locale.toString(m_customers.shownCount());
    const QString all = locale.toString(m_customers.count());
    if (!m_customers.isFiltered())
        ui.findCount->clear();
    else if (m_customers.findingMore())
        // The ellipsis says more are coming; two lines are all the box has.
        ui.findCount->setText(QStringLiteral("%1 of %2 customers shown\u2026").arg(shown, all));
    else
        ui.findCount->setText(QStringLiteral("%1 of %2 customers shown").arg(shown, all));
}

void FrmMain::keepFinding()
{
    if (m_customers.findingMore())
        m_findMoreTimer.start();
    else
        m_findMoreTimer.stop();
}
