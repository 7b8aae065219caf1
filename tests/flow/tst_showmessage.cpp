// A rule's message reaches the player through one function: a question as a Yes/No box that
// gives back the answer, anything else as a box with OK only; text, caption and icon as the
// rule gave them.
#include "support/GameHarness.h"

#include "kit/Dialogs.h"
#include "state/Message.h"

#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Message::Icon)
Q_DECLARE_METATYPE(Message::Buttons)

class TestShowMessage : public QObject {
    Q_OBJECT

private slots:
    void showsTheMessageInItsBox_data()
    {
        QTest::addColumn<Message::Buttons>("buttons");
        QTest::addColumn<Message::Icon>("icon");
        QTest::addColumn<QList<bool>>("answers"); // the player's Yes/No answers, in order
        QTest::addColumn<QString>("kind");        // the box the dialogs were asked for
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("answersLeft");
        using B = Message::Buttons;
        using I = Message::Icon;
        QTest::newRow("OK, no icon") << B::Ok << I::None << QList<bool>{} << "tell" << false << 0;
        QTest::newRow("OK takes no answer meant for a question")
            << B::Ok << I::Question << QList<bool>{true} << "tell" << false << 1;
        QTest::newRow("question answered Yes") << B::YesNo << I::Question << QList<bool>{true}
                                               << "yesno" << true << 0;
        QTest::newRow("question answered No") << B::YesNo << I::Question << QList<bool>{false}
                                              << "yesno" << false << 0;
        QTest::newRow("Yes/No with an exclamation mark")
            << B::YesNo << I::Exclamation << QList<bool>{false, true} << "yesno" << false << 1;
    }
    void showsTheMessageInItsBox()
    {
        QFETCH(Message::Buttons, buttons);
        QFETCH(Message::Icon, icon);
        QFETCH(QList<bool>, answers);
        QFETCH(QString, kind);
        QFETCH(bool, result);
        QFETCH(int, answersLeft);
        ScriptedDialogs dialogs;
        dialogs.yesNo = answers;
        const Message message{QStringLiteral("Товарищ, текст"), QStringLiteral("Заголовок"), icon,
                              buttons};
        QCOMPARE(showMessage(dialogs, nullptr, message), result);
        QCOMPARE(dialogs.asked.size(), 1);
        const ScriptedDialogs::Asked& asked = dialogs.asked.first();
        QCOMPARE(asked.kind, kind);
        QCOMPARE(asked.text, message.text);
        QCOMPARE(asked.caption, message.caption);
        QCOMPARE(asked.icon, icon);
        QCOMPARE(dialogs.yesNo.size(), answersLeft);
        QVERIFY(!dialogs.ranOut);
    }
    // The real boxes open centred over the window that asked, whatever their text's length.
    void theBoxOpensCentredOverItsWindow_data()
    {
        QTest::addColumn<bool>("question");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("words");
        QTest::newRow("exit question over the main screen") << true << QRect(240, 150, 800, 600) << 6;
        QTest::newRow("a long notice over the menu") << false << QRect(460, 206, 360, 488) << 60;
        QTest::newRow("a word over a window at the corner") << false << QRect(0, 0, 380, 340) << 1;
    }
    void theBoxOpensCentredOverItsWindow()
    {
        QFETCH(bool, question);
        QFETCH(QRect, window);
        QFETCH(int, words);
        QWidget over;
        over.setGeometry(window);
        over.show();
        QVERIFY(QTest::qWaitForWindowExposed(&over));
        QRect shown;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            shown = box ? box->frameGeometry() : QRect();
            if (box)
                box->close();
        });
        QtDialogs dialogs;
        const QString text = QStringList(words, QStringLiteral("Товарищ")).join(QChar(' '));
        if (question)
            dialogs.askYesNo(&over, text, QStringLiteral("Exit"), Dialogs::Icon::Question);
        else
            dialogs.tell(&over, text, QStringLiteral("Тревинор"), Dialogs::Icon::Information);
        QVERIFY(shown.isValid());
        QVERIFY2((shown.center() - over.frameGeometry().center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("box %1,%2 %3x%4").arg(shown.x()).arg(shown.y())
                                .arg(shown.width()).arg(shown.height())));
        // Room for the caption beside the window manager's icon and buttons, however short the text.
        QVERIFY(shown.width() >= QFontMetrics(QApplication::font()).horizontalAdvance("Тревинор") + 100);
    }
};

QTEST_MAIN(TestShowMessage)
#include "tst_showmessage.moc"
