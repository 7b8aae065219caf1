// The software page's and the installation dialog's own pictures, drawn by the game: the disk
// pictures of the image list imlDiski, the dialog's picture and the installed indicators.
#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QWidget>

// The pictures of imlDiski, counted from 1: installing possible, nothing pointed at,
// installing not possible.
inline constexpr int PicturePossible = 1;
inline constexpr int PictureResting = 2;
inline constexpr int PictureImpossible = 3;
QPixmap diskPicture(int number);
// The picture imgDiski shows while the pointer rests on a program.
inline constexpr int diskPictureFor(bool installable)
{
    return installable ? PicturePossible : PictureImpossible;
}
// The installation dialog's picture Image1.
QPixmap installPicture();

// A list of pictures numbered from 1, like the image lists the screens take pictures from.
class ImageList : public QObject {
    Q_OBJECT
public:
    ImageList(QList<QPixmap> pictures, QObject* parent);
    // Picture `number`, or an empty picture for a number outside the list.
    QPixmap picture(int number) const;
    int count() const { return int(m_pictures.size()); }

private:
    QList<QPixmap> m_pictures;
};

// The small rounded mark beside a program's label while the program is installed.
class IndicatorShape : public QWidget {
    Q_OBJECT
public:
    explicit IndicatorShape(QWidget* parent);
    QSize sizeHint() const override { return {14, 14}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};
