#include "Logon.h"

#include "CaptionedField.h"
#include "Dialogs.h"
#include "Picture.h"
#include "SettingsStore.h"
#include "ToolPicture.h"
#include "ValueLabel.h"
#include "WindowButton.h"
#include "chameleonButton.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>

namespace {

constexpr int kClientWidth = 5745 / 15;
constexpr int kClientHeight = 3915 / 15;
constexpr int kBannerHeight = 56;
constexpr int kMargin = 16;
constexpr int kFieldWidth = kClientWidth - 2 * kMargin;
constexpr int kLabelHeight = 18;
constexpr int kFieldHeight = 26;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 8;
constexpr int kEnablingInterval = 200;

// Each caption stands above its box, so the whole width is the box's.
constexpr int kRoleTop = 66;
constexpr int kPasswordTop = 120;
constexpr int kNoteTop = kPasswordTop + kLabelHeight + kFieldHeight + 4;

// Shows every character of a password as "*" at once, whatever the
// desktop's style would show.
class StarPasswordStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        if (hint == SH_LineEdit_PasswordMaskDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The caption at `top` and its box under it.
void placeWithCaption(const QString& caption, int top, QWidget* box)
{
    addFieldCaption(box, caption, QRect(kMargin, top, kFieldWidth, kLabelHeight));
    box->setGeometry(kMargin, top + kLabelHeight, kFieldWidth, kFieldHeight);
}

QLabel* addNote(QWidget* window, const QString& text, int top)
{
    QLabel* note = newNoteLabel(text, window);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(kMargin, top, kFieldWidth, 2 * kLabelHeight);
    return note;
}

chameleonButton* addButton(QWidget* window, const QString& caption, int x)
{
    return addWindowButton(window, caption,
                           QRect(x, kClientHeight - kButtonHeight - 18, kButtonWidth, kButtonHeight));
}

LogonControls buildLogonControls(QWidget* window)
{
    LogonControls ui;
    // The program's banner, cut at the window's width: its left part holds
    // the name and the mark.
    auto* banner = new Picture(QStringLiteral("banner.svg"), QStringLiteral("Tallyvane"), window);
    banner->setGeometry(0, 0, 592, kBannerHeight);

    ui.Image31 = new ToolPicture(QString(), QStringLiteral("help.svg"), window);
    ui.Image31->setAccessibleName(QStringLiteral("Help"));
    ui.Image31->setToolTip(QStringLiteral("Help"));
    ui.Image31->setGeometry(kClientWidth - 32, 2, 26, 26);

    ui.Combo1 = newField<QComboBox>(window);
    placeWithCaption(QStringLiteral("Authorization:"), kRoleTop, ui.Combo1);

    ui.Text1 = new QLineEdit(window);
    auto* stars = new StarPasswordStyle;
    stars->setParent(ui.Text1);
    ui.Text1->setStyle(stars);
    ui.Text1->setEchoMode(QLineEdit::Password);
    const QString note = QStringLiteral("* Enter only if Authorization is selected as Administrator ");
    ui.Text1->setAccessibleDescription(note.trimmed());
    placeWithCaption(QStringLiteral("Admin Password:"), kPasswordTop, ui.Text1);
    addNote(window, note, kNoteTop);

    const int cancelX = kClientWidth - kMargin - kButtonWidth;
    ui.chameleonButton1 = addButton(window, QStringLiteral("Login"), cancelX - kButtonGap - kButtonWidth);
    ui.chameleonButton2 = addButton(window, QStringLiteral("Cancel"), cancelX);

    QWidget::setTabOrder(ui.Combo1, ui.Text1);
    QWidget::setTabOrder(ui.Text1, ui.chameleonButton1);
    QWidget::setTabOrder(ui.chameleonButton1, ui.chameleonButton2);
    QWidget::setTabOrder(ui.chameleonButton2, ui.Image31);
    return ui;
}

bool isEnter(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Logon::Logon(const LogonServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_settings(services.settings),
      m_dialogs(services.dialogs),
      m_programFolder(services.programFolder),
      m_passwordDefault(services.passwordDefault),
      ui(buildLogonControls(this))
{
    setObjectName(QStringLiteral("Logon"));
    setWindowTitle(QStringLiteral("Login To Customer Database"));
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    connect(ui.chameleonButton1, &chameleonButton::Click, this, &Logon::logOn);
    connect(ui.chameleonButton2, &chameleonButton::Click, this, &QWidget::close);
    connect(ui.Image31, &QAbstractButton::clicked, this, &Logon::showHelp);
    // Enter in the role box or the password box is the window's, before
    // the box would act on it.
    ui.Combo1->installEventFilter(this);
    ui.Combo1->lineEdit()->installEventFilter(this);
    ui.Text1->installEventFilter(this);

    Timer1.setInterval(kEnablingInterval);
    connect(&Timer1, &QTimer::timeout, this, &Logon::applyEnablingRules);
    load();
}

void Logon::load()
{
    readStoredPassword();
    ui.Combo1->addItem(LogonRoles::administrator());
    ui.Combo1->addItem(LogonRoles::clerk());
    ui.Combo1->setCurrentIndex(-1);
    ui.Combo1->setEditText(LogonRoles::prompt());
    ui.Text1->setEnabled(false);
    ui.chameleonButton1->setEnabled(false);
}

void Logon::readStoredPassword()
{
    Text2 = m_settings.GetSetting(QString::fromLatin1(Settings::Password.section),
                                  QString::fromLatin1(Settings::Password.key), m_passwordDefault());
}

LogonState Logon::currentState() const
{
    return LogonState{ui.Text1->isEnabled(), ui.chameleonButton1->isEnabled()};
}

void Logon::applyEnablingRules()
{
    const LogonState next = applyLogonRules(
        LogonInputs{ui.Combo1->currentText(), ui.Text1->text(), Text2}, currentState());
    ui.chameleonButton1->setEnabled(next.loginEnabled);
    ui.Text1->setEnabled(next.passwordEnabled);
}

void Logon::logOn()
{
    // The inputs may have changed since the last tick: decide on them as
    // they are now, so a stale "Login" never lets a wrong password or a
    // role the operator did not choose through.
    applyEnablingRules();
    const std::optional<QString> role = LogonRoles::roleValue(ui.Combo1->currentText());
    if (!ui.chameleonButton1->isEnabled() || !role)
        return;
    emit loggedOn(*role);
    hide();
}

void Logon::showHelp()
{
    m_dialogs.showHelp(m_programFolder + QStringLiteral("/Other/TALLYVANE.hlp"));
}

void Logon::closeQuietly()
{
    m_closingQuietly = true;
    close();
    m_closingQuietly = false;
}

void Logon::showAfterLogOut()
{
    ui.Text1->clear();
    readStoredPassword();
    applyEnablingRules();
    show();
    raise();
    activateWindow();
}

bool Logon::eventFilter(QObject* watched, QEvent* event)
{
    if (isEnter(event)) {
        logOn();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Logon::keyPressEvent(QKeyEvent* event)
{
    if (!isEnter(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Enter on a focused button is that button's; anywhere else it logs on.
    if (focusWidget() == ui.chameleonButton2)
        close();
    else
        logOn();
}

void Logon::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_closingQuietly)
        emit closeAllRequested();
}

void Logon::showEvent(QShowEvent* event)
{
    Timer1.start();
    QWidget::showEvent(event);
}

void Logon::hideEvent(QHideEvent* event)
{
    Timer1.stop();
    QWidget::hideEvent(event);
}
