// A Tavorel button of the game acts on its own press only: a left click on it, or Space or
// Enter pressed and released on it while it has the focus. Real mouse and key events.
#include "kit/ButtonPress.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <vuzedovi/Tavorel.h>

class TestButtonPress : public QObject {
    Q_OBJECT

private:
    // Plays a script of events on the button: "L" left click, "R" right click, "d:K" key K
    // goes down, "a:K" an auto-repeat of K, "u:K" K comes up, "s" posted events delivered.
    static void play(QWidget* button, const QString& script)
    {
        for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QChar what = step.at(0);
            if (what == QLatin1Char('L') || what == QLatin1Char('R')) {
                QTest::mouseClick(button, what == QLatin1Char('L') ? Qt::LeftButton
                                                                   : Qt::RightButton);
            } else if (what == QLatin1Char('s')) {
                QApplication::processEvents();
            } else {
                const int key = step.mid(2).toInt(nullptr, 16);
                const auto type = what == QLatin1Char('u') ? QEvent::KeyRelease
                                                            : QEvent::KeyPress;
                QKeyEvent event(type, key, Qt::NoModifier, QString(),
                                what == QLatin1Char('a'));
                QApplication::sendEvent(button, &event);
            }
        }
        QApplication::processEvents();
    }

private slots:
    void pressesOnlyItsOwnPress_data()
    {
        QTest::addColumn<bool>("onKeyDown");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("presses");
        const QString space = QString::number(Qt::Key_Space, 16);
        const QString enter = QString::number(Qt::Key_Return, 16);
        const QString scroll = QString::number(Qt::Key_ScrollLock, 16);
        const QString letter = QString::number(Qt::Key_A, 16);
        for (const bool down : {false, true}) {
            const char* mode = down ? "KeyDown button: " : "KeyUp button: ";
            auto row = [&](const char* name, const QString& script, int presses) {
                QTest::newRow(qPrintable(mode + QString::fromLatin1(name)))
                    << down << script << presses;
            };
            row("a left click", QStringLiteral("L"), 1);
            row("two left clicks", QStringLiteral("L s L"), 2);
            row("a right click", QStringLiteral("R"), 0);
            row("Space", QStringLiteral("d:%1 u:%1").arg(space), 1);
            row("Enter", QStringLiteral("d:%1 u:%1").arg(enter), 1);
            row("Space held", QStringLiteral("d:%1 a:%1 a:%1 u:%1").arg(space), 1);
            row("Enter that went down on a message box",
                QStringLiteral("u:%1").arg(enter), 0);
            row("Enter held on a message box that closed",
                QStringLiteral("a:%1 a:%1 u:%1").arg(enter), 0);
            row("a typed letter", QStringLiteral("d:%1 u:%1").arg(letter), 0);
            row("the player's own Scroll Lock", QStringLiteral("d:%1 u:%1").arg(scroll), 0);
        }
    }
    void pressesOnlyItsOwnPress()
    {
        QFETCH(bool, onKeyDown);
        QFETCH(QString, script);
        QFETCH(int, presses);
        QWidget window;
        QWidget* control = vuzedovi::createControl(QStringLiteral("Corvalen.Tavorel"), &window);
        auto* button = qobject_cast<vuzedovi::Tavorel*>(control);
        QVERIFY(button);
        button->setGeometry(10, 10, 80, 30);
        window.show();
        int pressed = 0;
        onPress(button, [&] { ++pressed; }, onKeyDown ? PressOn::KeyDown : PressOn::KeyUp);
        button->setFocus();
        play(button, script);
        QCOMPARE(pressed, presses);
    }
};

QTEST_MAIN(TestButtonPress)
#include "tst_buttonpress.moc"
