// Page 0: the player's data, mood, speed, day and work record, and the computer summary with
// the pop-out software panel.
#include "MainScreenPages.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "HomePageToggles.h"
#include "kit/Twips.h"
#include "kit/ScreenKit.h"

#include "hardware/Parts.h"
#include "software/Programs.h"

#include <QByteArray>
#include <QComboBox>
#include <QLabel>
#include <QSlider>

#include <vector>

namespace {
constexpr int SummaryTop = 30, SummaryRow = 23;
constexpr QRect summaryCaption(int row) { return {12, SummaryTop + row * SummaryRow, 124, 20}; }
constexpr QRect summaryValue(int row) { return {140, SummaryTop + row * SummaryRow, 252, 20}; }

constexpr int PlayerTop = 34, PlayerRow = 31;
constexpr QRect playerCaption(int row) { return {12, PlayerTop + row * PlayerRow, 82, 26}; }
constexpr QRect playerValue(int row) { return {98, PlayerTop + row * PlayerRow, 282, 26}; }

// A value label with its fixed caption label to its left, one per row of a panel.
struct CaptionedValue {
    const char* captionLabel;
    const char* caption;
    const char* valueLabel;
};

void createCaptionedValues(QWidget* page, const char* panel,
                           const std::vector<CaptionedValue>& rows,
                           QRect (*captionPlace)(int), QRect (*valuePlace)(int))
{
    int row = 0;
    for (const CaptionedValue& r : rows) {
        createLabel(page, {r.captionLabel, panel, captionPlace(row), r.caption, LabelKind::Caption});
        createLabel(page, {r.valueLabel, panel, valuePlace(row), "", LabelKind::Value});
        ++row;
    }
}

// The computer summary, a row per hardware category; its caption labels are numbered from
// Label17 on.
std::vector<CaptionedValue> summaryRows()
{
    static const std::vector<QByteArray> names = [] {
        std::vector<QByteArray> n;
        for (size_t i = 0; i < categories.size(); ++i)
            n.push_back("Label" + QByteArray::number(int(17 + i)));
        return n;
    }();
    std::vector<CaptionedValue> rows;
    for (size_t i = 0; i < categories.size(); ++i)
        rows.push_back({names[i].constData(), categories[i].summaryCaption,
                        categories[i].summaryLabel});
    return rows;
}

// The speed slider's positions 0, 1 and 2.
struct SpeedCaption {
    const char* name;
    QRect place;
    const char* text;
    const char* toolTip;
};
const SpeedCaption speedCaptions[] = {
    {"lblSpeedSlow", {6, 64, 50, 18}, "5 с", "День за 5 секунд"},
    {"lblSpeedNormal", {67, 64, 50, 18}, "1 с", "День за секунду"},
    {"lblSpeedPause", {128, 64, 50, 18}, "пауза", "Игра стоит"},
};

// The speed slider Slider1 on Tavorel10, with what its three positions mean under its ticks.
void addSpeedSlider(QWidget* page)
{
    auto* speed = new QSlider(Qt::Horizontal, controlNamed(page, "Tavorel10"));
    speed->setObjectName(QStringLiteral("Slider1"));
    speed->setGeometry(16, 30, 152, 34);
    speed->setRange(0, 2);
    speed->setPageStep(1);
    speed->setTickPosition(QSlider::TicksBelow);
    speed->setTickInterval(1);
    setPaletteColours(speed, {{QPalette::Highlight, ChromeColours::SliderHandle},
                              {QPalette::Button, ChromeColours::SliderGroove}});

    for (const SpeedCaption& c : speedCaptions) {
        QLabel* caption = createLabel(page, {c.name, "Tavorel10", c.place, c.text, LabelKind::Centred});
        caption->setAutoFillBackground(false);
        caption->setToolTip(QString::fromUtf8(c.toolTip));
    }
    speed->setToolTip(QStringLiteral("Скорость игры: день за 5 с, день за 1 с или пауза"));
}

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
    for (const SectionInfo& section : sections)
        list->addItem(QString::fromUtf8(section.entry));
    list->setCurrentIndex(-1);
    list->setPlaceholderText(QStringLiteral("Выберите раздел"));
    setListBoxColours(list, DesignColours::PanelEnd, DesignColours::LabelText);

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

    createCaptionedValues(page, "Tavorel8", {
        {"Label5", "Имя:", "lblName"},
        {"Label9", "Статус:", "lblStatus"},
        {"Label10", "Опыт:", "lblOpit"},
        {"Label11", "Работа:", "lblRab"},
        {"Label12", "Деньги:", "lblDengi"},
    }, playerCaption, playerValue);

    // The computer summary: the categories marked (*) make a complete computer.
    createCaptionedValues(page, "Tavorel16", summaryRows(), summaryCaption, summaryValue);

    createLabels(page, {
        {"lblPercent", "Tavorel9", {128, 38, 44, 26}, "", LabelKind::Centred},

        {"lblDayCaption", "Tavorel11", {12, 40, 80, 20}, "День", LabelKind::Centred},
        {"lblStazhCaption", "Tavorel11", {100, 40, 80, 20}, "Стаж", LabelKind::Centred},
        {"Label1", "Tavorel11", {12, 62, 80, 64}, "", LabelKind::Large},
        {"lblStazh", "Tavorel11", {100, 62, 80, 64}, "", LabelKind::Large},

        {"Label26", "Tavorel16", {12, 240, 380, 18}, "- Обязательное наличае", LabelKind::Value},
        {"lblPO", "Tavorel16", {12, 264, 380, 20}, "Программное обеспечение >>", LabelKind::Value},
    });

    createProgressBar(controlNamed(page, "Tavorel9"), "ProgressBar1", {12, 38, 110, 26});
    addSpeedSlider(page);
    addSoftwarePanel(page);
}
