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

// The property page edits a live strip; it is never shown modally here.

namespace {

struct Page
{
    explicit Page(int tabs = 3)
    {
        strip.resize(400, 100);
        for (int i = 2; i <= tabs; ++i)
            strip.AddTab();
        page = std::make_unique<Tabs>(&strip, dialogs);
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
    QCheckBox* autoSize() const { return control<QCheckBox>("chkAuto"); }
    QCheckBox* enabled() const { return control<QCheckBox>("chkTabEn"); }
    void click(const char* name) const { control<QPushButton>(name)->click(); }

    xpWellsTab strip;
    FakeDialogs dialogs;
    std::unique_ptr<Tabs> page;
};

QString writePicture(const QTemporaryDir& folder, const QString& name, const QColor& colour)
{
    QPixmap picture(12, 10);
    picture.fill(colour);
    const QString path = folder.filePath(name);
    picture.save(path);
    return path;
}

} // namespace

class TestTabs : public QObject
{
    Q_OBJECT

private slots:
    void showsTheFirstTabOnOpening();
    void applyStoresThePage_data();
    void applyStoresThePage();
    void movingToAnotherTabAppliesPendingEdits();
    void movingWithoutEditsChangesNothing();
    void addTabAppliesPendingEditsFirst();
    void deleteDropsEditsOfTheRemovedTab();
    void picture_data();
    void picture();
    void clearPictureRemovesIt();
};

void TestTabs::showsTheFirstTabOnOpening()
{
    Page p;
    p.strip.setTabCaption(1, QStringLiteral("&General"));
    p.strip.setAutoSize(1, false);
    Tabs page(&p.strip, p.dialogs);
    QCOMPARE(page.findChild<QScrollBar*>("hsb")->minimum(), 1);
    QCOMPARE(page.findChild<QScrollBar*>("hsb")->maximum(), 3);
    QCOMPARE(page.findChild<QLineEdit*>("txtIndex")->text(), QStringLiteral("1"));
    QCOMPARE(page.findChild<QLineEdit*>("txtText")->text(), QStringLiteral("&General"));
    QCOMPARE(page.findChild<QLineEdit*>("txtWidth")->text(), QStringLiteral("60"));
    QVERIFY(!page.findChild<QCheckBox*>("chkAuto")->isChecked());
    QVERIFY(page.findChild<QCheckBox*>("chkTabEn")->isChecked());
    QVERIFY(!page.hasChanges());
}

void TestTabs::applyStoresThePage_data()
{
    QTest::addColumn<QString>("width");
    QTest::addColumn<int>("stored");
    QTest::newRow("a width") << "75" << 75;
    QTest::newRow("empty width stores 60") << "" << 60;
    QTest::newRow("wider than the strip") << "900" << 400;
}

void TestTabs::applyStoresThePage()
{
    QFETCH(QString, width);
    QFETCH(int, stored);
    Page p;
    p.strip.setTabWidth(1, 33);
    p.page = std::make_unique<Tabs>(&p.strip, p.dialogs);
    p.text()->setText(QStringLiteral("&Stock"));
    p.width()->setText(width);
    p.autoSize()->setChecked(false);
    p.enabled()->setChecked(false);
    QVERIFY(p.page->hasChanges());
    p.page->ApplyChanges();
    QVERIFY(!p.page->hasChanges());
    QCOMPARE(p.strip.TabCaption(1), QStringLiteral("&Stock"));
    QCOMPARE(p.strip.TabWidth(1), stored);
    QVERIFY(!p.strip.AutoSize(1));
    QVERIFY(!p.strip.TabEnabled(1));
    QCOMPARE(p.strip.GetTabAccessKey('s'), 1);
    if (width.isEmpty())
        QCOMPARE(p.width()->text(), QStringLiteral("60"));
}

void TestTabs::movingToAnotherTabAppliesPendingEdits()
{
    Page p;
    p.text()->setText(QStringLiteral("Edited"));
    p.hsb()->setValue(2);
    QCOMPARE(p.strip.TabCaption(1), QStringLiteral("Edited"));
    QCOMPARE(p.page->currentIndex(), 2);
    QCOMPARE(p.text()->text(), QStringLiteral("Tab2"));
    QVERIFY(!p.page->hasChanges());
    p.hsb()->setValue(1);
    QCOMPARE(p.text()->text(), QStringLiteral("Edited"));
    QCOMPARE(p.strip.TabCaption(2), QStringLiteral("Tab2"));
}

void TestTabs::movingWithoutEditsChangesNothing()
{
    Page p;
    QSignalSpy changes(&p.strip, &xpWellsTab::propertyChanged);
    p.hsb()->setValue(3);
    p.hsb()->setValue(1);
    QCOMPARE(changes.count(), 0);
}

void TestTabs::addTabAppliesPendingEditsFirst()
{
    Page p;
    p.hsb()->setValue(3);
    p.text()->setText(QStringLiteral("Third"));
    p.click("cmdAddTab");
    QCOMPARE(p.strip.NumberOfTabs(), 4);
    QCOMPARE(p.strip.TabCaption(3), QStringLiteral("Third"));
    QCOMPARE(p.strip.TabCaption(4), QStringLiteral("Tab4"));
    QCOMPARE(p.hsb()->maximum(), 4);
    QCOMPARE(p.page->currentIndex(), 4);
    QCOMPARE(p.text()->text(), QStringLiteral("Tab4"));
    QCOMPARE(p.width()->text(), QStringLiteral("60"));
    QVERIFY(p.autoSize()->isChecked());
    QVERIFY(p.enabled()->isChecked());
    QVERIFY(p.page->hasChanges());
}

void TestTabs::deleteDropsEditsOfTheRemovedTab()
{
    Page p;
    p.hsb()->setValue(3);
    p.text()->setText(QStringLiteral("Going away"));
    p.click("cmdDelete");
    QCOMPARE(p.strip.NumberOfTabs(), 2);
    QCOMPARE(p.hsb()->maximum(), 2);
    QCOMPARE(p.page->currentIndex(), 2);
    QCOMPARE(p.text()->text(), QStringLiteral("Tab2"));
    QVERIFY(p.page->hasChanges());
    p.page->ApplyChanges();
    QCOMPARE(p.strip.TabCaption(2), QStringLiteral("Tab2"));

    // With one tab left, Delete leaves it.
    p.click("cmdDelete");
    p.click("cmdDelete");
    QCOMPARE(p.strip.NumberOfTabs(), 1);
    QCOMPARE(p.hsb()->maximum(), 1);
}

void TestTabs::picture_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<int>("messages");
    QTest::newRow("cancelled") << QString() << false << 0;
    QTest::newRow("a picture") << "new.png" << true << 0;
    QTest::newRow("not a picture") << "notes.txt" << false << 1;
}

void TestTabs::picture()
{
    QFETCH(QString, answer);
    QFETCH(bool, loaded);
    QFETCH(int, messages);
    QTemporaryDir folder;
    Page p;
    p.strip.setTabPicture(1, QPixmap(writePicture(folder, "old.png", Qt::red)));
    p.page = std::make_unique<Tabs>(&p.strip, p.dialogs);
    writePicture(folder, "new.png", Qt::blue);
    QFile text(folder.filePath("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no picture here");
    text.close();
    p.dialogs.queueFile(answer.isEmpty() ? std::nullopt : std::optional<QString>(folder.filePath(answer)));

    p.click("cmdOpenDlg");
    QCOMPARE(p.dialogs.fileRequests().size(), 1);
    const FileDialogRequest request = p.dialogs.fileRequests().first().request;
    QVERIFY(!p.dialogs.fileRequests().first().save);
    QCOMPARE(request.title, QStringLiteral("Load Picture"));
    for (const char* pattern : {"*.bmp", "*.ico", "*.gif", "*.png"})
        QVERIFY(request.nameFilter.contains(QLatin1String(pattern)));
    QCOMPARE(p.dialogs.messages().size(), messages);
    if (messages)
        QCOMPARE(p.dialogs.messages().first().title, QStringLiteral("Load Picture"));
    QCOMPARE(p.page->hasChanges(), loaded);
    p.page->ApplyChanges();
    const QColor expected = loaded ? QColor(Qt::blue) : QColor(Qt::red);
    QCOMPARE(p.strip.TabPicture(1).toImage().pixelColor(2, 2), expected);
    QVERIFY(!p.page->findChild<QLabel*>("picTab")->pixmap().isNull());
}

void TestTabs::clearPictureRemovesIt()
{
    Page p;
    QPixmap icon(8, 8);
    icon.fill(Qt::green);
    p.strip.setTabPicture(2, icon);
    p.hsb()->setValue(2);
    QVERIFY(!p.page->picture().isNull());
    p.click("cmdDel");
    QVERIFY(p.page->hasChanges());
    QVERIFY(p.page->findChild<QLabel*>("picTab")->pixmap().isNull());
    p.hsb()->setValue(1);
    QVERIFY(p.strip.TabPicture(2).isNull());
}

QTEST_MAIN(TestTabs)
#include "tst_tabs.moc"
