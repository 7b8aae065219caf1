#include "AboutBox.h"

#include "kit/ButtonPress.h"
#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "kit/ScreenKit.h"
#include "ToolbarIcons.h"

#include <QLabel>

namespace {
constexpr int Width = 480, Height = 340;

const char* const AboutText =
    "<p style='margin-top:0'><b>Компьютерная карьера, версия 1.0</b></p>"
    "<p>Товарищ, вы начинаете с 550 рублями, без компьютера и со статусом «Ламер». "
    "Собирайте компьютер, устанавливайте программы, учитесь на курсах, устраивайтесь "
    "на работу, разрабатывайте и продавайте приложения, выходите в Интернет "
    "и берегитесь вирусов.</p>"
    "<p>И не забывайте отдыхать: когда настроение иссякнет, игра окончена.</p>"
    "<p style='color:#ffc880'>Кнопки и панели — библиотека Vuzedovi (Tavorel).</p>";
} // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("О программе"));
    setFixedSize(Width, Height);
    setBackColour(this, DesignColours::WindowBody);

    createTavorels(this, {
        {"Tavorel1", nullptr, {0, 0, Width, 44}, titleBarProperties(ProgramTitle)},
        {"cmdOK", nullptr, {Width - 112, Height - 48, 100, 36}, buttonProperties(QStringLiteral("OK"))},
    });
    // The title of a dialog does not move its window.
    controlNamed(this, "Tavorel1")->setProperty("MoveControl", 0);

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry(20, 64, 96, 96);
    logo->setPixmap(toolbarPicture(QStringLiteral("Komp"), 80));
    logo->setAlignment(Qt::AlignCenter);
    setBackColour(logo, DesignColours::LabelBack);

    auto* text = new QLabel(QString::fromUtf8(AboutText), this);
    text->setObjectName(QStringLiteral("lblAbout"));
    text->setGeometry(132, 60, Width - 148, Height - 60 - 60);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setMargin(8);
    setBackColour(text, DesignColours::LabelBack);
    setForeColour(text, DesignColours::LabelText);

    onPress(tavorel(controlNamed(this, "cmdOK")), [this] { accept(); });
}
