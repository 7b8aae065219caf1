// trevinor-shots FOLDER: writes the pictures of every registered shot into FOLDER.
#include "Shots.h"

#include "flow/MenuScreen.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

namespace {
std::map<std::string, ShotFunction>& shots()
{
    static std::map<std::string, ShotFunction> registered;
    return registered;
}
} // namespace

ShotRegistrar::ShotRegistrar(const char* key, ShotFunction shot)
{
    shots()[key] = shot;
}

ShotSession::ShotSession(const QDir& folder) : m_folder(folder)
{
    Services services;
    services.dialogs = &player;
    services.clock = &clock;
    services.random = &random;
    services.quit = [] {};
    flow = buildGame(game, std::move(services));
}

ShotSession::~ShotSession() = default;

MainScreen* ShotSession::newGame()
{
    flow->openMenu(GameFlow::MenuMode::Start)->newGameProcedure();
    MainScreen* screen = flow->mainScreen();
    screen->stopClock();
    return screen;
}

bool ShotSession::save(QWidget* widget, const QString& file)
{
    QApplication::processEvents();
    const bool ok = widget->grab().save(m_folder.filePath(file));
    if (!ok)
        std::fprintf(stderr, "could not write %s\n", qPrintable(m_folder.filePath(file)));
    return ok;
}

int main(int argc, char* argv[])
{
    // Pictures need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    if (argc != 2) {
        std::fprintf(stderr, "usage: trevinor-shots FOLDER\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    bool ok = true;
    for (const auto& [key, shot] : shots()) {
        ShotSession session(folder);
        ok &= shot(session);
    }
    return ok ? 0 : 1;
}
