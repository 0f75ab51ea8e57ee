#include "RtfReader.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextTable>
#include <QtTest>

namespace {

QByteArray corpus(const QString& name)
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/rtf/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing corpus file %s", qPrintable(name));
    return file.readAll();
}

QByteArray nested(int depth, bool closed)
{
    QByteArray rtf = "{\\rtf1\\ansi " + QByteArray(depth, '{') + "deep";
    if (closed)
        rtf += QByteArray(depth, '}') + "}";
    return rtf;
}

// The cursor just after the first letter of `word`, where the cursor's
// character format is that of the word.
QTextCursor cursorIn(const QTextDocument& document, const QString& word)
{
    const int index = document.toPlainText().indexOf(word);
    if (index < 0)
        return {};
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(index + 1);
    return cursor;
}

QVariant characterAspect(const QTextCharFormat& format, const QString& aspect)
{
    if (aspect == u"bold")
        return format.fontWeight() == QFont::Bold;
    if (aspect == u"italic")
        return format.fontItalic();
    if (aspect == u"underline")
        return format.fontUnderline();
    if (aspect == u"strike")
        return format.fontStrikeOut();
    if (aspect == u"family")
        return format.fontFamilies().toStringList().value(0);
    if (aspect == u"size")
        return format.fontPointSize();
    if (aspect == u"foreground")
        return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
    if (aspect == u"background")
        return format.hasProperty(QTextFormat::BackgroundBrush) ? format.background().color() : QColor();
    if (aspect == u"superscript")
        return format.verticalAlignment() == QTextCharFormat::AlignSuperScript;
    return {};
}

QVariant blockAspect(const QTextBlockFormat& format, const QString& aspect)
{
    if (aspect == u"alignment")
        return int(format.alignment() & Qt::AlignHorizontal_Mask);
    if (aspect == u"left")
        return format.leftMargin();
    if (aspect == u"right")
        return format.rightMargin();
    if (aspect == u"indent")
        return format.textIndent();
    if (aspect == u"before")
        return format.topMargin();
    if (aspect == u"after")
        return format.bottomMargin();
    if (aspect == u"line height")
        return format.lineHeight();
    if (aspect == u"page break")
        return format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore;
    return {};
}

QTextTable* firstTable(const QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    }
    return nullptr;
}

QString cellText(QTextTable* table, int row, int column)
{
    QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
    cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

class tst_rtfreader : public QObject
{
    Q_OBJECT

private slots:
    void documentText_data();
    void documentText();
    void formats_data();
    void formats();
    void pictures_data();
    void pictures();
    void table();
    void replacesPreviousContent();
};

void tst_rtfreader::documentText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain paragraphs, line break and tab")
        << corpus("plain.rtf") << "Dear customer,\nThank you for your order.\nKind regards\nSales team\tOffice";
    QTest::newRow("styled") << corpus("styled.rtf")
                            << "Quarterly Report\nRight\nPlain bold italic underline struck red green on yellow "
                               "code\nSmall italic normal";
    QTest::newRow("code pages, unicode and symbols")
        << corpus("unicode.rtf")
        << QString::fromUtf8("Café € “quoted”\nПривет\n€ euro\n€none\n\uF0B7\n😀\nПривет\nŠčř\n"
                             "a b\u00ADc\u2011d{e}f\\g\n—–•‘’“”");
    QTest::newRow("document code page 1251") << corpus("cyrillic.rtf") << QString::fromUtf8("Заказ № 5");
    QTest::newRow("skipped destinations") << corpus("skipped.rtf") << "Visible link text done\nSecond";
    QTest::newRow("unbalanced braces") << corpus("malformed-unbalanced.rtf") << "Bold unclosed\nNext line";
    QTest::newRow("truncated inside a picture") << corpus("malformed-truncated.rtf") << "Start middleof a ";
    QTest::newRow("text after the closing brace is not read") << corpus("malformed-extra-braces.rtf") << "";
    QTest::newRow("absurd numbers") << corpus("malformed-numbers.rtf") << "Huge\n\uFFFD\n\uFFFDX\n\nY\n";
    QTest::newRow("100000 nested groups") << nested(100000, true) << "deep";
    QTest::newRow("100000 unclosed groups") << nested(100000, false) << "deep";
    QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 end\\") << "end";
    QTest::newRow("hex escape cut short") << QByteArray("{\\rtf1 a\\'4") << "a";
    QTest::newRow("binary data is not text") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << "ab";
    QTest::newRow("Shift-JIS through \\fcharset128")
        << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset128 MS Mincho;}}\\f1\\'82\\'a0\\'82\\'a2 x}")
        << QString::fromUtf8("あい x");
    QTest::newRow("document code page 1250") << QByteArray("{\\rtf1\\ansi\\ansicpg1250 \\'8a\\'e8}")
                                             << QString::fromUtf8("Šč");
    QTest::newRow("unknown code page reads as 1252") << QByteArray("{\\rtf1\\ansicpg4242 \\'80}")
                                                     << QString::fromUtf8("€");
    QTest::newRow("\\u without fallback at a group end") << QByteArray("{\\rtf1 {\\u1055}x}")
                                                          << QString::fromUtf8("Пx");
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1 a\\u-10179?b}") << "a\uFFFDb";
    QTest::newRow("structure characters as text") << QByteArray("{\\rtf1 a\\u-560?\\u65532?\\u8233?\\u13?b}")
                                                  << "a\uFFFD\uFFFD\nb";
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 shown{\\v  hidden\\'e9\\u1055?} \\v secret\\v0 too}")
                                 << "shown too";
    QTest::newRow("old-style paragraph mark") << QByteArray("{\\rtf1 one\\\ntwo}") << "one\ntwo";
    QTest::newRow("cells past the defined columns")
        << QByteArray("{\\rtf1\\trowd\\cellx100\\intbl a\\cell b\\cell\\row}") << "\na\nb\n";
    QTest::newRow("not rich text reads as plain text") << QByteArray("Just a note\nsecond line")
                                                       << "Just a note\nsecond line";
    QTest::newRow("empty") << QByteArray() << "";
}

void tst_rtfreader::documentText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    RtfReader::read(rtf, &document);
    QCOMPARE(document.toPlainText(), text);
}

void tst_rtfreader::formats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("aspect");
    QTest::addColumn<QVariant>("expected");
    const QByteArray styled = corpus("styled.rtf");
    QTest::newRow("title bold") << styled << "Quarterly" << "bold" << QVariant(true);
    QTest::newRow("title font") << styled << "Quarterly" << "family" << QVariant("Arial");
    QTest::newRow("title size in half points") << styled << "Quarterly" << "size" << QVariant(16.0);
    QTest::newRow("\\b0 ends bold") << styled << "Right" << "bold" << QVariant(false);
    QTest::newRow("font 0") << styled << "Plain" << "family" << QVariant("Times New Roman");
    QTest::newRow("bold group") << styled << "bold" << "bold" << QVariant(true);
    QTest::newRow("bold ends with its group") << styled << " italic" << "bold" << QVariant(false);
    QTest::newRow("italic") << styled << "italic" << "italic" << QVariant(true);
    QTest::newRow("underline") << styled << "under" << "underline" << QVariant(true);
    QTest::newRow("\\ulnone") << styled << "line" << "underline" << QVariant(false);
    QTest::newRow("strike") << styled << "struck" << "strike" << QVariant(true);
    QTest::newRow("colour 1") << styled << "red" << "foreground" << QVariant(QColor(255, 0, 0));
    QTest::newRow("automatic colour") << styled << "Plain" << "foreground" << QVariant(QColor());
    QTest::newRow("colour 2") << styled << "green" << "foreground" << QVariant(QColor(0, 128, 0));
    QTest::newRow("highlight") << styled << "green" << "background" << QVariant(QColor(255, 255, 0));
    QTest::newRow("code font") << styled << "code" << "family" << QVariant("Courier New");
    QTest::newRow("code size") << styled << "code" << "size" << QVariant(10.0);
    QTest::newRow("after \\plain, size") << styled << "Small" << "size" << QVariant(9.0);
    QTest::newRow("after \\plain, italic") << styled << "Small" << "italic" << QVariant(true);
    QTest::newRow("\\plain resets italic") << styled << "normal" << "italic" << QVariant(false);
    QTest::newRow("\\plain resets size") << styled << "normal" << "size" << QVariant(12.0);
    QTest::newRow("\\plain keeps the default font") << styled << "normal" << "family" << QVariant("Times New Roman");
    QTest::newRow("font name in its own code page")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204{\\*\\panose 020b}\\'c0\\'f0\\'e8\\'e0\\'eb;}}x}") << "x"
        << "family" << QVariant(QString::fromUtf8("Ариал"));
    QTest::newRow("font entries without groups")
        << QByteArray("{\\rtf1{\\fonttbl\\f0\\fnil Arial;\\f1\\fnil Verdana;}\\f1 x}") << "x" << "family"
        << QVariant("Verdana");
    QTest::newRow("unknown font keeps the default family")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f9 x}") << "x" << "family" << QVariant(QString());
    QTest::newRow("font numbered at the limit")
        << QByteArray("{\\rtf1{\\fonttbl{\\f99999999999 Huge;}{Next;}}\\f2147483647 x}") << "x" << "family"
        << QVariant("Next");
    QTest::newRow("\\b0 after \\b") << QByteArray("{\\rtf1\\b\\b0 x}") << "x" << "bold" << QVariant(false);
    QTest::newRow("superscript") << QByteArray("{\\rtf1 x{\\super 2}}") << "2" << "superscript" << QVariant(true);
    const QByteArray broken = corpus("malformed-unbalanced.rtf");
    QTest::newRow("unclosed bold continues") << broken << "Next" << "bold" << QVariant(true);
    QTest::newRow("unclosed italic continues") << broken << "Next" << "italic" << QVariant(true);
    const QByteArray truncated = corpus("malformed-truncated.rtf");
    QTest::newRow("truncated: bold kept") << truncated << "middle" << "bold" << QVariant(true);
    QTest::newRow("truncated: colour kept") << truncated << "of a" << "foreground" << QVariant(QColor(255, 0, 0));
    const QByteArray numbers = corpus("malformed-numbers.rtf");
    QTest::newRow("huge size capped") << numbers << "Huge" << "size" << QVariant(1638.0);
    QTest::newRow("colour components clamped") << numbers << "Huge" << "foreground" << QVariant(QColor(255, 0, 255));
    QTest::newRow("centred") << styled << "Quarterly" << "alignment" << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("right") << styled << "Right" << "alignment" << QVariant(int(Qt::AlignRight));
    QTest::newRow("justified") << styled << "Plain" << "alignment" << QVariant(int(Qt::AlignJustify));
    QTest::newRow("\\pard resets alignment") << styled << "Small" << "alignment" << QVariant(int(Qt::AlignLeft));
    QTest::newRow("left indent, half an inch") << styled << "Plain" << "left" << QVariant(48.0);
    QTest::newRow("right indent") << styled << "Plain" << "right" << QVariant(24.0);
    QTest::newRow("hanging first line") << styled << "Plain" << "indent" << QVariant(-24.0);
    QTest::newRow("space before") << styled << "Plain" << "before" << QVariant(8.0);
    QTest::newRow("space after") << styled << "Plain" << "after" << QVariant(16.0);
    QTest::newRow("\\pard resets indent") << styled << "Small" << "left" << QVariant(0.0);
    QTest::newRow("line spacing as a multiple") << corpus("plain.rtf") << "Dear" << "line height"
                                                << QVariant(276 * 100.0 / 240);
    QTest::newRow("space after in a template") << corpus("plain.rtf") << "Thank" << "after"
                                               << QVariant(200 / 15.0);
    QTest::newRow("exact line spacing") << QByteArray("{\\rtf1\\sl-300 x\\par}") << "x" << "line height"
                                        << QVariant(20.0);
    QTest::newRow("\\page starts a page") << QByteArray("{\\rtf1 one\\page two\\par}") << "two" << "page break"
                                          << QVariant(true);
    QTest::newRow("no page break otherwise") << QByteArray("{\\rtf1 one\\par two\\par}") << "two"
                                             << "page break" << QVariant(false);
    QTest::newRow("negative huge indent stays on the page") << numbers << "Huge" << "left" << QVariant(0.0);
    QTest::newRow("huge spacing capped") << numbers << "Huge" << "before" << QVariant(31680 / 15.0);
}

void tst_rtfreader::formats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, word);
    QFETCH(QString, aspect);
    QFETCH(QVariant, expected);
    QTextDocument document;
    RtfReader::read(rtf, &document);
    const QTextCursor cursor = cursorIn(document, word);
    QVERIFY2(!cursor.isNull(), qPrintable(document.toPlainText()));
    const QVariant character = characterAspect(cursor.charFormat(), aspect);
    QCOMPARE(character.isValid() ? character : blockAspect(cursor.blockFormat(), aspect), expected);
}

void tst_rtfreader::pictures_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QSizeF>("shownSize");
    QTest::addColumn<QColor>("color");
    QTest::newRow("PNG sized by its goal") << "Logo: " << QSizeF(96, 72) << QColor(255, 0, 0);
    QTest::newRow("JPEG at its own size") << "Photo: " << QSizeF(8, 6) << QColor(0, 0, 255);
}

void tst_rtfreader::pictures()
{
    QFETCH(QString, before);
    QFETCH(QSizeF, shownSize);
    QFETCH(QColor, color);
    QTextDocument document;
    RtfReader::read(corpus("pictures.rtf"), &document);
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Logo: \uFFFC end\nPhoto: \uFFFC\nMetafile: "));
    QTextCursor cursor(&document);
    cursor.setPosition(document.toPlainText().indexOf(before) + before.size() + 1);
    const QTextImageFormat format = cursor.charFormat().toImageFormat();
    QVERIFY(format.isValid());
    QCOMPARE(QSizeF(format.width(), format.height()), shownSize);
    const QImage image = document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(image.size(), QSize(8, 6));
    const QColor pixel = image.pixelColor(4, 3);
    QVERIFY2(qAbs(pixel.red() - color.red()) < 8 && qAbs(pixel.blue() - color.blue()) < 8,
             qPrintable(pixel.name()));
}

void tst_rtfreader::table()
{
    QTextDocument document;
    RtfReader::read(corpus("table.rtf"), &document);
    QTextTable* table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 3);
    QCOMPARE(cellText(table, 0, 0), "Product");
    QCOMPARE(cellText(table, 0, 2), "Price");
    QCOMPARE(cellText(table, 1, 0), "Widget");
    QCOMPARE(cellText(table, 1, 2), "9.99");
    QVERIFY(table->cellAt(1, 0).firstCursorPosition().block().begin().fragment().charFormat().fontWeight()
            == QFont::Bold);
    QCOMPARE(table->format().columnWidthConstraints().value(1), QTextLength(QTextLength::FixedLength, 192));
    QCOMPARE(table->format().border(), 1.0);
    QCOMPARE(document.begin().text(), "Before");
    QCOMPARE(document.lastBlock().text(), "After");
}

void tst_rtfreader::replacesPreviousContent()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("old text"));
    RtfReader::read(corpus("cyrillic.rtf"), &document);
    QCOMPARE(document.toPlainText(), QString::fromUtf8("Заказ № 5"));
    QVERIFY(document.isUndoRedoEnabled());
    QVERIFY(!document.isUndoAvailable());
}

QTEST_MAIN(tst_rtfreader)
#include "tst_rtfreader.moc"
