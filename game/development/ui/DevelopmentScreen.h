// The development screen frmRazrabotka: the environments optDS and web technologies optWeb,
// the desktop levels lstTipProj and web levels lstWeb, the requirements, and the project
// under way with its progress. The toolbar key "Razrab" opens it over the hidden main screen
// with the clock running; "Да", the close button and a close from the desktop go back.
#pragma once

#include "development/Development.h"

#include <QWidget>

struct DevelopmentProgress;
struct GameContext;
class QButtonGroup;
class QListWidget;
class QProgressBar;

class DevelopmentScreen : public QWidget {
public:
    static constexpr int Width = 720, Height = 560;

    explicit DevelopmentScreen(GameContext& context);

    // The toolbar key "Razrab": the screen follows the game's skills and is shown.
    void open();
    // "Да": back to the main screen.
    void leave();

    // The options and lists as the game's skills and project allow.
    void refreshOptions();
    // A new or loaded game: the project's caption and progress, the options and lists.
    void refreshFromGame();
    // One day of the project, from the clock.
    void showProgress(const DevelopmentProgress& progress);

private:
    void build();
    void buildNotice();
    void buildProject();
    void connectControls();
    void chooseEnvironment(int environment);
    void chooseWebTechnology();
    void showRequirement();
    void start(ProjectList list, int level);
    DevChoice choice() const;
    QListWidget* sourceList() const;

    GameContext& m_ctx;
    QButtonGroup* m_environments = nullptr;
    QButtonGroup* m_webTechnologies = nullptr;
    QListWidget* m_projects = nullptr;
    QListWidget* m_web = nullptr;
    QProgressBar* m_progress = nullptr;
};

void addDevelopmentScreen(GameContext& context);
