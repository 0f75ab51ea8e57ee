// Find in every field over the customer list: the list follows the find
// box as it is typed in; clearing it brings the whole list back.
#include "FrmMain.h"

#include "CustomerListModel.h"
#include "CustomerStore.h"
#include "SqliteFinder.h"

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
}

void FrmMain::findAsTyped(const QString& typed)
{
    if (!typed.trimmed().isEmpty())
        prepareFinding();
    rebuildList([&] { return m_customers.find(typed); });
}

// A file written by many customers at once (an import, another program,
// an older version) has its index brought up to date first, with progress.
void FrmMain::prepareFinding()
{
    qint64 waiting = 0;
    if (!m_store.findBacklog(&waiting).ok() || waiting <= SqliteFinder::SmallQueue)
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
    ui.findCount->setText(m_customers.isFiltered()
                              ? QStringLiteral("%1 of %2 customers shown")
                                    .arg(locale.toString(m_customers.shownCount()),
                                         locale.toString(m_customers.count()))
                              : QString());
}
