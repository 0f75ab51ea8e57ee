#include "FakeDialogs.h"
#include "GroupBox.h"
#include "PropertyBag.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestGroupBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newBoxDefaults();
    void captionText_data();
    void captionText();
    void accessKeyMovesTheFocus_data();
    void accessKeyMovesTheFocus();
    void accessKeyFollowsTheCaption();
    void transparentBackStyleIsRefused();
    void designRoundTrip();
    void absentKeysGiveDefaults();
    void valuesTheBoxCannotHold();
    void mouseEvents();
    void dropEvents();
    void childrenSitInsideTheFrame();
    void accessibility();
};

namespace {

const QString kRefusal = QStringLiteral(
    "This feature has not yet been implemented!\n"
    "I'm not quite sure how I am going to implement this feature, as some controls are shaped.");

// A window with an edit before the box, one inside it and one after it.
struct FocusWindow
{
    explicit FocusWindow(const QString& caption)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        box = new GroupBox(QStringLiteral("Frame1"));
        box->setCaption(caption);
        layout->addWidget(box);
        auto* inner = new QVBoxLayout(box);
        inner->addWidget(inside);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
        before->setFocus();
    }

    QWidget window;
    QLineEdit* before = new QLineEdit;
    QLineEdit* inside = new QLineEdit;
    QLineEdit* after = new QLineEdit;
    GroupBox* box = nullptr;
};

void verifyDefaults(const GroupBox& box, const QString& name)
{
    QCOMPARE(box.caption(), name);
    QCOMPARE(box.backcolor(), 0x8000000Fu);
    QCOMPARE(box.foreColor(), 0x80000012u);
    QCOMPARE(box.font(), box.parentWidget()->font());
    QCOMPARE(box.borderStyle(), 1);
    QCOMPARE(box.appearance(), 1);
    QVERIFY(box.isEnabled());
    QCOMPARE(box.backStyle(), 1);
    QCOMPARE(box.oleDropMode(), 0);
    QVERIFY(!box.acceptDrops());
}

} // namespace

void TestGroupBox::initTestCase()
{
    qRegisterMetaType<QDragMoveEvent*>();
    qRegisterMetaType<QDropEvent*>();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Tallyvane"));
}

void TestGroupBox::newBoxDefaults()
{
    QWidget form;
    form.setFont(QFont(QStringLiteral("DejaVu Serif"), 15));
    GroupBox box(QStringLiteral("Frame4"), &form);
    verifyDefaults(box, QStringLiteral("Frame4"));
}

void TestGroupBox::captionText_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QChar>("accessKey");
    QTest::addColumn<QString>("plain");
    QTest::newRow("ampersand before Print") << QStringLiteral("&Print") << QChar('P') << QStringLiteral("Print");
    QTest::newRow("doubled ampersand between words")
        << QStringLiteral("Save && Exit") << QChar() << QStringLiteral("Save & Exit");
    QTest::newRow("doubled then single") << QStringLiteral("Sales && &Returns") << QChar('R')
                                         << QStringLiteral("Sales & Returns");
    QTest::newRow("first of two keys") << QStringLiteral("&Back&up") << QChar('B') << QStringLiteral("Backup");
    QTest::newRow("ampersand at the end") << QStringLiteral("Print&") << QChar() << QStringLiteral("Print");
    QTest::newRow("no ampersand") << QStringLiteral("Backup Database") << QChar()
                                  << QStringLiteral("Backup Database");
    QTest::newRow("empty") << QString() << QChar() << QString();
}

void TestGroupBox::captionText()
{
    QFETCH(QString, caption);
    QFETCH(QChar, accessKey);
    QFETCH(QString, plain);
    GroupBox box;
    box.setCaption(caption);
    QCOMPARE(box.caption(), caption);
    QCOMPARE(box.accessKey(), accessKey);
    QCOMPARE(GroupBoxCaption(caption).plainText(), plain);
}

void TestGroupBox::accessKeyMovesTheFocus_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("childInside");
    QTest::addColumn<QString>("focused");
    QTest::newRow("Alt+P for &Print") << QStringLiteral("&Print") << Qt::Key_P << true << true
                                      << QStringLiteral("inside");
    QTest::newRow("other key") << QStringLiteral("&Print") << Qt::Key_R << true << true
                               << QStringLiteral("before");
    QTest::newRow("doubled ampersand sets no key")
        << QStringLiteral("Save && Exit") << Qt::Key_E << true << true << QStringLiteral("before");
    QTest::newRow("disabled box") << QStringLiteral("&Print") << Qt::Key_P << false << true
                                  << QStringLiteral("before");
    QTest::newRow("empty box passes to the next control")
        << QStringLiteral("&Print") << Qt::Key_P << true << false << QStringLiteral("after");
}

void TestGroupBox::accessKeyMovesTheFocus()
{
    QFETCH(QString, caption);
    QFETCH(Qt::Key, key);
    QFETCH(bool, enabled);
    QFETCH(bool, childInside);
    QFETCH(QString, focused);
    FocusWindow form(caption);
    form.box->setEnabled(enabled);
    form.inside->setVisible(childInside);
    QVERIFY(form.before->hasFocus());
    QTest::keyClick(&form.window, key, Qt::AltModifier);
    const QMap<QString, QLineEdit*> edits{
        {QStringLiteral("before"), form.before},
        {QStringLiteral("inside"), form.inside},
        {QStringLiteral("after"), form.after},
    };
    QCOMPARE(QApplication::focusWidget(), edits.value(focused));
}

void TestGroupBox::accessKeyFollowsTheCaption()
{
    FocusWindow form(QStringLiteral("&Print"));
    form.box->setCaption(QStringLiteral("&Open"));
    QTest::keyClick(&form.window, Qt::Key_P, Qt::AltModifier);
    QVERIFY(form.before->hasFocus());
    QTest::keyClick(&form.window, Qt::Key_O, Qt::AltModifier);
    QVERIFY(form.inside->hasFocus());
}

void TestGroupBox::transparentBackStyleIsRefused()
{
    FakeDialogs dialogs;
    GroupBox box;
    box.setDialogs(&dialogs);
    box.setBackStyle(0);
    QCOMPARE(box.backStyle(), 1);
    QCOMPARE(dialogs.messages().size(), 1);
    const FakeDialogs::Message& message = dialogs.messages().first();
    QCOMPARE(message.text, kRefusal);
    QCOMPARE(message.title, QStringLiteral("Tallyvane"));
    QCOMPARE(message.icon, MessageIcon::None);
    QCOMPARE(message.buttons, MessageButtons::Ok);

    box.setBackStyle(1);
    QCOMPARE(box.backStyle(), 1);
    QCOMPARE(dialogs.messages().size(), 1);
}

void TestGroupBox::designRoundTrip()
{
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    font.setItalic(true);
    GroupBox saved(QStringLiteral("Frame9"));
    saved.setBackcolor(OleColor::rgb(1, 2, 3));
    saved.setForeColor(OleColor::Highlight);
    saved.setFont(font);
    saved.setCaption(QStringLiteral("&Restore Database"));
    saved.setBorderStyle(0);
    saved.setAppearance(0);
    saved.setEnabled(false);
    saved.setOleDropMode(GroupBox::OleDropManual);

    PropertyBag bag;
    saved.writeProperties(bag);
    QCOMPARE(bag.keys(), QStringList({"BackColor", "ForeColor", "Font", "Caption", "BorderStyle",
                                      "Appearance", "Enabled", "BackStyle", "OLEDropMode"}));
    const QList<int> types = {QMetaType::UInt, QMetaType::UInt, QMetaType::QFont, QMetaType::QString,
                              QMetaType::Int, QMetaType::Int, QMetaType::Bool, QMetaType::Int,
                              QMetaType::Int};
    for (int i = 0; i < types.size(); ++i)
        QCOMPARE(bag.read(bag.keys().at(i)).typeId(), types.at(i));

    const std::optional<PropertyBag> stored = PropertyBag::fromJson(bag.toJson());
    QVERIFY(stored);
    GroupBox loaded(QStringLiteral("Frame9"));
    loaded.readProperties(*stored);
    QCOMPARE(loaded.backcolor(), OleColor::rgb(1, 2, 3));
    QCOMPARE(loaded.foreColor(), OleColor::Highlight);
    QCOMPARE(loaded.font(), font);
    QCOMPARE(loaded.caption(), QStringLiteral("&Restore Database"));
    QCOMPARE(loaded.accessKey(), QChar('R'));
    QCOMPARE(loaded.borderStyle(), 0);
    QCOMPARE(loaded.appearance(), 0);
    QVERIFY(!loaded.isEnabled());
    QCOMPARE(loaded.backStyle(), 1);
    QCOMPARE(loaded.oleDropMode(), int(GroupBox::OleDropManual));
    QVERIFY(loaded.acceptDrops());

    PropertyBag again;
    loaded.writeProperties(again);
    QVERIFY(again == bag);
}

void TestGroupBox::absentKeysGiveDefaults()
{
    QWidget form;
    form.setFont(QFont(QStringLiteral("DejaVu Serif"), 14));
    GroupBox box(QStringLiteral("Frame2"), &form);
    box.setBackcolor(OleColor::rgb(9, 9, 9));
    box.setForeColor(OleColor::rgb(8, 8, 8));
    box.setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 8));
    box.setCaption(QStringLiteral("Old"));
    box.setBorderStyle(0);
    box.setAppearance(0);
    box.setEnabled(false);
    box.setOleDropMode(GroupBox::OleDropManual);

    box.readProperties(PropertyBag());
    verifyDefaults(box, QStringLiteral("Frame2"));
    if (QTest::currentTestFailed())
        return;

    // Even an edited design asking for the transparent style loads opaque, silently.
    FakeDialogs dialogs;
    box.setDialogs(&dialogs);
    PropertyBag transparent;
    transparent.write(QStringLiteral("BackStyle"), 0);
    box.readProperties(transparent);
    QCOMPARE(box.backStyle(), 1);
    QVERIFY(dialogs.messages().isEmpty());
}

void TestGroupBox::valuesTheBoxCannotHold()
{
    GroupBox box;
    box.setAppearance(0);
    box.setAppearance(70000);
    QCOMPARE(box.appearance(), 0);
    box.setAppearance(-32768);
    QCOMPARE(box.appearance(), -32768);
    box.setOleDropMode(GroupBox::OleDropManual);
    box.setOleDropMode(2);
    QCOMPARE(box.oleDropMode(), int(GroupBox::OleDropManual));
    box.setBackStyle(7);
    QCOMPARE(box.backStyle(), 7);
}

void TestGroupBox::mouseEvents()
{
    GroupBox box;
    box.resize(100, 60);
    QSignalSpy downs(&box, &GroupBox::mouseDown);
    QSignalSpy ups(&box, &GroupBox::mouseUp);
    QSignalSpy clicks(&box, &GroupBox::click);
    QSignalSpy doubleClicks(&box, &GroupBox::dblClick);

    QTest::mouseClick(&box, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 20));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.size(), 1);
    QCOMPARE(downs.first().at(0).value<Qt::MouseButton>(), Qt::LeftButton);
    QCOMPARE(downs.first().at(1).value<Qt::KeyboardModifiers>(), Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(downs.first().at(2).toInt(), 30);
    QCOMPARE(downs.first().at(3).toInt(), 20);
    QCOMPARE(ups.size(), 1);

    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(30, 20));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(downs.size(), 2);

    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(30, 20));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(130, 20));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(ups.size(), 3);

    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(doubleClicks.size(), 1);
}

void TestGroupBox::dropEvents()
{
    GroupBox box;
    box.setOleDropMode(GroupBox::OleDropManual);
    QSignalSpy over(&box, &GroupBox::oleDragOver);
    QSignalSpy dropped(&box, &GroupBox::oleDragDrop);
    QMimeData data;
    data.setText(QStringLiteral("Jane Doe"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
    QCOMPARE(over.size(), 1);
    QCOMPARE(dropped.size(), 1);
}

void TestGroupBox::childrenSitInsideTheFrame()
{
    QWidget window;
    auto* box = new GroupBox(QStringLiteral("Frame1"), &window);
    box->setCaption(QStringLiteral("Customer"));
    auto* layout = new QVBoxLayout(box);
    auto* edit = new QLineEdit;
    layout->addWidget(edit);
    box->resize(box->sizeHint());
    window.show();
    QApplication::setActiveWindow(&window);

    const int captionHeight = QFontMetrics(box->font()).height();
    QVERIFY(edit->geometry().top() >= captionHeight);
    QVERIFY(box->rect().contains(edit->geometry()));
    QVERIFY(box->sizeHint().width() > QFontMetrics(box->font()).horizontalAdvance(box->caption()));

    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("Jane"));
    QCOMPARE(edit->text(), QStringLiteral("Jane"));
    QTest::mouseClick(edit, Qt::LeftButton);
    QVERIFY(edit->hasFocus());
}

void TestGroupBox::accessibility()
{
    QWidget window;
    auto* box = new GroupBox(QStringLiteral("Frame3"), &window);
    box->setCaption(QStringLiteral("Sales && &Returns"));
    new QLineEdit(box);
    window.show();

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Grouping);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Sales & Returns"));
    QCOMPARE(accessible->childCount(), 1);
    QCOMPARE(accessible->child(0)->role(), QAccessible::EditableText);

    box->setCaption(QStringLiteral("&Print"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Print"));
    box->setEnabled(false);
    QVERIFY(accessible->state().disabled);
    box->setAccessibleName(QStringLiteral("Printing"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Printing"));
}

QTEST_MAIN(TestGroupBox)
#include "tst_groupbox.moc"
