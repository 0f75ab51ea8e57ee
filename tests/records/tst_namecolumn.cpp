#include "NameColumn.h"

#include <QTest>

// The names sit in one run of characters: every change in the middle
// must leave the names after it where they were.
class TestNameColumn : public QObject
{
    Q_OBJECT

private slots:
    void changesKeepTheOtherNames_data();
    void changesKeepTheOtherNames();
    void findsWholeNamesIgnoringCase();
};

void TestNameColumn::changesKeepTheOtherNames_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("replacement"); // a null text removes the name
    QTest::addColumn<QStringList>("expected");
    const QString removed;
    QTest::newRow("longer in the middle") << 1 << "Robert" << QStringList{"Ann", "Robert", "", "Cid"};
    QTest::newRow("shorter first") << 0 << "A" << QStringList{"A", "Bob", "", "Cid"};
    QTest::newRow("emptied last") << 3 << "" << QStringList{"Ann", "Bob", "", ""};
    QTest::newRow("empty filled") << 2 << "Émile" << QStringList{"Ann", "Bob", "Émile", "Cid"};
    QTest::newRow("middle removed") << 1 << removed << QStringList{"Ann", "", "Cid"};
    QTest::newRow("first removed") << 0 << removed << QStringList{"Bob", "", "Cid"};
    QTest::newRow("empty removed") << 2 << removed << QStringList{"Ann", "Bob", "Cid"};
}

void TestNameColumn::changesKeepTheOtherNames()
{
    QFETCH(int, position);
    QFETCH(QString, replacement);
    QFETCH(QStringList, expected);
    NameColumn names;
    for (const char* name : {"Ann", "Bob", "", "Cid"})
        names.append(QString::fromUtf8(name));
    if (replacement.isNull())
        names.remove(position);
    else
        names.replace(position, replacement);
    names.releaseSpareRoom();
    QCOMPARE(names.toList(), expected);
    QCOMPARE(names.size(), int(expected.size()));
}

void TestNameColumn::findsWholeNamesIgnoringCase()
{
    NameColumn names;
    for (const char* name : {"Ann", "Anna", "ANN", "Müller"})
        names.append(QString::fromUtf8(name));
    QCOMPARE(names.find(u"ann", 0), 0);
    QCOMPARE(names.find(u"ann", 1), 2);
    QCOMPARE(names.find(u"ann", 3), -1);
    QCOMPARE(names.find(u"MÜLLER", 0), 3);
    QCOMPARE(names.find(u"An", 0), -1);
    QCOMPARE(names.find(u"Ann", 4), -1);
    names.clear();
    QCOMPARE(names.find(u"Ann", 0), -1);
    QVERIFY(names.isEmpty());
}

QTEST_GUILESS_MAIN(TestNameColumn)
#include "tst_namecolumn.moc"
