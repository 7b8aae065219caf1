// A Qt hello world built the same way as the game, the measure of the game's start-up: one
// window with one label, ended by TREVINOR_EXIT_WHEN_SHOWN exactly as the game is.
#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Здравствуй, мир"));
    label.show();
    if (qEnvironmentVariableIsSet("TREVINOR_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
