// Trevinor: the program opens on the main menu; the game runs in its event loop.
#include "flow/Dialogs.h"
#include "flow/GameFlow.h"
#include "flow/Screenshots.h"

#include "state/GameState.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevinor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    // trevinor --screenshots FOLDER: pictures of the screens, then exit.
    const QStringList args = QApplication::arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--screenshots"))
        return writeScreenshots(args.at(2)) ? 0 : 1;

    QtDialogs dialogs;
    Services services;
    services.dialogs = &dialogs;
    services.quit = [] { QCoreApplication::exit(0); };
    GameFlow flow(theGame(), std::move(services));
    flow.openMenu(GameFlow::MenuMode::Start);
    return app.exec();
}
