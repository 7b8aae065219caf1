// The game on a real X display under a window manager (Xvfb and openbox, started here): the
// main screen, minimised by its own "-" or by the window manager and restored by the window
// manager, comes back shown from each screen that hides it, visit after visit.
#include "support/GameHarness.h"

#include <QAction>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

namespace {
QString run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// "Normal" or "Iconic", as the window manager keeps it in WM_STATE.
bool reaches(QWidget* w, const QString& state)
{
    QString now;
    for (int i = 0; i < 50 && now != state; ++i, QTest::qWait(100))
        now = run("xprop", {"-id", QString::number(w->winId()), "WM_STATE"})
                  .section("window state: ", 1, 1).section('\n', 0, 0);
    return now == state;
}
} // namespace

class RealDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void restoredMainScreenComesBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("ownMinimise");
        for (auto [key, screen] : {std::pair{"Otdih", "frmOtdyh"}, {"Razrab", "frmRazrabotka"},
                                   {"Inet", "frmInter"}}) {
            QTest::addRow("%s, own -", key) << key << screen << true;
            QTest::addRow("%s, window manager", key) << key << screen << false;
        }
    }
    void restoredMainScreenComesBack()
    {
        QFETCH(QString, key);
        QFETCH(QString, screen);
        QFETCH(bool, ownMinimise);
        FlowHarness h;
        MainScreen* s = h.newGame();
        const QString id = QString::number(s->winId());
        QVERIFY(reaches(s, "Normal"));
        if (ownMinimise)
            emit qobject_cast<vuzedovi::Tavorel*>(s->control("cmdMin"))->Click();
        else
            run("xdotool", {"windowminimize", id});
        QVERIFY(reaches(s, "Iconic"));
        run("xdotool", {"windowactivate", id});
        QVERIFY(reaches(s, "Normal"));
        for (int visit = 1; visit <= 2; ++visit) {
            s->findChild<QAction*>(key)->trigger();
            QVERIFY(!s->isVisible());
            QWidget* other = shownWindow(qPrintable(screen));
            QVERIFY(other);
            other->close(); // leaves as its "Да" does
            QVERIFY2(reaches(s, "Normal"), qPrintable(QString::number(visit)));
        }
    }
};

// A display of its own, with a window manager on it, for as long as the test runs.
int main(int argc, char** argv)
{
    QProcess xvfb, wm;
    for (QProcess* p : {&xvfb, &wm}) // ended with the test, even when it crashes
        p->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    if (!xvfb.waitForReadyRead(10000))
        qFatal("Xvfb (package xvfb) did not start");
    qputenv("DISPLAY", ":" + xvfb.readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    wm.start("openbox", {});
    for (int i = 0; i < 50 && run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).count('#') == 0; ++i)
        QThread::msleep(100);
    QApplication app(argc, argv);
    RealDisplayTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realdisplay.moc"
