#include "FakeDialogs.h"
#include "Tabs.h"
#include "xpWellsTab.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The property page edits a live strip of three tabs; it is never shown
// modally here.

namespace {

struct Page
{
    Page()
    {
        strip.resize(400, 100);
        strip.AddTab();
        strip.AddTab();
    }

    Tabs& open()
    {
        page = std::make_unique<Tabs>(&strip, dialogs);
        return *page;
    }

    template<typename T>
    T* control(const char* name) const
    {
        T* found = page->findChild<T*>(QLatin1String(name));
        Q_ASSERT(found);
        return found;
    }
    QScrollBar* hsb() const { return control<QScrollBar>("hsb"); }
    QLineEdit* text() const { return control<QLineEdit>("txtText"); }
    QLineEdit* width() const { return control<QLineEdit>("txtWidth"); }
    void click(const char* name) const { control<QPushButton>(name)->click(); }

    xpWellsTab strip;
    FakeDialogs dialogs;
    std::unique_ptr<Tabs> page;
};

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void applyStoresThePage_data();
    void applyStoresThePage();
    void applyBeforeSwitching();
    void picture_data();
    void picture();
};

void TestTabs::applyStoresThePage_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("stored");
    QTest::newRow("a width") << "75" << 75;
    QTest::newRow("empty width stores 60") << "" << 60;
    QTest::newRow("wider than the strip") << "900" << 400;
}

// The page opens on tab 1 with nothing to apply; Apply writes every field.
void TestTabs::applyStoresThePage()
{
    QFETCH(QString, width);
    QFETCH(int, stored);
    Page p;
    p.strip.setTabCaption(1, QStringLiteral("&General"));
    p.strip.setAutoSize(1, false);
    p.strip.setTabWidth(1, 33);
    Tabs& page = p.open();
    QCOMPARE(p.hsb()->maximum(), 3);
    QCOMPARE(p.text()->text(), QStringLiteral("&General"));
    QCOMPARE(p.width()->text(), QStringLiteral("33"));
    QVERIFY(!p.control<QCheckBox>("chkAuto")->isChecked());
    QVERIFY(!page.hasChanges());

    p.text()->setText(QStringLiteral("&Stock"));
    p.width()->setText(width);
    p.control<QCheckBox>("chkTabEn")->setChecked(false);
    QVERIFY(page.hasChanges());
    page.ApplyChanges();
    QVERIFY(!page.hasChanges());
    QCOMPARE(p.strip.TabCaption(1), QStringLiteral("&Stock"));
    QCOMPARE(p.strip.TabWidth(1), stored);
    QVERIFY(!p.strip.TabEnabled(1));
}

// The edits of one tab are applied before the page moves to another, adds
// a tab, or loses the tab to Delete, which drops them.
void TestTabs::applyBeforeSwitching()
{
    Page p;
    p.open();
    QSignalSpy changes(&p.strip, &xpWellsTab::propertyChanged);
    p.hsb()->setValue(3);
    p.hsb()->setValue(1);
    QCOMPARE(changes.count(), 0);
    p.text()->setText(QStringLiteral("Edited"));
    p.hsb()->setValue(2);
    QCOMPARE(p.strip.TabCaption(1), QStringLiteral("Edited"));
    QCOMPARE(p.text()->text(), QStringLiteral("Tab2"));
    QVERIFY(!p.page->hasChanges());

    p.hsb()->setValue(3);
    p.text()->setText(QStringLiteral("Third"));
    p.click("cmdAddTab");
    QCOMPARE(p.strip.TabCaption(3), QStringLiteral("Third"));
    QCOMPARE(p.hsb()->maximum(), 4);
    QCOMPARE(p.page->currentIndex(), 4);
    QCOMPARE(p.text()->text(), QStringLiteral("Tab4"));
    QVERIFY(p.page->hasChanges());

    p.text()->setText(QStringLiteral("Going away"));
    p.click("cmdDelete");
    QCOMPARE(p.strip.NumberOfTabs(), 3);
    QCOMPARE(p.hsb()->maximum(), 3);
    QCOMPARE(p.text()->text(), QStringLiteral("Third"));
    p.page->ApplyChanges();
    QCOMPARE(p.strip.TabCaption(3), QStringLiteral("Third"));
}

void TestTabs::picture_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QColor>("stored");
    QTest::addColumn<int>("messages");
    QTest::newRow("cancelled") << QString() << QColor(Qt::red) << 0;
    QTest::newRow("a picture") << "new.png" << QColor(Qt::blue) << 0;
    QTest::newRow("not a picture") << "notes.txt" << QColor(Qt::red) << 1;
    QTest::newRow("cleared") << "clear" << QColor() << 0;
}

// Open goes through the dialogs service; a file that is no picture is
// refused with a message.
void TestTabs::picture()
{
    QFETCH(QString, answer);
    QFETCH(QColor, stored);
    QFETCH(int, messages);
    QTemporaryDir folder;
    QPixmap picture(12, 10);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(folder.filePath("new.png")));
    Page p;
    picture.fill(Qt::red);
    p.strip.setTabPicture(1, picture);
    p.open();
    p.dialogs.queueFile(answer.isEmpty() ? std::nullopt : std::optional<QString>(folder.filePath(answer)));
    p.click(answer == QLatin1String("clear") ? "cmdDel" : "cmdOpenDlg");
    QCOMPARE(p.dialogs.messages().size(), messages);
    QCOMPARE(p.page->hasChanges(), stored != Qt::red);
    QCOMPARE(p.control<QLabel>("picTab")->pixmap().isNull(), !stored.isValid());
    p.page->ApplyChanges();
    QCOMPARE(p.strip.TabPicture(1).isNull(), !stored.isValid());
    if (stored.isValid())
        QCOMPARE(p.strip.TabPicture(1).toImage().pixelColor(2, 2), stored);
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
