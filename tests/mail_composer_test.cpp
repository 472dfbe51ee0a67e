#include "support/guitestbase.h"

#include "app/widgets/textarea.h"

#include <QLabel>

using namespace spawnsmith;

// "Launch E-Mail Application" on the composer over the game-pick screen, through its widgets.
class MailComposerTest : public GuiTestBase {
    Q_OBJECT
private slots:
    void launchHandsOverUrlOnce_data();
    void launchHandsOverUrlOnce();
    void captionLabelsFormTheArrayLabel1();
    void launchIsOnBehalfOfTheComposer();
};

void MailComposerTest::launchHandsOverUrlOnce_data() {
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("bcc");
    QTest::addColumn<QString>("body"); // null: left as loaded; otherwise typed in its place
    QTest::addColumn<QByteArray>("url");
    const QByteArray to = "mailto:tarvik@spawnsmith.app";
    const QByteArray body = "&Body=Enter your E-Mail message here. Remember I will not %0D%0A"
                            "give you permission to edit the tool so don't even %0D%0A"
                            "ask. If you are reporting a site hosting this tool %0D%0A"
                            "without my permission then please check the Web %0D%0A"
                            "Sites listed in the latest version before reporting to me.%0D%0A";
    QTest::newRow("initial texts") << ""
                                   << "" << QString() << to + "?Subject=Spawnsmith" + body;
    QTest::newRow("CC filled") << "me@x.org"
                               << "" << QString() << to + "?CC=me@x.org&Subject=Spawnsmith" + body;
    QTest::newRow("CC and BCC") << "a&b"
                                << "c" << QString()
                                << to + "?CC=a%26b&BCC=c&Subject=Spawnsmith" + body;
    QTest::newRow("body emptied") << ""
                                  << ""
                                  << "" << to + "?Subject=Spawnsmith";
    QTest::newRow("typed lines") << ""
                                 << ""
                                 << "Hi\n\u00E9 & ?"
                                 << to + "?Subject=Spawnsmith&Body=Hi%0D%0A%E9 %26 ?";
}

void MailComposerTest::launchHandsOverUrlOnce() {
    QFETCH(QString, cc);
    QFETCH(QString, bcc);
    QFETCH(QString, body);
    QFETCH(QByteArray, url);
    const QString w = "frmsendemail";
    open("frmgtapick");
    frame().openDialog(WindowId::frmgtapick, WindowId::frmsendemail);
    QVERIFY(QTest::qWaitForWindowActive(frame().loaded(w)));
    type(w, "txtCc", cc);
    type(w, "txtBcc", bcc);
    type(w, "txtTo", "x"); // read-only: typing changes nothing
    type(w, "txtSubject", "x");
    auto* bodyBox = control<TextArea>(w, "txtBody");
    if (!body.isNull()) {
        bodyBox->setFocus();
        QTest::keyClick(bodyBox, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(bodyBox, Qt::Key_Delete);
        for (const QChar c : body) // keyClicks takes ASCII only
            QTest::sendKeyEvent(QTest::Click, bodyBox,
                                c == '\n' ? Qt::Key_Return : Qt::Key(c.toUpper().unicode()),
                                QString(c), Qt::NoModifier);
    }
    const QString bodyBefore = bodyBox->text();
    click(w, "cmdSend");
    QCOMPARE(platform().openedUrls, QList<QByteArray>{url});
    // The composer stays open as it was.
    QCOMPARE(frame().loadedWindows(), (QStringList{"frmgtapick", w}));
    QCOMPARE(text(w, "txtCc"), cc);
    QCOMPARE(bodyBox->text(), bodyBefore);
}

// The five caption labels are the elements of one array: they share the name Label1, keep their
// index, and a search for the name finds them in order.
void MailComposerTest::captionLabelsFormTheArrayLabel1() {
    open("frmsendemail");
    const QList<QLabel*> labels = frame().loaded("frmsendemail")->findChildren<QLabel*>("Label1");
    QStringList captions;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        QCOMPARE(labels[i]->property("index").toInt(), i);
        captions << labels[i]->text();
    }
    QCOMPARE(captions, QStringList({"To", "CC", "BCC", "Subject", "Body"}));
}

// The shell's "open" is asked on behalf of the composer's own window.
void MailComposerTest::launchIsOnBehalfOfTheComposer() {
    open("frmsendemail");
    click("frmsendemail", "cmdSend");
    QCOMPARE(platform().urlOwners, QList<quintptr>{frame().loaded("frmsendemail")->winId()});
}

QTEST_MAIN(MailComposerTest)
#include "mail_composer_test.moc"
