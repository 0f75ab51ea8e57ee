#include "Gallery.h"
#include "GroupBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {

QStyle* classicStyle()
{
    static QStyle* style = [] {
        QStyle* created = QStyleFactory::create(QStringLiteral("Windows"));
        created->setParent(qApp);
        return created;
    }();
    return style;
}

GroupBox* filledBox(const QString& caption, bool classic)
{
    auto* box = new GroupBox(QStringLiteral("Frame1"));
    if (classic)
        box->setStyle(classicStyle());
    box->setCaption(caption);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("Backup file:")));
    layout->addWidget(new QLineEdit(QStringLiteral("Other/Backup.mdb")));
    layout->addWidget(new QCheckBox(QStringLiteral("Overwrite an older copy")));
    box->resize(220, 120);
    return box;
}

GroupBox* genderBox(bool classic, const QString& caption)
{
    auto* box = new GroupBox(QStringLiteral("Frame2"));
    if (classic)
        box->setStyle(classicStyle());
    box->setCaption(caption);
    auto* layout = new QVBoxLayout(box);
    auto* male = new QRadioButton(QStringLiteral("Male"));
    male->setChecked(true);
    layout->addWidget(male);
    layout->addWidget(new QRadioButton(QStringLiteral("Female")));
    box->resize(160, 90);
    return box;
}

QList<GallerySample> groupBoxSamples()
{
    return {
        {QStringLiteral("groupbox-etched"), [] { return filledBox(QStringLiteral("Backup Database"), true); }},
        {QStringLiteral("groupbox-flat"), [] {
             GroupBox* box = filledBox(QStringLiteral("Backup Database"), true);
             box->setAppearance(0);
             return box;
         }},
        {QStringLiteral("groupbox-access-key"), [] { return filledBox(QStringLiteral("&Print"), true); }},
        {QStringLiteral("groupbox-double-ampersand"), [] {
             return filledBox(QStringLiteral("Backup && Restore"), true);
         }},
        {QStringLiteral("groupbox-disabled"), [] {
             GroupBox* box = filledBox(QStringLiteral("Backup Database"), true);
             box->setEnabled(false);
             return box;
         }},
        {QStringLiteral("groupbox-empty-caption"), [] { return filledBox(QString(), true); }},
        {QStringLiteral("groupbox-no-border"), [] {
             GroupBox* box = filledBox(QStringLiteral("Backup Database"), true);
             box->setBorderStyle(0);
             return box;
         }},
        {QStringLiteral("groupbox-colours"), [] {
             GroupBox* box = genderBox(true, QStringLiteral("Sex"));
             box->setBackcolor(OleColor::rgb(255, 255, 225));
             box->setForeColor(OleColor::rgb(0, 0, 160));
             return box;
         }},
        {QStringLiteral("groupbox-styled"), [] { return filledBox(QStringLiteral("Profit Share Chart"), false); }},
        {QStringLiteral("groupbox-styled-access-key"), [] { return genderBox(false, QStringLiteral("&Sex")); }},
        {QStringLiteral("groupbox-styled-disabled"), [] {
             GroupBox* box = filledBox(QStringLiteral("&Print"), false);
             box->setEnabled(false);
             return box;
         }},
    };
}

} // namespace

TALLYVANE_GALLERY_SECTION("Group box", groupBoxSamples);
