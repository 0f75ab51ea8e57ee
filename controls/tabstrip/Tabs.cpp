#include "Tabs.h"

#include "Dialogs.h"
#include "xpWellsTab.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

const QString kPictureFilter = QStringLiteral("All Picture Files (*.bmp *.ico *.gif *.png)");
constexpr int kPreviewSide = 48;

template<typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

Tabs::Tabs(xpWellsTab* strip, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_strip(strip), m_dialogs(dialogs)
{
    setWindowTitle(QStringLiteral("Tabs"));
    buildControls();
    layOut();
    connectControls();
    selectionChanged();
}

void Tabs::buildControls()
{
    hsb = named(new QScrollBar(Qt::Horizontal), "hsb");
    hsb->setPageStep(1);
    txtIndex = named(new QLineEdit, "txtIndex");
    txtIndex->setReadOnly(true);
    txtText = named(new QLineEdit, "txtText");
    txtWidth = named(new QLineEdit, "txtWidth");
    txtWidth->setValidator(new QIntValidator(0, std::numeric_limits<int>::max(), txtWidth));
    chkAuto = named(new QCheckBox(QStringLiteral("AutoSize")), "chkAuto");
    chkTabEn = named(new QCheckBox(QStringLiteral("Enabled")), "chkTabEn");
    picTab = named(new QLabel, "picTab");
    picTab->setFixedSize(kPreviewSide, kPreviewSide);
    picTab->setAlignment(Qt::AlignCenter);
    picTab->setFrameShape(QFrame::StyledPanel);
    cmdOpenDlg = named(new QPushButton(QStringLiteral("Open...")), "cmdOpenDlg");
    cmdDel = named(new QPushButton(QStringLiteral("Clear")), "cmdDel");
    cmdAddTab = named(new QPushButton(QStringLiteral("Add Tab")), "cmdAddTab");
    cmdDelete = named(new QPushButton(QStringLiteral("Delete")), "cmdDelete");
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                     | QDialogButtonBox::Apply);
}

void Tabs::layOut()
{
    auto* index = new QHBoxLayout;
    index->addWidget(txtIndex, 1);
    index->addWidget(hsb, 3);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Index :"), index);
    fields->addRow(QStringLiteral("Tab Text :"), txtText);
    fields->addRow(QStringLiteral("Tab Width :"), txtWidth);
    // A caption only: a tab keeps no tooltip text of its own.
    fields->addRow(new QLabel(QStringLiteral("ToolTip Text :")));
    fields->addRow(QString(), chkAuto);
    fields->addRow(QString(), chkTabEn);

    auto* Frame1 = named(new QGroupBox(QStringLiteral("Tab Picture")), "Frame1");
    auto* pictureButtons = new QVBoxLayout;
    pictureButtons->addWidget(cmdOpenDlg);
    pictureButtons->addWidget(cmdDel);
    pictureButtons->addStretch();
    auto* picture = new QHBoxLayout(Frame1);
    picture->addWidget(picTab);
    picture->addLayout(pictureButtons);

    auto* tabButtons = new QHBoxLayout;
    tabButtons->addWidget(cmdAddTab);
    tabButtons->addWidget(cmdDelete);
    tabButtons->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(Frame1);
    page->addLayout(tabButtons);
    page->addWidget(m_buttons);
}

void Tabs::connectControls()
{
    connect(hsb, &QScrollBar::valueChanged, this, &Tabs::showIndex);
    connect(txtText, &QLineEdit::textChanged, this, &Tabs::markChanged);
    connect(txtWidth, &QLineEdit::textChanged, this, &Tabs::markChanged);
    connect(chkAuto, &QCheckBox::toggled, this, &Tabs::markChanged);
    connect(chkTabEn, &QCheckBox::toggled, this, &Tabs::markChanged);
    connect(cmdOpenDlg, &QPushButton::clicked, this, &Tabs::openPicture);
    connect(cmdDel, &QPushButton::clicked, this, &Tabs::clearPicture);
    connect(cmdAddTab, &QPushButton::clicked, this, &Tabs::addTab);
    connect(cmdDelete, &QPushButton::clicked, this, &Tabs::deleteTab);
    connect(m_buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, &Tabs::ApplyChanges);
    connect(m_buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_changed)
            ApplyChanges();
        accept();
    });
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void Tabs::selectionChanged()
{
    if (!m_strip)
        return;
    hsb->setRange(1, m_strip->NumberOfTabs());
    hsb->setValue(1);
    loadTab(1);
}

void Tabs::showIndex(int index)
{
    if (!m_strip || m_loading)
        return;
    // The edits belong to the tab shown so far; a tab deleted meanwhile
    // takes them with it.
    if (m_changed && index != m_index && m_index <= m_strip->NumberOfTabs())
        ApplyChanges();
    loadTab(index);
}

void Tabs::loadTab(int index)
{
    m_loading = true;
    m_index = index;
    txtIndex->setText(QString::number(index));
    txtText->setText(m_strip->TabCaption(index));
    txtWidth->setText(QString::number(m_strip->TabWidth(index)));
    chkAuto->setChecked(m_strip->AutoSize(index));
    chkTabEn->setChecked(m_strip->TabEnabled(index));
    showPicture(m_strip->TabPicture(index));
    m_loading = false;
    m_changed = false;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void Tabs::markChanged()
{
    if (m_loading)
        return;
    m_changed = true;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void Tabs::ApplyChanges()
{
    if (!m_strip || m_index > m_strip->NumberOfTabs())
        return;
    if (txtWidth->text().isEmpty())
        txtWidth->setText(QString::number(cTabs::DefaultWidth));
    m_strip->setTabCaption(m_index, txtText->text());
    m_strip->setTabWidth(m_index, txtWidth->text().toInt());
    m_strip->setAutoSize(m_index, chkAuto->isChecked());
    m_strip->setTabEnabled(m_index, chkTabEn->isChecked());
    m_strip->setTabPicture(m_index, m_picture);
    m_changed = false;
    m_buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
}

void Tabs::showPicture(const QPixmap& picture)
{
    m_picture = picture;
    const bool fits = picture.width() <= kPreviewSide && picture.height() <= kPreviewSide;
    picTab->setPixmap(fits || picture.isNull()
                          ? picture
                          : picture.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation));
}

void Tabs::openPicture()
{
    FileDialogRequest request{QStringLiteral("Load Picture"), QString(), QString()};
    request.nameFilter = kPictureFilter;
    const std::optional<QString> chosen = m_dialogs.chooseOpenFile(request);
    if (!chosen || chosen->isEmpty())
        return;
    const QPixmap picture(*chosen);
    if (picture.isNull()) {
        m_dialogs.showMessage(QStringLiteral("The picture could not be loaded:\n\n%1").arg(*chosen),
                              QStringLiteral("Load Picture"), MessageIcon::Warning,
                              MessageButtons::Ok);
        return;
    }
    showPicture(picture);
    markChanged();
}

void Tabs::clearPicture()
{
    showPicture(QPixmap());
    markChanged();
}

void Tabs::addTab()
{
    if (!m_strip)
        return;
    if (m_changed)
        ApplyChanges();
    const int index = m_strip->AddTab(cTabs::DefaultWidth, QString(), true, true, QPixmap());
    hsb->setMaximum(index);
    hsb->setValue(index);
    showPicture(QPixmap());
    chkAuto->setChecked(true);
    chkTabEn->setChecked(true);
    markChanged();
}

void Tabs::deleteTab()
{
    if (!m_strip)
        return;
    m_strip->DeleteTab();
    hsb->setMaximum(m_strip->NumberOfTabs());
    markChanged();
}
