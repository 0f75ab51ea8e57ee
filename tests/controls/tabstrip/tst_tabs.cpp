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
    Page fixture;
    fixture.strip.setTabCaption(1, QStringLiteral("&General"));
    fixture.strip.setAutoSize(1, false);
    fixture.strip.setTabWidth(1, 33);
    Tabs& page = fixture.open();
    QCOMPARE(fixture.hsb()->maximum(), 3);
    QCOMPARE(fixture.text()->text(), QStringLiteral("&General"));
    QCOMPARE(fixture.width()->text(), QStringLiteral("33"));
    QVERIFY(!fixture.control<QCheckBox>("chkAuto")->isChecked());
    QVERIFY(!page.hasChanges());
    QStringList captions;
    for (const QLabel* label : page.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            captions << label->text();
    QCOMPARE(captions, (QStringList{"Index :", "Tab Text :", "Tab Width :", "ToolTip Text :"}));

    fixture.text()->setText(QStringLiteral("&Stock"));
    fixture.width()->setText(width);
    fixture.control<QCheckBox>("chkTabEn")->setChecked(false);
    QVERIFY(page.hasChanges());
    page.ApplyChanges();
    QVERIFY(!page.hasChanges());
    QCOMPARE(fixture.strip.TabCaption(1), QStringLiteral("&Stock"));
    QTEST(fixture.strip.TabWidth(1), "stored");
    QVERIFY(!fixture.strip.TabEnabled(1));
}

// The edits of one tab are applied before the page moves to another, adds
// a tab, or loses the tab to Delete, which drops them.
void TestTabs::applyBeforeSwitching()
{
    Page fixture;
    fixture.open();
    QSignalSpy changes(&fixture.strip, &xpWellsTab::propertyChanged);
    fixture.hsb()->setValue(3);
    fixture.hsb()->setValue(1);
    QCOMPARE(changes.count(), 0);
    fixture.text()->setText(QStringLiteral("Edited"));
    fixture.hsb()->setValue(2);
    QCOMPARE(fixture.strip.TabCaption(1), QStringLiteral("Edited"));
    QCOMPARE(fixture.text()->text(), QStringLiteral("Tab2"));
    QVERIFY(!fixture.page->hasChanges());

    fixture.hsb()->setValue(3);
    fixture.text()->setText(QStringLiteral("Third"));
    fixture.click("cmdAddTab");
    QCOMPARE(fixture.strip.TabCaption(3), QStringLiteral("Third"));
    QCOMPARE(fixture.hsb()->maximum(), 4);
    QCOMPARE(fixture.page->currentIndex(), 4);
    QCOMPARE(fixture.text()->text(), QStringLiteral("Tab4"));
    QVERIFY(fixture.page->hasChanges());

    fixture.text()->setText(QStringLiteral("Going away"));
    fixture.click("cmdDelete");
    QCOMPARE(fixture.strip.NumberOfTabs(), 3);
    QCOMPARE(fixture.hsb()->maximum(), 3);
    QCOMPARE(fixture.text()->text(), QStringLiteral("Third"));
    fixture.page->ApplyChanges();
    QCOMPARE(fixture.strip.TabCaption(3), QStringLiteral("Third"));
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
    Page fixture;
    picture.fill(Qt::red);
    fixture.strip.setTabPicture(1, picture);
    fixture.open();
    fixture.dialogs.queueFile(answer.isEmpty() ? std::nullopt : std::optional<QString>(folder.filePath(answer)));
    fixture.click(answer == QLatin1String("clear") ? "cmdDel" : "cmdOpenDlg");
    QCOMPARE(fixture.dialogs.messages().size(), messages);
    if (messages > 0) {
        const FakeDialogs::Message& refusal = fixture.dialogs.messages().first();
        QCOMPARE(refusal.title, QStringLiteral("Load Picture"));
        QVERIFY(refusal.text.startsWith(QStringLiteral("The picture could not be loaded:")));
        QVERIFY(refusal.text.endsWith(folder.filePath(answer)));
    }
    QCOMPARE(fixture.page->hasChanges(), stored != Qt::red);
    QCOMPARE(fixture.control<QLabel>("picTab")->pixmap().isNull(), !stored.isValid());
    fixture.page->ApplyChanges();
    QCOMPARE(fixture.strip.TabPicture(1).isNull(), !stored.isValid());
    if (stored.isValid())
        QCOMPARE(fixture.strip.TabPicture(1).toImage().pixelColor(2, 2), stored);
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
