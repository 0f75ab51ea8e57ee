#include "FakeDialogs.h"
#include "FileDialog.h"

#include <QTest>

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void fakeRecordsMessagesAndAnswers();
    void fileDialogRemembersTheLastChoice();
};

void TestDialogs::fakeRecordsMessagesAndAnswers()
{
    FakeDialogs dialogs;
    dialogs.queueAnswer(MessageAnswer::No);

    QCOMPARE(dialogs.showMessage("Are You Sure You Want To Logout", "Logout",
                                 MessageIcon::None, MessageButtons::YesNo),
             MessageAnswer::No);
    // Nothing queued: the first button, as Enter would choose.
    QCOMPARE(dialogs.showMessage("Delete?", "Delete Confirm", MessageIcon::None,
                                 MessageButtons::YesNo),
             MessageAnswer::Yes);
    QCOMPARE(dialogs.inform("Saved", "Backup Status"), MessageAnswer::Ok);

    QCOMPARE(dialogs.messages().size(), 3);
    const FakeDialogs::Message& first = dialogs.messages().at(0);
    QCOMPARE(first.text, QStringLiteral("Are You Sure You Want To Logout"));
    QCOMPARE(first.title, QStringLiteral("Logout"));
    QCOMPARE(first.buttons, MessageButtons::YesNo);
    QCOMPARE(dialogs.messages().at(2).icon, MessageIcon::Information);
}

void TestDialogs::fileDialogRemembersTheLastChoice()
{
    FakeDialogs dialogs;
    FileDialog dialog(dialogs, "Please Select File To Restore Database From", "mdb");
    QVERIFY(dialog.fileName().isEmpty());

    dialogs.queueFile(QStringLiteral("/backups/Monday.mdb"));
    QVERIFY(dialog.showOpen());
    QCOMPARE(dialog.fileName(), QStringLiteral("/backups/Monday.mdb"));
    QCOMPARE(dialog.fileTitle(), QStringLiteral("Monday.mdb"));

    dialogs.queueFile(std::nullopt);
    QVERIFY(!dialog.showSave());
    QCOMPARE(dialog.fileName(), QStringLiteral("/backups/Monday.mdb"));
    QCOMPARE(dialog.fileTitle(), QStringLiteral("Monday.mdb"));

    QCOMPARE(dialogs.fileRequests().size(), 2);
    const FakeDialogs::FileRequest& request = dialogs.fileRequests().at(1);
    QVERIFY(request.save);
    QCOMPARE(request.request.title, QStringLiteral("Please Select File To Restore Database From"));
    QCOMPARE(request.request.defaultExtension, QStringLiteral("mdb"));
    QCOMPARE(request.request.startPath, QStringLiteral("/backups/Monday.mdb"));
}

QTEST_GUILESS_MAIN(TestDialogs)
#include "tst_dialogs.moc"
