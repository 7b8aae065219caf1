// The training page with a course being learned, the jobs page with a verdict, the development
// screen with a project under way and the rest screen with an activity pointed at.
#include "ShotInput.h"
#include "Shots.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMetaObject>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

namespace {
bool trainingWithACourseRunning(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    s.game.installedVb = True;
    toolbar(screen, "Obuchenie");
    pointAt(screen->control("lblVB"));
    bool ok = s.save(screen, QStringLiteral("training-course-pointed.png"));
    pointAt(screen->control("lblHTML"));
    click(screen->control("lblHTML"));
    QTimer* timer = screen->control<QTimer>("tmrObuchenie");
    for (int tick = 0; tick < 40; ++tick)
        QMetaObject::invokeMethod(timer, "timeout");
    return ok && s.save(screen, QStringLiteral("training-course-running.png"));
}

bool jobsWithAVerdict(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    s.game.knowsWinXp = True;
    s.game.knowsVfp = True;
    s.game.knowsOffice = True;
    toolbar(screen, "Rabota");
    pointAt(screen->control("lblVerst"));
    click(screen->control("lblVerst"));
    screen->confirmPage(2);
    // A hundred days as a typesetter open the programmer's job.
    for (int day = 0; day < 100; ++day)
        screen->dailyTick();
    screen->stopClock();
    toolbar(screen, "Rabota");
    pointAtCorner(screen->control("Tavorel6"));
    pointAt(screen->control("lblProg2"));
    return s.save(screen, QStringLiteral("jobs-verdict.png"));
}

bool developmentUnderWay(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    s.game.knowsVfp = True;
    s.game.knowsPhp = True;
    s.game.passedDbIntro1 = True;
    toolbar(screen, "Razrab");
    QWidget* dev = topLevel("frmRazrabotka");
    if (!dev)
        return false;
    for (QRadioButton* option : dev->findChildren<QRadioButton*>(QStringLiteral("optDS"))) {
        if (option->property("Index").toInt() == 1)
            option->click();
    }
    auto* levels = dev->findChild<QListWidget*>(QStringLiteral("lstTipProj"));
    levels->setCurrentRow(11);
    emit levels->itemPressed(levels->item(11));
    s.player.names = {QStringLiteral("Склад")};
    emit levels->itemDoubleClicked(levels->item(11));
    for (int day = 0; day < 30; ++day)
        screen->dailyTick();
    return s.save(dev, QStringLiteral("development-under-way.png"));
}

bool restWithAnActivityPointedAt(ShotSession& s)
{
    MainScreen* screen = s.newGame();
    toolbar(screen, "Otdih");
    QWidget* rest = topLevel("frmOtdyh");
    if (!rest)
        return false;
    pointAt(rest->findChild<QWidget*>(QStringLiteral("Label3")));
    return s.save(rest, QStringLiteral("rest-pointed.png"));
}

const ShotRegistrar training("40-training", trainingWithACourseRunning);
const ShotRegistrar jobsShot("41-jobs", jobsWithAVerdict);
const ShotRegistrar development("42-development", developmentUnderWay);
const ShotRegistrar rest("43-rest", restWithAnActivityPointedAt);
} // namespace
