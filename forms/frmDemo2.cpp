#include "frmDemo2.h"

#include "CreditsPicture.h"
#include "CreditsScroll.h"
#include "Dialogs.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QTextStream>

namespace {

constexpr QSize kAreaTwips(5535, 4095);
constexpr QRgb kBackground = qRgb(255, 255, 255);
constexpr QRgb kText = qRgb(128, 128, 128);

// Every line without its line end; what cannot be read is left out.
QStringList readLines(const QString& path)
{
    QFile file(path);
    QStringList lines;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream stream(&file);
    while (!stream.atEnd())
        lines.append(stream.readLine());
    return lines;
}

} // namespace

frmDemo2::frmDemo2(Dialogs& dialogs, const QString& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs),
      m_programFolder(programFolder),
      picCredits(new CreditsPicture(this))
{
    setObjectName(QStringLiteral("frmDemo2"));
    setWindowTitle(QStringLiteral("Credits"));
    setAccessibleName(QStringLiteral("Credits"));
    const QSize pixels = kAreaTwips / CreditsPicture::TwipsPerPixel;
    picCredits->setGeometry(QRect(QPoint(), pixels));
    setFixedSize(pixels);
    m_timer.setInterval(TickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &frmDemo2::tick);
}

frmDemo2::~frmDemo2() = default;

void frmDemo2::load()
{
    m_loaded = true;
    m_timer.stop();
    picCredits->setScroll(nullptr);
    picCredits->setAccessibleDescription(QString());
    m_scroll.reset();
    const QString path = QDir(m_programFolder).filePath(QStringLiteral("Credits.txt"));
    if (!QFileInfo(path).isFile()) {
        m_dialogs.showMessage(QStringLiteral("Could not load Credits"), QStringLiteral(" Credits Demo"),
                              MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    // The measures follow the font as it is now, so they are fixed here.
    m_scroll = std::make_unique<CreditsScroll>(kAreaTwips, picCredits->letterHeight(), kBackground, kText);
    const QStringList lines = readLines(path);
    m_scroll->appendLines(lines, [this](const QString& text) { return picCredits->textWidth(text); });
    picCredits->setAccessibleDescription(lines.join(QLatin1Char('\n')));
    picCredits->setScroll(m_scroll.get());
    m_timer.start();
}

void frmDemo2::tick()
{
    if (!m_scroll)
        return;
    m_scroll->tick();
    picCredits->update();
}

void frmDemo2::showEvent(QShowEvent* event)
{
    if (!m_loaded)
        load();
    QWidget::showEvent(event);
}

void frmDemo2::closeEvent(QCloseEvent* event)
{
    m_timer.stop();
    m_loaded = false;
    event->accept();
}

void frmDemo2::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
