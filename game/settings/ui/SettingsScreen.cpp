#include "SettingsScreen.h"

#include "kit/DialogFrame.h"
#include "settings/SettingsRules.h"

#include "kit/Colours.h"
#include "kit/Controls.h"
#include "kit/Dialogs.h"
#include "flow/GameContext.h"
#include "hardware/Parts.h"

#include "state/GameState.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <vuzedovi/Tavorel.h>

namespace {
constexpr int Margin = 12, Top = DialogTitleHeight + 10;
constexpr int LeftWidth = 350, RightLeft = Margin + LeftWidth + 12;
constexpr int RightWidth = SettingsScreen::Width - RightLeft - Margin;
constexpr int RowHeight = 26;

QGroupBox* group(QWidget* parent, const char* caption, const QRect& place)
{
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setGeometry(place);
    setForeColour(box, DesignColours::LabelText);
    return box;
}

QWidget* named(QWidget* root, const char* name)
{
    return root->findChild<QWidget*>(QString::fromLatin1(name));
}

// Option buttons and the check box: yellow text, and a dark red well for the mark, so the
// mark shows on the screen's dark body.
constexpr uint32_t OptionWell = 0x00006E;

void optionLook(QAbstractButton* button)
{
    setForeColour(button, DesignColours::LabelText);
    setPaletteColours(button, {{QPalette::Base, toQColor(OptionWell)}});
}

// The preview's sample labels lbl1 to lbl3, the catalogue labels in miniature.
const char* const sampleLabels[] = {"lbl1", "lbl2", "lbl3"};
} // namespace

SettingsScreen::SettingsScreen(GameContext& context, QWidget* parent)
    : QWidget(parent), m_ctx(context)
{
    buildDialogFrame(this, "frmNastroiki", QStringLiteral("Настройки"), Width, Height);
    m_dialog = new QColorDialog(this);
    m_dialog->setObjectName(QStringLiteral("dlgColour"));
    m_dialog->setOption(QColorDialog::DontUseNativeDialog);

    buildMelodies();
    buildOther();
    buildColours();
    buildPreview();
    buildButtons();

    openSettings(m_ctx.game);
}

void SettingsScreen::buildMelodies()
{
    QGroupBox* box = group(this, "Мелодии", {Margin, Top, LeftWidth, 30 + 5 * RowHeight});
    const auto& captions = melodyOptionCaptions();
    for (int index = 1; index <= MelodyOption::Count; ++index) {
        auto* option = new QRadioButton(QString::fromUtf8(captions[size_t(index - 1)]), box);
        // One option array: every option is optMel, told apart by its Index.
        option->setObjectName(QStringLiteral("optMel"));
        option->setProperty("Index", index);
        option->setGeometry(12, 22 + (index - 1) * RowHeight, LeftWidth - 24, RowHeight - 2);
        optionLook(option);
        option->setChecked(index == SettingsDesign::melodyOption);
        connect(option, &QRadioButton::clicked, this, [this, index] {
            if (const auto notice = clickMelodyOption(m_ctx.game, index))
                showMessage(m_ctx.dialogs(), this, *notice);
        });
    }
}

QRadioButton* SettingsScreen::melodyOption(int index) const
{
    for (QRadioButton* option : findChildren<QRadioButton*>(QStringLiteral("optMel")))
        if (option->property("Index").toInt() == index)
            return option;
    return nullptr;
}

void SettingsScreen::buildOther()
{
    const int top = Top + 30 + 5 * RowHeight + 8;
    QGroupBox* box = group(this, "Другое", {Margin, top, LeftWidth, 56});
    m_lock = new QCheckBox(QStringLiteral("Запретить перемещение подвижных панелей"), box);
    m_lock->setObjectName(QStringLiteral("chkZapret"));
    m_lock->setGeometry(12, 22, LeftWidth - 20, RowHeight);
    optionLook(m_lock);
    m_lock->setChecked(SettingsDesign::panelsLocked);
}

void SettingsScreen::buildColours()
{
    QGroupBox* box = group(this, "Настройка цвета", {RightLeft, Top, RightWidth, 356});
    // Seven rows of a small button and its caption; the background colour has a frame of
    // its own with the automatic and manual choice.
    int row = 0;
    for (const SchemeColour& colour : schemeColours) {
        auto* button = new QPushButton(QStringLiteral("..."));
        button->setObjectName(QString::fromLatin1(colour.button));
        button->setFixedSize(30, 22);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, &colour] { pickColour(colour); });
        if (colour.field == &GameState::colourBackground) {
            m_command7 = button;
            continue;
        }
        button->setParent(box);
        button->move(12, 24 + row * 30);
        auto* caption = new QLabel(QString::fromUtf8(colour.caption), box);
        caption->setObjectName(QStringLiteral("Label%1").arg(row + 1));
        caption->setGeometry(50, 24 + row * 30, RightWidth - 60, 22);
        setForeColour(caption, DesignColours::LabelText);
        ++row;
    }

    QGroupBox* background = group(box, "Цвет фона", {10, 24 + row * 30 + 4, RightWidth - 20, 90});
    m_command7->setParent(background);
    m_command7->move(12, 28);
    auto* automatic = new QRadioButton(QStringLiteral("Определить автоматически"), background);
    automatic->setObjectName(QStringLiteral("Option1"));
    automatic->setGeometry(52, 22, RightWidth - 80, RowHeight);
    auto* manual = new QRadioButton(QStringLiteral("Задать вручную"), background);
    manual->setObjectName(QStringLiteral("Option2"));
    manual->setGeometry(52, 22 + RowHeight + 4, RightWidth - 80, RowHeight);
    for (QRadioButton* option : {automatic, manual})
        optionLook(option);
    (SettingsDesign::backgroundAutomatic ? automatic : manual)->setChecked(true);
    m_command7->setEnabled(!SettingsDesign::backgroundAutomatic);

    connect(automatic, &QRadioButton::clicked, this, [this] {
        const AutomaticBackground result = chooseAutomaticBackground(m_ctx.game);
        m_command7->setEnabled(result.command7Enabled);
        showInPreview(PreviewPart::FrameBack, result.colour);
    });
    connect(manual, &QRadioButton::clicked, this,
            [this] { m_command7->setEnabled(manualBackgroundCommand7Enabled); });
}

void SettingsScreen::buildPreview()
{
    const int top = Top + 30 + 5 * RowHeight + 8 + 56 + 8;
    QGroupBox* box = group(this, "Просмотр", {Margin, top, LeftWidth, Height - top - Margin});

    auto* frame = new QFrame(box);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setGeometry(10, 22, LeftWidth - 20, box->height() - 32);
    setBackColour(frame, DefaultColours::Background);

    // The sample title bar with its "X" and "-", in the second gradient.
    const int inner = frame->width() - 16;
    vuzedovi::PropertyBag title = titleBarProperties(ProgramTitle);
    title.write(QStringLiteral("colorstart"), quint32(DefaultColours::GradientStart2));
    title.write(QStringLiteral("colorend"), quint32(DefaultColours::GradientEnd2));
    createTavorels(frame, {
        {"Tavorel1", nullptr, {8, 8, inner, 24}, title},
        {"cmdMin", "Tavorel1", {inner - 50, 2, 22, 20}, buttonProperties(QStringLiteral("-"))},
        {"cmdClose", "Tavorel1", {inner - 25, 2, 22, 20}, buttonProperties(QStringLiteral("X"))},
    });
    // The sample panel: the monitors of the catalogue on their choice-button labels.
    createTavorel(frame, {"Tavorel23", nullptr, {8, 40, inner, frame->height() - 48},
                          panelProperties(QString::fromUtf8(categoryInfo(Category::Monitor).caption))});
    QWidget* panel = named(frame, "Tavorel23");
    int row = 0;
    for (const Part& monitor : partsOf(Category::Monitor)) {
        auto* label = new QLabel(QString::fromUtf8(monitor.caption), panel);
        label->setObjectName(QString::fromLatin1(sampleLabels[row]));
        label->setGeometry(12, 24 + row * 24, inner - 24, 20);
        label->setIndent(4);
        setBackColour(label, DefaultColours::ChoiceButtons);
        setForeColour(label, DefaultColours::Text);
        ++row;
    }
}

void SettingsScreen::buildButtons()
{
    const int top = Height - 34 - Margin;
    auto* defaults = createTavorel(this, {"cmdUmolch", nullptr, {RightLeft, top, 130, 34},
                                          buttonProperties(QStringLiteral("По умолчанию"))});
    Q_UNUSED(defaults); // "По умолчанию" has no action
    actionButton(this, "cmdYes", QStringLiteral("Да"), {Width - Margin - 140, top, 64, 34},
                 [this] { confirm(); });
    actionButton(this, "cmdNo", QStringLiteral("Нет"), {Width - Margin - 66, top, 64, 34},
                 [this] { cancel(); });
    cancelOnEscape(this, [this] { cancel(); });
}

void SettingsScreen::pickColour(const SchemeColour& row)
{
    m_dialog->setCurrentColor(toQColor(schemeColour(m_ctx.game, row.field)));
    if (m_dialog->exec() != QDialog::Accepted)
        return; // cancelled: nothing changes
    const uint32_t colour = toBgr(m_dialog->selectedColor());
    chooseColour(m_ctx.game, row, colour);
    showInPreview(row.preview, colour);
}

void SettingsScreen::showInPreview(PreviewPart part, uint32_t colour)
{
    QWidget* panel = named(this, "Tavorel23");
    QWidget* title = named(this, "Tavorel1");
    switch (part) {
    case PreviewPart::PanelStart: panel->setProperty("ColorStart", quint32(colour)); break;
    case PreviewPart::PanelEnd: panel->setProperty("ColorEnd", quint32(colour)); break;
    case PreviewPart::TitleBarStart: title->setProperty("ColorStart", quint32(colour)); break;
    case PreviewPart::TitleBarEnd: title->setProperty("ColorEnd", quint32(colour)); break;
    case PreviewPart::PanelCaption: panel->setProperty("ForeColor", quint32(colour)); break;
    case PreviewPart::FrameBack: setBackColour(named(this, "Frame2"), colour); break;
    case PreviewPart::SampleLabelsBack:
        for (const char* name : sampleLabels)
            setBackColour(named(this, name), colour);
        break;
    case PreviewPart::SampleLabelsText:
        for (const char* name : sampleLabels)
            setForeColour(named(this, name), colour);
        break;
    }
}

void SettingsScreen::confirm()
{
    SettingsChoice choice;
    for (int index = 1; index <= MelodyOption::Count; ++index)
        if (melodyOption(index)->isChecked())
            choice.melodyOption = index;
    choice.panelsLocked = m_lock->isChecked();
    QWidget* panel = named(this, "Tavorel23");
    choice.previewStart = panel->property("ColorStart").toUInt();
    choice.previewEnd = panel->property("ColorEnd").toUInt();
    confirmSettings(m_ctx.game, choice);
    m_confirmed = true;
    close();
    emit confirmed();
}

void SettingsScreen::cancel()
{
    close();
}

void SettingsScreen::closeEvent(QCloseEvent* event)
{
    if (!m_confirmed)
        cancelSettings(m_ctx.game);
    QWidget::closeEvent(event);
}
