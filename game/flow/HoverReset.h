// The main screen's hover reset: moving the mouse over a catalogue panel gives every
// highlighted catalogue label its normal colour back and clears the description texts.
#pragma once

#include <QPixmap>
#include <QObject>
#include <QList>

#include <cstdint>
#include <vector>

class QWidget;

// The names the reset looks for; a name that is not on the screen (yet) is passed over.
std::vector<const char*> catalogueLabelNames(); // training, job, software and hardware labels
extern const std::vector<const char*> descriptionLabelNames;
extern const std::vector<const char*> linkLabelNames;       // lblLegenda, lblPO
extern const std::vector<const char*> installedMarkerNames; // shpWin98 ...

// The panels whose background runs the reset when the mouse moves over it.
std::vector<QString> hoverResetPanelNames();

// A list of pictures picked by number from 1 (the disk pictures imlDiski).
class ImageList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    QList<QPixmap> pictures;
    QPixmap picture(int number) const;
};

// The rounded-rectangle form of a marker shape, as the shape controls number their forms.
inline constexpr int ShapeRoundedRectangle = 4;

// The five steps, on the controls of screen that exist.
void hoverReset(QWidget* screen, uint32_t choiceButtonsColour);
