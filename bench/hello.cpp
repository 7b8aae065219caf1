// A Qt hello world built the same way as the game, the measure of the game's start-up: one
// window with one label, ended by TREVINOR_EXIT_WHEN_SHOWN exactly as the game is, right after
// its first frame has been drawn.
#include "ExitAfterFirstPaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Здравствуй, мир"));
    exitAfterFirstPaintWhenAsked(&label);
    label.show();
    return app.exec();
}
