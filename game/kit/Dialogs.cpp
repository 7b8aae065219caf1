#include "Dialogs.h"

#include "ScreenPlacement.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QMessageBox>

namespace {
// What a window manager's title bar holds besides the caption: the icon, three buttons, margins.
constexpr int TitleBarRoom = 160;

// The toolkit places a message box by the size it has before its text is laid out, and sizes
// it to the text only as it is shown: it would open off to the upper left of the window that
// asked. Placed again once it has its size, it opens centred over that window.
// A box shows its text as written: a name the player typed is never taken for markup.
// The window manager writes the caption in the box's title bar beside its icon and buttons; a
// box sized to a short text ("Game Over") would leave the caption cut down to "..", so the box
// is at least as wide as the caption and that room.
class CentredMessageBox final : public QMessageBox {
public:
    CentredMessageBox(Icon icon, const QString& caption, const QString& text,
                      StandardButtons buttons, QWidget* parent)
        : QMessageBox(icon, caption, text, buttons, parent)
    {
        setTextFormat(Qt::PlainText);
        QFont titleFont = font();
        titleFont.setBold(true);
        const int width = QFontMetrics(titleFont).horizontalAdvance(caption) + TitleBarRoom;
        if (auto* grid = qobject_cast<QGridLayout*>(layout()))
            grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        ScreenPlacement::centre(this);
    }
};

QMessageBox::Icon boxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

bool showMessage(Dialogs& dialogs, QWidget* parent, const Message& message)
{
    if (message.buttons == Message::Buttons::YesNo)
        return dialogs.askYesNo(parent, message.text, message.caption, message.icon);
    dialogs.tell(parent, message.text, message.caption, message.icon);
    return false;
}

QString QtDialogs::askText(QWidget* parent, const QString& prompt, const QString& caption,
                           const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? text : QString();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, const QString& caption,
                         Icon icon)
{
    CentredMessageBox box(boxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, parent);
    // Closed from outside or by Escape, the box answers No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::tell(QWidget* parent, const QString& text, const QString& caption, Icon icon)
{
    CentredMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool loadRussianTranslation(QCoreApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return app.installTranslator(translator);
}
