// A form drawn in Qt Designer with four Tavorel controls, compiled by uic: a title bar that
// drags the window, a display, and two buttons that act on KeyUp as the game's buttons do.
// --screenshot FILE saves a picture and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "ui_ExampleForm.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the form to <file> and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    QWidget form;
    Ui::ExampleForm ui;
    ui.setupUi(&form);
    form.setWindowFlag(Qt::FramelessWindowHint);

    int presses = 0;
    QObject::connect(ui.Tavorel3, &vuzedovi::Tavorel::KeyUp, &form, [&](short&, short&) {
        ++presses;
        ui.Tavorel2->setCaption(QStringLiteral("Нажато: %1").arg(presses));
    });
    QObject::connect(ui.Tavorel4, &vuzedovi::Tavorel::KeyUp, &form, [&form](short&, short&) { form.close(); });

    form.show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(0, &form, [&form, file] {
            form.grab().save(file);
            QApplication::quit();
        });
    }
    return app.exec();
}
