#include "HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Tallyvane Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setOpenExternalLinks(false);
    m_browser->setAccessibleName(QStringLiteral("Tallyvane Help"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

QString HelpWindow::guideFor(const QString& helpFile)
{
    const QFileInfo help(helpFile);
    return help.dir().filePath(help.completeBaseName() + QStringLiteral(".html"));
}

bool HelpWindow::open(const QString& guideFile)
{
    if (!QFileInfo(guideFile).isFile())
        return false;
    m_browser->setSource(QUrl::fromLocalFile(guideFile));
    show();
    raise();
    activateWindow();
    return true;
}
