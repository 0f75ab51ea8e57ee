#include "FakeDialogs.h"
#include "GroupBox.h"
#include "PixelProbe.h"
#include "PropertyBag.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QString kRefusal = QStringLiteral(
    "This feature has not yet been implemented!\n"
    "I'm not quite sure how I am going to implement this feature, as some controls are shaped.");

constexpr int kWidth = 120;
constexpr int kHeight = 60;
const QColor kFace(192, 192, 192);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(48, 80, 160); // no blend of black text on grey gives this
const QColor kText(0, 0, 0);
const QColor kBlack(Qt::black);
// The pinned font's line is 15 pixels; half of it rounds to the even 8.
constexpr int kTop = 8;

// Crisp glyphs, so a text pixel has exactly its pen's colour.
QFont pinnedFont(int pixelSize = 13)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int captionWidth(const QString& text)
{
    return QFontMetrics(pinnedFont()).horizontalAdvance(text);
}

using PixelProbe::countColour;

// A box of the test size in the given style, with pinned palette and font.
struct PaintedBox
{
    PaintedBox(QStyle* style, const QString& caption, int pixelSize = 13)
    {
        box.setStyle(style);
        box.setPalette(QPalette(kText, kFace, kHighlight, kShadow, kFace, kText, kHighlight, kHighlight, kFace));
        box.setFont(pinnedFont(pixelSize));
        box.setCaption(caption);
        box.resize(kWidth, kHeight);
    }

    QImage render() { return box.grab().toImage(); }

    GroupBox box;
};

// A window with an edit before the box, one inside it and one after it.
struct FocusWindow
{
    FocusWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(box);
        (new QVBoxLayout(box))->addWidget(inside);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
        before->setFocus();
    }

    QWidget window;
    QLineEdit* before = new QLineEdit;
    QLineEdit* inside = new QLineEdit;
    QLineEdit* after = new QLineEdit;
    GroupBox* box = new GroupBox(QStringLiteral("&Print"));
};

} // namespace

class TestGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void accessKeys_data();
    void accessKeys();
    void accessKeyFocusRulesAndLayout();
    void transparentBackStyleRefused_data();
    void transparentBackStyleRefused();
    void refusedValues();
    void persistence();
    void mouseEvents_data();
    void mouseEvents();
    void classicFrame_data();
    void classicFrame();
    void captionIsCutIntoTheFrame_data();
    void captionIsCutIntoTheFrame();
    void captionColours_data();
    void captionColours();
    void styledPathAndBorderStyle0();

private:
    QStyle* m_classic = nullptr;
    QStyle* m_fusion = nullptr;
};

void TestGroupBox::initTestCase()
{
    m_classic = QStyleFactory::create(QStringLiteral("Windows"));
    m_fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    QVERIFY(m_classic && m_fusion);
    m_classic->setParent(this);
    m_fusion->setParent(this);
    QCOMPARE(QFontInfo(pinnedFont()).family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(QFontMetrics(pinnedFont()).height(), 15);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tallyvane"));
}

void TestGroupBox::init()
{
    PixelProbe::failOnPaintWarnings();
    // A box that wants to tell the operator something without a service fails its test.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^No dialogs service is set")));
}

void TestGroupBox::cleanup()
{
    Dialogs::setShared(nullptr);
}

void TestGroupBox::accessKeys_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("grabbed");
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand before Print") << "&Print" << Qt::Key_P << true << "Print";
    QTest::newRow("doubled ampersand sets no key") << "Save && Exit" << Qt::Key_E << false << "Save & Exit";
    QTest::newRow("doubled then single") << "Sales && &Returns" << Qt::Key_R << true << "Sales & Returns";
    QTest::newRow("only the first of two keys") << "&Back&up" << Qt::Key_U << false << "Backup";
    QTest::newRow("ampersand at the end") << "Print&" << Qt::Key_P << false << "Print";
}

// The key of the caption moves the focus into the box; the grouping is
// named by the caption as it reads.
void TestGroupBox::accessKeys()
{
    QFETCH(QString, caption);
    QFETCH(Qt::Key, key);
    QFETCH(bool, grabbed);
    QFETCH(QString, name);
    FocusWindow form;
    form.box->setCaption(caption);
    QCOMPARE(form.box->accessKey() == QChar(key), grabbed);
    QTest::keyClick(&form.window, key, Qt::AltModifier);
    QCOMPARE(form.inside->hasFocus(), grabbed);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(form.box);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Grouping);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    form.box->setAccessibleName(QStringLiteral("Printing"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Printing"));
}

// Children laid out in the box sit clear of frame and caption.
void TestGroupBox::accessKeyFocusRulesAndLayout()
{
    FocusWindow form;
    QVERIFY(form.inside->geometry().top() >= QFontMetrics(form.box->font()).height());
    QVERIFY(form.box->rect().contains(form.inside->geometry()));
    QVERIFY(form.box->sizeHint().width() > QFontMetrics(form.box->font()).horizontalAdvance(QStringLiteral("Print")));
    form.box->setEnabled(false);
    QTest::keyClick(&form.window, Qt::Key_P, Qt::AltModifier);
    QVERIFY(form.before->hasFocus());
    form.box->setEnabled(true);
    form.inside->hide();
    QTest::keyClick(&form.window, Qt::Key_P, Qt::AltModifier);
    QVERIFY2(form.after->hasFocus(), "an empty box passes the focus on");
    form.box->setCaption(QStringLiteral("&Open"));
    QTest::keyClick(&form.window, Qt::Key_P, Qt::AltModifier);
    QVERIFY2(form.after->hasFocus(), "the old key is released");
    form.before->setFocus();
    QTest::keyClick(&form.window, Qt::Key_O, Qt::AltModifier);
    QVERIFY(form.after->hasFocus());
}

// The refusal goes through the service the box was given, or else the
// program's shared one; with neither, it warns and nothing opens.
void TestGroupBox::transparentBackStyleRefused_data()
{
    QTest::addColumn<bool>("own");
    QTest::addColumn<bool>("shared");
    QTest::newRow("the box's own service") << true << true;
    QTest::newRow("the program's shared service") << false << true;
    QTest::newRow("no service set: a warning, no dialog") << false << false;
}

void TestGroupBox::transparentBackStyleRefused()
{
    QFETCH(bool, own);
    QFETCH(bool, shared);
    FakeDialogs ownDialogs;
    FakeDialogs sharedDialogs;
    if (shared)
        Dialogs::setShared(&sharedDialogs);
    else
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No dialogs service is set; message "
                                                                             "\"This feature has not yet been")));
    GroupBox box;
    if (own)
        box.setDialogs(&ownDialogs);
    box.setBackStyle(0);
    QCOMPARE(box.backStyle(), 1);
    QCOMPARE(sharedDialogs.messages().size(), shared && !own ? 1 : 0);
    QCOMPARE(ownDialogs.messages().size(), own ? 1 : 0);
    const QList<FakeDialogs::Message> shown = own ? ownDialogs.messages() : sharedDialogs.messages();
    if (shown.isEmpty())
        return;
    const FakeDialogs::Message& message = shown.first();
    QCOMPARE(message.text, kRefusal);
    QCOMPARE(message.title, QStringLiteral("Tallyvane"));
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.buttons, MessageButtons::Ok);
}

void TestGroupBox::refusedValues()
{
    GroupBox box;
    box.setAppearance(70000);
    QCOMPARE(box.appearance(), 1);
    box.setOleDropMode(2);
    QCOMPARE(box.oleDropMode(), int(GroupBox::OleDropNone));
}

void TestGroupBox::persistence()
{
    QWidget form;
    form.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    GroupBox box(QStringLiteral("Frame2"), &form);
    PropertyBag defaults;
    box.writeProperties(defaults);
    QCOMPARE(defaults.keys(), QStringList({"BackColor", "ForeColor", "Font", "Caption", "BorderStyle",
                                           "Appearance", "Enabled", "BackStyle", "OLEDropMode"}));
    const QVariantList values{0x8000000Fu, 0x80000012u, form.font(), "Frame2", 1, 1, true, 1, 0};
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(defaults.read(defaults.keys().at(i)).typeId(), values.at(i).typeId());
        QCOMPARE(defaults.read(defaults.keys().at(i)), values.at(i));
    }

    box.setBackcolor(OleColor::rgb(1, 2, 3));
    box.setForeColor(OleColor::Highlight);
    box.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
    box.setCaption(QStringLiteral("&Restore Database"));
    box.setBorderStyle(0);
    box.setAppearance(0);
    box.setEnabled(false);
    box.setOleDropMode(GroupBox::OleDropManual);
    PropertyBag bag;
    box.writeProperties(bag);
    GroupBox loaded(QStringLiteral("Frame2"), &form);
    loaded.readProperties(PropertyBag::fromJson(bag.toJson()).value());
    PropertyBag again;
    loaded.writeProperties(again);
    QVERIFY(again == bag);
    QCOMPARE(loaded.accessKey(), QChar('R'));
    QVERIFY(loaded.acceptDrops());

    // Absent keys give a new box's values; a transparent style loads opaque, silently.
    FakeDialogs dialogs;
    loaded.setDialogs(&dialogs);
    PropertyBag transparent;
    transparent.write(QStringLiteral("BackStyle"), 0);
    loaded.readProperties(transparent);
    loaded.writeProperties(again);
    QVERIFY(again == defaults);
    QVERIFY(!loaded.acceptDrops());
    QVERIFY(dialogs.messages().isEmpty());
}

// Mouse events carry the forms' button and shift codes and the position;
// only a left press and release inside the box click.
void TestGroupBox::mouseEvents_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("left click with Shift") << "left shift 30 20"
        << QStringList{"MouseDown 1 1 30 20", "MouseUp 1 1 30 20", "Click"};
    QTest::newRow("right click with Ctrl and Alt") << "right ctrl-alt 30 20"
        << QStringList{"MouseDown 2 6 30 20", "MouseUp 2 6 30 20"};
    QTest::newRow("middle click") << "middle - 5 7" << QStringList{"MouseDown 4 0 5 7", "MouseUp 4 0 5 7"};
    QTest::newRow("released outside") << "left-out - 30 20"
        << QStringList{"MouseDown 1 0 30 20", "MouseUp 1 0 130 20"};
    QTest::newRow("double click") << "double - 10 10"
        << QStringList{"MouseDown 1 0 10 10", "MouseUp 1 0 10 10", "Click", "DblClick", "MouseUp 1 0 10 10"};
    QTest::newRow("move with the left button held") << "drag - 12 14" << QStringList{"MouseMove 1 0 12 14"};
}

void TestGroupBox::mouseEvents()
{
    QFETCH(QString, gesture);
    QFETCH(QStringList, expected);
    GroupBox box;
    box.resize(100, 60);
    QStringList log;
    const auto logAs = [&log](const QString& name) {
        return [&log, name](auto... args) { log << QStringList{name, QString::number(args)...}.join(' '); };
    };
    connect(&box, &GroupBox::MouseDown, this, logAs("MouseDown"));
    connect(&box, &GroupBox::MouseMove, this, logAs("MouseMove"));
    connect(&box, &GroupBox::MouseUp, this, logAs("MouseUp"));
    connect(&box, &GroupBox::Click, this, logAs("Click"));
    connect(&box, &GroupBox::DblClick, this, logAs("DblClick"));
    const QStringList words = gesture.split(' ');
    const QPoint at(words[2].toInt(), words[3].toInt());
    const QMap<QString, Qt::KeyboardModifiers> modifiers{
        {"-", Qt::NoModifier}, {"shift", Qt::ShiftModifier}, {"ctrl-alt", Qt::ControlModifier | Qt::AltModifier}};
    const Qt::KeyboardModifiers held = modifiers.value(words[1]);
    const QString kind = words[0];
    if (kind == "left" || kind == "right" || kind == "middle") {
        const Qt::MouseButton button = kind == "left" ? Qt::LeftButton
            : kind == "right"                         ? Qt::RightButton
                                                      : Qt::MiddleButton;
        QTest::mouseClick(&box, button, held, at);
    } else if (kind == "left-out") {
        QTest::mousePress(&box, Qt::LeftButton, held, at);
        QTest::mouseRelease(&box, Qt::LeftButton, held, at + QPoint(100, 0));
    } else if (kind == "double") {
        // As the platform delivers one: a click, then the double click's press and release.
        QTest::mouseClick(&box, Qt::LeftButton, held, at);
        QTest::mouseDClick(&box, Qt::LeftButton, held, at);
        QTest::mouseRelease(&box, Qt::LeftButton, held, at);
    } else {
        QMouseEvent move(QEvent::MouseMove, at, box.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, held);
        QCoreApplication::sendEvent(&box, &move);
    }
    QCOMPARE(log, expected);
}

void TestGroupBox::classicFrame_data()
{
    QTest::addColumn<int>("appearance");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("even line 14 puts the top at 7") << 1 << 12 << QPoint(0, 7) << kShadow;
    QTest::newRow("odd line 13 rounds to even 6") << 1 << 11 << QPoint(0, 6) << kShadow;
    QTest::newRow("etched outer top left") << 1 << 13 << QPoint(0, kTop) << kShadow;
    QTest::newRow("etched outer top right") << 1 << 13 << QPoint(kWidth - 1, kTop) << kHighlight;
    QTest::newRow("etched outer bottom left") << 1 << 13 << QPoint(0, kHeight - 1) << kHighlight;
    QTest::newRow("etched inner top left") << 1 << 13 << QPoint(1, kTop + 1) << kHighlight;
    QTest::newRow("etched inner top right") << 1 << 13 << QPoint(kWidth - 2, kTop + 1) << kShadow;
    QTest::newRow("etched inner bottom left") << 1 << 13 << QPoint(1, kHeight - 2) << kShadow;
    QTest::newRow("etched inside") << 1 << 13 << QPoint(2, kTop + 2) << kFace;
    QTest::newRow("flat top left") << 0 << 13 << QPoint(0, kTop) << kBlack;
    QTest::newRow("flat bottom right") << 0 << 13 << QPoint(kWidth - 1, kHeight - 1) << kBlack;
    QTest::newRow("flat white inside the top") << 0 << 13 << QPoint(100, kTop + 1) << QColor(Qt::white);
    QTest::newRow("flat inside the white") << 0 << 13 << QPoint(kWidth - 3, kHeight - 3) << kFace;
}

void TestGroupBox::classicFrame()
{
    QFETCH(int, appearance);
    QFETCH(int, pixelSize);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    PaintedBox painted(m_classic, QStringLiteral("Backup"), pixelSize);
    painted.box.setAppearance(appearance);
    QCOMPARE(painted.render().pixelColor(at), colour);
}

void TestGroupBox::captionIsCutIntoTheFrame_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("gapWidth");
    QTest::newRow("doubled ampersand measured as a letter, the key's left out")
        << QStringLiteral("Save && &Exit") << captionWidth(QStringLiteral("Save A Exit")) + 2;
    QTest::newRow("empty caption leaves the frame whole") << QString() << 0;
}

void TestGroupBox::captionIsCutIntoTheFrame()
{
    QFETCH(QString, caption);
    QFETCH(int, gapWidth);
    PaintedBox painted(m_classic, caption);
    const QImage image = painted.render();
    const int gapEnd = 7 + gapWidth;
    QCOMPARE(countColour(image, QRect(0, kTop, 7, 1), kShadow), 7);
    QCOMPARE(countColour(image, QRect(7, kTop, gapWidth, 2), kShadow), 0);
    QCOMPARE(countColour(image, QRect(gapEnd, kTop, kWidth - 1 - gapEnd, 1), kShadow), kWidth - 1 - gapEnd);
}

void TestGroupBox::captionColours_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled in the fore colour") << true;
    QTest::newRow("disabled embossed") << false;
}

void TestGroupBox::captionColours()
{
    QFETCH(bool, enabled);
    const QColor red(255, 0, 0);
    const auto render = [this, enabled](const QString& caption) {
        PaintedBox painted(m_classic, caption);
        painted.box.setForeColor(OleColor::rgb(255, 0, 0));
        painted.box.setEnabled(enabled);
        return painted.render();
    };
    const QImage image = render(QStringLiteral("Backup"));
    const QRect caption(9, 0, captionWidth(QStringLiteral("Backup")) + 1, 16);
    QCOMPARE(countColour(image, caption, red) > 20, enabled);
    QCOMPARE(countColour(image, caption, kShadow) > 20, !enabled);
    QCOMPARE(countColour(image, caption, kHighlight) > 5, !enabled);
    const QFontMetrics metrics(pinnedFont());
    const QRect belowKey(9, metrics.ascent(), metrics.horizontalAdvance(QLatin1Char('B')), metrics.descent());
    QVERIFY2(render(QStringLiteral("&Backup")).copy(belowKey) != image.copy(belowKey), "the access key is underlined");
}

// Qt's style draws its own group box; BorderStyle 0 leaves the back colour alone on either path.
void TestGroupBox::styledPathAndBorderStyle0()
{
    PaintedBox painted(m_fusion, QStringLiteral("Backup"));
    QImage image = painted.render();
    QCOMPARE(countColour(image, image.rect(), kShadow), 0);
    QVERIFY(countColour(image, QRect(0, kHeight / 2, 4, 1), kFace) < 4);
    QVERIFY(countColour(image, QRect(0, 0, captionWidth(QStringLiteral("Backup")) + 20, 15), kText) > 20);
    const QColor pale(255, 255, 225);
    for (QStyle* style : {m_fusion, m_classic}) {
        painted.box.setStyle(style);
        painted.box.setBackcolor(OleColor::rgb(255, 255, 225));
        painted.box.setBorderStyle(0);
        image = painted.render();
        QCOMPARE(countColour(image, image.rect(), pale), kWidth * kHeight);
    }
}

QTEST_MAIN(TestGroupBox)
#include "tst_groupbox.moc"
