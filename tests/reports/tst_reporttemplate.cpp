#include "ReportTemplate.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using ReportTemplate::Placeholders;

Q_DECLARE_METATYPE(ReportTemplate::Placeholders)

namespace {

CustomerList::DetailPanel sampleDetails()
{
    return {QStringLiteral("Ada Lovelace"),  QStringLiteral("12 St James's Square"),
            QStringLiteral("United Kingdom"), QStringLiteral("London"),
            QStringLiteral("SW1Y 4JH"),      QStringLiteral("020 7946 0000"),
            QStringLiteral("020 7946 0001"), QStringLiteral("ada@example.org"),
            QStringLiteral("Greater London"), QStringLiteral("Analytical Engine"),
            QStringLiteral("2"),             QStringLiteral("10/12/1843"),
            QStringLiteral("Cheque"),        QStringLiteral("1234.50"),
            QStringLiteral("2469.00")};
}

Placeholders sampleValues()
{
    return ReportTemplate::reportValues(sampleDetails(), QStringLiteral("$"));
}

Placeholders valuesWithName(const QString& name)
{
    CustomerList::DetailPanel details = sampleDetails();
    details[0] = name;
    return ReportTemplate::reportValues(details, QStringLiteral("$"));
}

QString filledText(const QString& html, const Placeholders& values)
{
    QTextDocument document;
    document.setHtml(html);
    ReportTemplate::fill(&document, values);
    return document.toPlainText();
}

QTextCharFormat formatAt(const QTextDocument& document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// The folder the shipped templates lie below, as below the program's.
QString shippedFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../resources");
}

} // namespace

class tst_reporttemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fillsEveryPlaceholder_data();
    void fillsEveryPlaceholder();
    void fillsTheNote_data();
    void fillsTheNote();
    void keepsThePlaceholdersFormat_data();
    void keepsThePlaceholdersFormat();
    void fillingIsNoStepToUndo();
    void shippedTemplatesAreFilledWhole_data();
    void shippedTemplatesAreFilledWhole();
    void missingOrUnreadableTemplateSaysWhy_data();
    void missingOrUnreadableTemplateSaysWhy();
};

void tst_reporttemplate::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void tst_reporttemplate::fillsEveryPlaceholder_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<Placeholders>("values");
    QTest::addColumn<QString>("filled");

    QTest::newRow("sample record")
        << QStringLiteral("<p><b>vCustomerv</b></p><p>Dear vNamev,</p>"
                          "<p>vAddressv, vCityv, vStatev vZipv, vCountryv</p>"
                          "<p>Phone vPhonev, fax vFAXv, e-mail vEmailv</p>"
                          "<p>vQuantityv x vProductv on vDatev by vMethodv: vPricev</p>")
        << sampleValues()
        << QStringLiteral("Ada Lovelace\nDear Ada Lovelace,\n"
                          "12 St James's Square, London, Greater London SW1Y 4JH, United Kingdom\n"
                          "Phone 020 7946 0000, fax 020 7946 0001, e-mail ada@example.org\n"
                          "2 x Analytical Engine on 10/12/1843 by Cheque: $ 1234.50");
    QTest::newRow("placeholders in capitals untouched")
        << QStringLiteral("VNAMEV vnamev VNamev vNAMEv") << sampleValues()
        << QStringLiteral("VNAMEV vnamev VNamev vNAMEv");
    QTest::newRow("name twice") << QStringLiteral("vNamev and again vNamev") << sampleValues()
                                << QStringLiteral("Ada Lovelace and again Ada Lovelace");
    QTest::newRow("placeholder inside a word") << QStringLiteral("(vNamev)") << sampleValues()
                                               << QStringLiteral("(Ada Lovelace)");
    QTest::newRow("braces and backslashes in a name")
        << QStringLiteral("<p>Dear vNamev,</p>") << valuesWithName(QStringLiteral("{\\b Ada} \\par\\'e9 }{"))
        << QStringLiteral("Dear {\\b Ada} \\par\\'e9 }{,");
    QTest::newRow("markup in a name") << QStringLiteral("vNamev")
                                      << valuesWithName(QStringLiteral("<b>Ada</b> &amp;"))
                                      << QStringLiteral("<b>Ada</b> &amp;");
    QTest::newRow("template without placeholders")
        << QStringLiteral("<p>Thank you for your order.</p><p>Yours sincerely</p>") << sampleValues()
        << QStringLiteral("Thank you for your order.\nYours sincerely");
    QTest::newRow("name holding a later placeholder is filled again")
        << QStringLiteral("vNamev") << valuesWithName(QStringLiteral("vCityv")) << QStringLiteral("London");
    QTest::newRow("name holding its own placeholder stays as typed")
        << QStringLiteral("vNamev") << valuesWithName(QStringLiteral("vNamev Jr"))
        << QStringLiteral("vNamev Jr");
    QTest::newRow("empty value") << QStringLiteral("[vNamev]") << valuesWithName(QString())
                                 << QStringLiteral("[]");
}

void tst_reporttemplate::fillsEveryPlaceholder()
{
    QFETCH(QString, html);
    QFETCH(Placeholders, values);
    QFETCH(QString, filled);
    QCOMPARE(filledText(html, values), filled);
}

void tst_reporttemplate::fillsTheNote_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("filled");
    QTest::addColumn<int>("paragraphs");
    const QString date = QStringLiteral("Date: 3/4/2026  Time: 9:05:07 AM\n");
    QTest::newRow("note") << QStringLiteral("Call Ada back") << date + QStringLiteral("Call Ada back") << 2;
    QTest::newRow("empty note") << QString() << date << 2;
    QTest::newRow("note of two lines") << QStringLiteral("Call Ada\nabout the engine")
                                       << date + QStringLiteral("Call Ada\nabout the engine") << 3;
    QTest::newRow("note holding braces") << QStringLiteral("{\\i vTimev}")
                                         << date + QStringLiteral("{\\i vTimev}") << 2;
}

void tst_reporttemplate::fillsTheNote()
{
    QFETCH(QString, notes);
    QFETCH(QString, filled);
    QFETCH(int, paragraphs);
    QTextDocument document;
    document.setHtml(QStringLiteral("<p>Date: vDatev&nbsp; Time: vTimev</p><p>vNotesv</p>"));

    ReportTemplate::fill(&document, ReportTemplate::noteValues(QDate(2026, 3, 4), QTime(9, 5, 7), notes));

    QCOMPARE(document.toPlainText().replace(QChar::Nbsp, QLatin1Char(' ')), filled);
    QCOMPARE(document.blockCount(), paragraphs);
}

void tst_reporttemplate::keepsThePlaceholdersFormat_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("value");
    QTest::newRow("bold") << QStringLiteral("<p>Dear <b>vNamev</b>, thank you</p>")
                          << QStringLiteral("vNamev") << QStringLiteral("Ada Lovelace");
    QTest::newRow("italic at the start of a paragraph")
        << QStringLiteral("<p><i>vCityv</i> is lovely</p>") << QStringLiteral("vCityv")
        << QStringLiteral("London");
    QTest::newRow("colour and size")
        << QStringLiteral("<p>Total <span style=\"color:#c00000; font-size:18pt\">vPricev</span> due</p>")
        << QStringLiteral("vPricev") << QStringLiteral("$ 1234.50");
    QTest::newRow("font and underline")
        << QStringLiteral("<p>By <u style=\"font-family:Courier\">vMethodv</u>.</p>")
        << QStringLiteral("vMethodv") << QStringLiteral("Cheque");
    QTest::newRow("format changing inside the word takes the first letter's")
        << QStringLiteral("<p>Dear <b>vNa</b>mev, thank you</p>") << QStringLiteral("vNamev")
        << QStringLiteral("Ada Lovelace");
}

void tst_reporttemplate::keepsThePlaceholdersFormat()
{
    QFETCH(QString, html);
    QFETCH(QString, placeholder);
    QFETCH(QString, value);
    QTextDocument document;
    document.setHtml(html);
    const int start = int(document.toPlainText().indexOf(placeholder));
    const QTextCharFormat placeholderFormat = formatAt(document, start);
    const QTextCharFormat followingFormat = formatAt(document, start + int(placeholder.size()));

    ReportTemplate::fill(&document, sampleValues());

    QCOMPARE(document.toPlainText().indexOf(value), start);
    for (int position = start; position < start + value.size(); ++position)
        QVERIFY2(formatAt(document, position) == placeholderFormat, qPrintable(QString::number(position)));
    QVERIFY(formatAt(document, start + int(value.size())) == followingFormat);
}

void tst_reporttemplate::fillingIsNoStepToUndo()
{
    QTextDocument document;
    document.setHtml(QStringLiteral("<p>Dear vNamev,</p>"));
    QTextCursor(&document).insertText(QStringLiteral("Re: "));
    QVERIFY(document.isUndoAvailable());

    ReportTemplate::fill(&document, sampleValues());

    QVERIFY(!document.isUndoAvailable());
    QVERIFY(document.isUndoRedoEnabled());
}

void tst_reporttemplate::shippedTemplatesAreFilledWhole_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<Placeholders>("values");
    QTest::addColumn<QString>("heading");
    QTest::newRow("report") << ReportTemplate::reportFile(shippedFolder()) << sampleValues()
                            << QStringLiteral("Customer Purchase Report");
    QTest::newRow("note") << ReportTemplate::noteFile(shippedFolder())
                          << ReportTemplate::noteValues(QDate(2026, 3, 4), QTime(9, 5, 7),
                                                        QStringLiteral("Call Ada back"))
                          << QStringLiteral("Note");
}

void tst_reporttemplate::shippedTemplatesAreFilledWhole()
{
    QFETCH(QString, path);
    QFETCH(Placeholders, values);
    QFETCH(QString, heading);
    QTextDocument document;
    QVERIFY(ReportTemplate::load(path, &document).ok());
    for (const ReportTemplate::Placeholder& placeholder : values)
        QVERIFY2(document.toPlainText().contains(placeholder.word), qPrintable(placeholder.word));

    ReportTemplate::fill(&document, values);

    const QString text = document.toPlainText();
    for (const ReportTemplate::Placeholder& placeholder : values) {
        QVERIFY2(!text.contains(placeholder.word), qPrintable(placeholder.word));
        QVERIFY2(text.contains(placeholder.value), qPrintable(placeholder.value));
    }
    QCOMPARE(document.firstBlock().text(), heading);
    QVERIFY(formatAt(document, 0).font().bold());
}

void tst_reporttemplate::missingOrUnreadableTemplateSaysWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QStringLiteral("missing")
                             << QStringLiteral("The template \"Report Generator.rtf\" is missing from the "
                                               "folder \"%1\". Put the template back there and try again.");
    QTest::newRow("a folder") << QStringLiteral("folder")
                              << QStringLiteral("The template \"Report Generator.rtf\" could not be read "
                                                "(it is not a file).\n\n%1/Report Generator.rtf");
    QTest::newRow("unreadable") << QStringLiteral("unreadable")
                                << QStringLiteral("The template \"Report Generator.rtf\" could not be read "
                                                  "(Permission denied).\n\n%1/Report Generator.rtf");
}

void tst_reporttemplate::missingOrUnreadableTemplateSaysWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Report Generator.rtf"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Report Generator.rtf")));
    if (kind == QLatin1String("unreadable")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1 vNamev}");
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::WriteOwner));
        if (QFileInfo(path).isReadable())
            QSKIP("This user reads every file, whatever its permissions");
    }
    QTextDocument document(QStringLiteral("The report shown before"));

    const Result loaded = ReportTemplate::load(path, &document);

    QVERIFY(!loaded.ok());
    QCOMPARE(loaded.message(), message.arg(folder.path()));
    QCOMPARE(document.toPlainText(), QStringLiteral("The report shown before"));
}

QTEST_MAIN(tst_reporttemplate)
#include "tst_reporttemplate.moc"
