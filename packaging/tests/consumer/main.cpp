// Creates a Tavorel from the installed library, gives it properties by name, reacts to its
// press and checks it paints; prints where the library came from. Exit code 0 means it works.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <dlfcn.h>

#include <cstdio>

#include <vuzedovi/GradientValue.h>
#include <vuzedovi/Tavorel.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget* widget = vuzedovi::createControl(QStringLiteral("Corvalen.Tavorel"));
    auto* button = qobject_cast<vuzedovi::Tavorel*>(widget);
    if (!button) {
        std::puts("no Tavorel from createControl");
        return 1;
    }
    button->resize(120, 40);
    button->setProperty("Caption", QStringLiteral("Купить"));
    button->setProperty("ColorStart", quint32(0x000040));
    button->setProperty("ColorEnd", quint32(0x0000FF));

    int pressed = 0;
    QObject::connect(button, &vuzedovi::Tavorel::MouseDown, button,
                     [&pressed](short& which, short&, float&, float&) { pressed += which == 1; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);

    const QImage picture = button->grab().toImage();
    const bool red = qRed(picture.pixel(60, 36)) > 200 && qGreen(picture.pixel(60, 36)) < 50;

    vuzedovi::GradientValue page;
    page.SelectionChanged({button});

    Dl_info where{};
    dladdr(reinterpret_cast<void*>(&vuzedovi::createControl), &where);
    std::printf("library: %s\n", where.dli_fname ? where.dli_fname : "?");
    std::printf("pressed: %d, red gradient: %d, page changed: %d\n", pressed, red, page.Changed());
    return pressed == 1 && red && !page.Changed() ? 0 : 1;
}
