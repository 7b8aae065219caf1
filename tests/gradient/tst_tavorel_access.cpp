// Tavorel without the mouse: what assistive technology hears of it, Tab, the focus frame and
// Space and Enter on a focused button.
#include <QAccessible>
#include <QApplication>
#include <QtTest>

#include <cmath>

#include "TestSupport.h"

using namespace vuzedovi;
using support::render;

namespace {

const QString Clicked = QStringLiteral("MouseDown 1,KeyDown 145,KeyUp 145,Click");

// WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) { return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Three controls one under the other on an active window; the middle one is tested, and what
// it raises is written into events.
struct Form {
    QWidget window;
    Tavorel* before = new Tavorel(&window);
    Tavorel* control = new Tavorel(&window);
    Tavorel* after = new Tavorel(&window);
    QStringList events;

    explicit Form(int style, QSize size = QSize(120, 40))
    {
        window.resize(size.width(), 3 * size.height());
        for (int i = 0; Tavorel* c : {before, control, after})
            c->setGeometry(QRect(QPoint(0, size.height() * i++), size));
        control->setStyle(constStyle(style));
        control->setCaption(QStringLiteral("Купить"));
        const auto log = [this](const char* name) {
            return [this, name](short& code, auto&...) { events << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(code); };
        };
        QObject::connect(control, &Tavorel::MouseDown, &window, log("MouseDown"));
        QObject::connect(control, &Tavorel::KeyDown, &window, log("KeyDown"));
        QObject::connect(control, &Tavorel::KeyUp, &window, log("KeyUp"));
        QObject::connect(control, &Tavorel::Click, &window, [this] { events << QStringLiteral("Click"); });
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the form never became active");
    }
};

QStringList s_heard;

void recordUpdate(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::NameChanged)
        s_heard << QStringLiteral("name ") + event->accessibleInterface()->text(QAccessible::Name);
    else if (event->type() == QAccessible::StateChanged && static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked)
        s_heard << QStringLiteral("checked %1").arg(event->accessibleInterface()->state().checked);
}

} // namespace

class TavorelAccessTest : public QObject {
    Q_OBJECT

private:
    // Space or Enter pressed (held: pressed again) and released on the control as keys says.
    static void sendKeys(Tavorel* control, int key, const QString& keys)
    {
        const auto keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        for (qsizetype i = 0; i < keys.size(); ++i) {
            const bool press = keys[i] == u'+';
            QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, keypad, QString(), press && i > 0 && keys[i - 1] == u'+');
            QApplication::sendEvent(control, &event);
        }
    }

private slots:
    void everyStyleIsHeard_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("actions");  // offered while enabled; a button also takes Tab

        const QString press = QStringLiteral("Press SetFocus");
        for (int style : {0, 3, 7})
            QTest::addRow("%s", QMetaEnum::fromType<constStyle>().valueToKey(style)) << style << QAccessible::Button << press;
        QTest::newRow("ToggleButtonUp") << 1 << QAccessible::CheckBox << "Toggle " + press;
        QTest::newRow("ToggleButtonDown") << 2 << QAccessible::CheckBox << "Toggle " + press;
        for (int style : {4, 5, 6})
            QTest::addRow("%s", QMetaEnum::fromType<constStyle>().valueToKey(style)) << style << QAccessible::StaticText << "";
        QTest::newRow("panel holding a control") << 4 << QAccessible::Grouping << "";
        QTest::newRow("Style outside constStyle") << 99 << QAccessible::StaticText << "";
        QTest::newRow("PanelFlat loaded") << 6 << QAccessible::StaticText << "";
        QTest::newRow("Button loaded") << 0 << QAccessible::Button << press;
    }

    void everyStyleIsHeard()
    {
        QFETCH(int, style);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, actions);

        const QByteArray tag = QTest::currentDataTag();
        Form form(tag.endsWith("loaded") ? 6 - style : style);
        if (tag.endsWith("loaded"))  // the way the game's screens give their controls a Style
            form.control->ReadProperties(PropertyBag{{QStringLiteral("caption"), QStringLiteral("Купить")}, {QStringLiteral("style"), style}});
        if (tag.contains("holding"))
            new QWidget(form.control);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(form.control);
        QCOMPARE(a->role(), role);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Купить"));
        QCOMPARE(a->actionInterface()->actionNames().join(u' '), actions);
        QCOMPARE(bool(a->state().focusable), !actions.isEmpty());
        QCOMPARE(bool(a->state().checkable), role == QAccessible::CheckBox);
        const bool checked = a->state().checked;
        QCOMPARE(checked, style == int(constStyle::ToggleButtonDown));

        QTest::keyClick(form.before, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), actions.isEmpty() ? form.after : form.control);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(form.events.join(u','), actions.isEmpty() ? QString() : Clicked);
        QCOMPARE(bool(a->state().checked), checked != (role == QAccessible::CheckBox));
        QTest::mouseClick(form.control, Qt::LeftButton);  // the mouse gives any control the focus
        QVERIFY(a->state().focused);
        form.events.clear();
        const bool clicked = a->state().checked;
        sendKeys(form.control, Qt::Key_Space, QStringLiteral("+-"));  // a focused button's click
        QCOMPARE(form.events.join(u','), QStringLiteral("KeyDown 32,KeyUp 32") + (actions.isEmpty() ? "" : ",Click"));
        QCOMPARE(bool(a->state().checked), clicked != (role == QAccessible::CheckBox));

        form.control->setEnabled(false);
        form.events.clear();
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(a->state().disabled);
        QCOMPARE(a->actionInterface()->actionNames(), QStringList());
        QCOMPARE(form.events, QStringList());
    }

    void spaceAndEnterClickOncePerOwnPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("keys");  // + press (again: held), - release, ~ focus leaves
        QTest::addColumn<QString>("events");

        QTest::newRow("Enter") << int(Qt::Key_Return) << "+-" << "KeyDown 13,KeyUp 13,Click";
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << "+-" << "KeyDown 13,KeyUp 13,Click";
        QTest::newRow("held Space") << int(Qt::Key_Space) << "++-" << "KeyDown 32,KeyDown 32,KeyUp 32,Click";
        QTest::newRow("released only") << int(Qt::Key_Return) << "-" << "KeyUp 13";
        QTest::newRow("a letter") << int(Qt::Key_A) << "+-" << "KeyDown 65,KeyUp 65";
        QTest::newRow("focus lost while held") << int(Qt::Key_Space) << "+~-" << "KeyDown 32,KeyUp 32";
    }

    void spaceAndEnterClickOncePerOwnPress()
    {
        QFETCH(int, key);
        QFETCH(QString, keys);
        QFETCH(QString, events);

        Form form(int(constStyle::Button));
        form.control->setFocus();
        const qsizetype away = keys.indexOf(u'~');  // where the focus leaves
        sendKeys(form.control, key, keys.left(away));
        if (away >= 0) {
            form.after->setFocus();
            sendKeys(form.control, key, keys.mid(away + 1));
        }
        QCOMPARE(form.events.join(u','), events);
    }

    void changesAreAnnounced_data()
    {
        QTest::addColumn<QStringList>("heard");

        QTest::newRow("new caption") << QStringList{"name Выход"};
        QTest::newRow("same caption") << QStringList();
        QTest::newRow("caption under an accessible name") << QStringList();
        QTest::newRow("caption loaded") << QStringList{"name Выход"};
        QTest::newRow("toggle clicked") << QStringList{"checked 1"};
    }

    void changesAreAnnounced()
    {
        QFETCH(QStringList, heard);

        const QByteArray change = QTest::currentDataTag();
        Tavorel control;
        control.setCaption(QStringLiteral("Купить"));
        control.setStyle(change.startsWith("toggle") ? constStyle::ToggleButtonUp : constStyle::Button);
        if (change.contains("accessible name"))
            control.setAccessibleName(QStringLiteral("Купить"));
        s_heard.clear();
        QAccessible::installUpdateHandler(&recordUpdate);
        if (change.endsWith("loaded"))
            control.ReadProperties(PropertyBag{{QStringLiteral("caption"), QStringLiteral("Выход")}});
        else if (change.endsWith("clicked"))
            QTest::mouseClick(&control, Qt::LeftButton);
        else
            control.setCaption(change.startsWith("same") ? QStringLiteral("Купить") : QStringLiteral("Выход"));
        QAccessible::installUpdateHandler(nullptr);
        QCOMPARE(s_heard, heard);
    }

    void focusFrameFromTheKeyboardReadsOnItsColours_data()
    {
        QTest::addColumn<QString>("focus");  // how the control gets the focus
        QTest::addColumn<quint32>("start");
        QTest::addColumn<quint32>("end");
        QTest::addColumn<int>("orientation");  // -1: no gradient, the button face shows
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("framed");

        const QSize button(120, 40);
        QTest::newRow("dark red to red") << "Tab" << 0x000040u << 0x0000FFu << 0 << button << true;
        QTest::newRow("dark red to red, small") << "Tab" << 0x000040u << 0x0000FFu << 0 << QSize(24, 22) << true;
        QTest::newRow("black to white") << "Tab" << 0x000000u << 0xFFFFFFu << 0 << button << true;
        QTest::newRow("white to black, across") << "Backtab" << 0xFFFFFFu << 0x000000u << 1 << button << true;
        QTest::newRow("lime to dark green, tall") << "Tab" << 0x00FF00u << 0x003000u << 0 << QSize(60, 300) << true;
        QTest::newRow("navy to sky blue") << "Tab" << 0x400000u << 0xFF8000u << 0 << button << true;
        QTest::newRow("greys") << "Tab" << 0x808080u << 0xC0C0C0u << 1 << button << true;
        QTest::newRow("grey where black and white read alike") << "Tab" << 0x767676u << 0x767676u << 0 << button << true;
        QTest::newRow("yellow to red, wide") << "Backtab" << 0x00FFFFu << 0x0000FFu << 1 << QSize(600, 40) << true;
        QTest::newRow("no gradient") << "Tab" << 0u << 0u << -1 << button << true;
        QTest::newRow("left press") << "press" << 0x000040u << 0x0000FFu << 0 << button << false;
        QTest::newRow("by the program") << "program" << 0x000040u << 0x0000FFu << 0 << button << false;
        QTest::newRow("a window's first focus for a mouse user") << "opening" << 0x000040u << 0x0000FFu << 0 << button << false;
        QTest::newRow("Tab, then another control") << "Tab away" << 0x000040u << 0x0000FFu << 0 << button << false;
        QTest::newRow("Tab, then another window and back") << "Tab back" << 0x000040u << 0x0000FFu << 0 << button << true;
    }

    void focusFrameFromTheKeyboardReadsOnItsColours()
    {
        QFETCH(QString, focus);
        QFETCH(quint32, start);
        QFETCH(quint32, end);
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(bool, framed);

        Form form(int(constStyle::Button), size);
        Tavorel* c = form.control;
        c->setCaption(QString());
        c->setColorStart(start);
        c->setColorEnd(end);
        c->setVuzedovi(orientation >= 0);
        c->setGradientOrientation(constOrientation(std::max(orientation, 0)));
        const QImage plain = render(*c);
        (focus == QLatin1String("Backtab") ? form.after : form.before)->setFocus();
        if (focus == QLatin1String("Backtab"))
            QTest::keyClick(form.after, Qt::Key_Backtab);
        else if (focus.startsWith(QLatin1String("Tab")))
            QTest::keyClick(form.before, Qt::Key_Tab);
        else if (focus == QLatin1String("press"))
            QTest::mouseClick(c, Qt::LeftButton);
        else if (focus == QLatin1String("opening")) {
            // The user's last input was the mouse; the window hands its first control the
            // focus "by Tab" as it opens.
            QTest::mouseClick(form.after, Qt::LeftButton);
            c->setFocus(Qt::TabFocusReason);
        }
        else
            c->setFocus();
        QCOMPARE(QApplication::focusWidget(), c);
        if (focus.endsWith(QLatin1String("away")))
            form.after->setFocus(Qt::MouseFocusReason);
        QWidget other;
        if (focus.endsWith(QLatin1String("back"))) {
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other) && render(*c) == plain);
            form.window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form.window));
        }
        const QImage shown = render(*c);
        QCOMPARE(shown != plain, framed);
        // Each changed pixel reads at 4.5:1 on the one it covers, inside the control's own
        // frames, and they close round the control: two on every row and column in between.
        QList<int> rows(size.height()), columns(size.width());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                if (shown.pixel(x, y) != plain.pixel(x, y)) {
                    QVERIFY2(contrast(shown.pixel(x, y), plain.pixel(x, y)) >= 4.5 && c->rect().adjusted(2, 2, -2, -2).contains(x, y),
                             qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
                    ++rows[y];
                    ++columns[x];
                }
        QCOMPARE(std::all_of(rows.begin() + 6, rows.end() - 6, [](int n) { return n >= 2; }), framed);
        QCOMPARE(std::all_of(columns.begin() + 6, columns.end() - 6, [](int n) { return n >= 2; }), framed);
    }
};

QTEST_MAIN(TavorelAccessTest)
#include "tst_tavorel_access.moc"
