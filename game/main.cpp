// Trevinor: the program opens on the main menu; the game runs in its event loop.
#include "ExitAfterFirstPaint.h"
#include "GameWiring.h"

#include "kit/Dialogs.h"
#include "music/ui/LazyMusicPlayer.h"
#include "saves/SaveFolder.h"

#include "state/GameState.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The game ends only by its own three ways (the exit question, the empty name at the first
    // start, game over), never because the window manager closed its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Trevinor"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    loadRussianTranslation(app);

    QtDialogs dialogs;
    Services services;
    services.dialogs = &dialogs;
    DataSaveFolder saves;
    copyOldSaves(QCoreApplication::applicationDirPath(), saves);
    services.saves = &saves;
    // The synthesiser loads with the first melody; the installed game keeps it in its private
    // library folder (TREVINOR_LIBRARY_FROM_PROGRAM, as its RPATH).
    LazyMusicPlayer music(musicModuleFolders(QCoreApplication::applicationDirPath(),
                                             QStringLiteral(TREVINOR_LIBRARY_FROM_PROGRAM)));
    services.music = &music;
    services.quit = [] { QCoreApplication::exit(0); };
    const auto flow = buildGame(theGame(), std::move(services));
    exitAfterFirstPaintWhenAsked(flow->openMenu(GameFlow::MenuMode::Start));
    return app.exec();
}
