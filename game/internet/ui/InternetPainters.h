// The internet screen's own pictures: the globe of the start page, the bullet beside its
// sections and the course chapters, and the frame Shape10 around the antivirus button.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QWidget>

class QLabel;

// A shape control: a frame drawn as a rectangle or a rounded rectangle (its "Shape" property,
// ShapeRectangle or ShapeRoundedRectangle), which lets the pointer through to what lies under
// it.
inline constexpr int ShapeRectangle = 0, ShapeRoundedRectangle = 4;
class ShapeControl final : public QWidget {
public:
    explicit ShapeControl(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

QPixmap globePicture();
QPixmap bulletPicture();

// A picture control named `name` at `place`, showing pixmap scaled to its size; the pointer
// passes through it.
QLabel* picture(QWidget* parent, const char* name, QRect place, const QPixmap& pixmap);
