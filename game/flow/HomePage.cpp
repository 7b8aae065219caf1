// Page 0: the player's data, mood, speed, day and work record, and the computer summary with
// the pop-out software panel.
#include "MainScreenPages.h"

#include "Colours.h"
#include "Controls.h"
#include "NavigationRules.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QSlider>

namespace {
constexpr int SummaryTop = 30, SummaryRow = 23;
constexpr QRect summaryCaption(int row) { return {12, SummaryTop + row * SummaryRow, 124, 20}; }
constexpr QRect summaryValue(int row) { return {140, SummaryTop + row * SummaryRow, 252, 20}; }

constexpr int PlayerTop = 34, PlayerRow = 31;
constexpr QRect playerCaption(int row) { return {12, PlayerTop + row * PlayerRow, 82, 26}; }
constexpr QRect playerValue(int row) { return {98, PlayerTop + row * PlayerRow, 282, 26}; }

constexpr int SoftwarePanelWidth = 360, SoftwarePanelHeight = 260;

void addSoftwarePanel(QWidget* page)
{
    createTavorel(page, {"Tavorel26", nullptr,
                         {SoftwarePanelOriginX + twipsToPixels(SoftwarePanelSlide::OutLeft),
                          SoftwarePanelOriginY + twipsToPixels(SoftwarePanelSlide::OutTop),
                          SoftwarePanelWidth, SoftwarePanelHeight},
                         panelProperties(QStringLiteral("Программное обеспечение"))})
        ->hide();
    QWidget* panel = controlNamed(page, "Tavorel26");

    auto* list = new QComboBox(panel);
    list->setObjectName(QStringLiteral("cmbProgrObesp"));
    list->setGeometry(12, 34, SoftwarePanelWidth - 24, 26);
    list->addItems({QStringLiteral("Операционная система:"),
                    QStringLiteral("Среда разработки приложений:"), QStringLiteral("Антивирус:"),
                    QStringLiteral("Другое:")});
    list->setCurrentIndex(-1);
    setBackColour(list, DesignColours::PanelEnd);
    setForeColour(list, DesignColours::LabelText);

    QLabel* installed = createLabel(page, {"lblProgrObesp", "Tavorel26",
                                           {12, 68, SoftwarePanelWidth - 24, 180}, ".",
                                           LabelKind::Value});
    installed->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    installed->setWordWrap(true);
}
} // namespace

void buildHomePage(QWidget* page)
{
    createTavorels(page, {
        {"Tavorel8", nullptr, {8, 8, 392, 196}, panelProperties(QStringLiteral("Ваши данные"))},
        {"Tavorel9", nullptr, {408, 8, 184, 94}, panelProperties(QStringLiteral("Настроение"))},
        {"Tavorel10", nullptr, {408, 110, 184, 94}, panelProperties(QStringLiteral("Скорость/Пауза"))},
        {"Tavorel11", nullptr, {600, 8, 192, 196}, panelProperties(QStringLiteral("День/Стаж работы"))},
        {"Tavorel16", nullptr, {8, 212, 784, 292}, panelProperties(QStringLiteral("Компьютер"))},
    });

    createLabels(page, {
        {"Label5", "Tavorel8", playerCaption(0), "Имя:", LabelKind::Caption},
        {"lblName", "Tavorel8", playerValue(0), "", LabelKind::Value},
        {"Label9", "Tavorel8", playerCaption(1), "Статус:", LabelKind::Caption},
        {"lblStatus", "Tavorel8", playerValue(1), "", LabelKind::Value},
        {"Label10", "Tavorel8", playerCaption(2), "Опыт:", LabelKind::Caption},
        {"lblOpit", "Tavorel8", playerValue(2), "", LabelKind::Value},
        {"Label11", "Tavorel8", playerCaption(3), "Работа:", LabelKind::Caption},
        {"lblRab", "Tavorel8", playerValue(3), "", LabelKind::Value},
        {"Label12", "Tavorel8", playerCaption(4), "Деньги:", LabelKind::Caption},
        {"lblDengi", "Tavorel8", playerValue(4), "", LabelKind::Value},

        {"lblPercent", "Tavorel9", {128, 38, 44, 26}, "", LabelKind::Centred},

        {"Label1", "Tavorel11", {12, 62, 80, 64}, "", LabelKind::Large},
        {"lblStazh", "Tavorel11", {100, 62, 80, 64}, "", LabelKind::Large},

        // The computer summary: the categories marked (*) make a complete computer.
        {"Label17", "Tavorel16", summaryCaption(0), "Плата ЦП (*):", LabelKind::Caption},
        {"lblMBoard", "Tavorel16", summaryValue(0), "", LabelKind::Value},
        {"Label18", "Tavorel16", summaryCaption(1), "Винчестер (*):", LabelKind::Caption},
        {"lblVint", "Tavorel16", summaryValue(1), "", LabelKind::Value},
        {"Label19", "Tavorel16", summaryCaption(2), "Процессор (*):", LabelKind::Caption},
        {"lblProc", "Tavorel16", summaryValue(2), "", LabelKind::Value},
        {"Label20", "Tavorel16", summaryCaption(3), "Звуковая плата:", LabelKind::Caption},
        {"lblZwukPl", "Tavorel16", summaryValue(3), "", LabelKind::Value},
        {"Label21", "Tavorel16", summaryCaption(4), "Память (*):", LabelKind::Caption},
        {"lblOZU", "Tavorel16", summaryValue(4), "", LabelKind::Value},
        {"Label22", "Tavorel16", summaryCaption(5), "Плата SVGA (*):", LabelKind::Caption},
        {"lblSVGA", "Tavorel16", summaryValue(5), "", LabelKind::Value},
        {"Label23", "Tavorel16", summaryCaption(6), "Монитор (*):", LabelKind::Caption},
        {"lblMonitor", "Tavorel16", summaryValue(6), "", LabelKind::Value},
        {"Label24", "Tavorel16", summaryCaption(7), "CD-ROM (*):", LabelKind::Caption},
        {"lblCDROM", "Tavorel16", summaryValue(7), "", LabelKind::Value},
        {"Label25", "Tavorel16", summaryCaption(8), "Модем:", LabelKind::Caption},
        {"lblModem", "Tavorel16", summaryValue(8), "", LabelKind::Value},
        {"Label26", "Tavorel16", {12, 240, 380, 18}, "- Обязательное наличае", LabelKind::Value},
        {"lblPO", "Tavorel16", {12, 264, 380, 20}, "Программное обеспечение >>", LabelKind::Value},
    });

    auto* mood = new QProgressBar(controlNamed(page, "Tavorel9"));
    mood->setObjectName(QStringLiteral("ProgressBar1"));
    mood->setGeometry(12, 38, 110, 26);
    mood->setRange(0, 100);
    mood->setValue(0);
    mood->setTextVisible(false);
    setPaletteColours(mood, {{QPalette::Highlight, BarColours::Used},
                             {QPalette::Base, BarColours::Free}});

    auto* speed = new QSlider(Qt::Horizontal, controlNamed(page, "Tavorel10"));
    speed->setObjectName(QStringLiteral("Slider1"));
    speed->setGeometry(16, 36, 152, 44);
    speed->setRange(0, 2);
    speed->setPageStep(1);
    speed->setTickPosition(QSlider::TicksBelow);
    speed->setTickInterval(1);
    setPaletteColours(speed, {{QPalette::Highlight, QColor(255, 200, 0)},
                              {QPalette::Button, QColor(255, 220, 120)}});

    addSoftwarePanel(page);
}
