// How fast a Tavorel paints, against the plain fills it is made of. Run by hand on a Release
// build (not part of the test suite):
//   QT_QPA_PLATFORM=offscreen build-release/bin/bench_tavorel_paint
// The QBENCHMARK lines give the time of each paint; ratios() compares them, taking the best of
// many batches so that a busy machine disturbs the figures less.
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>

#include "vuzedovi/Tavorel.h"

using namespace vuzedovi;

namespace {

constexpr QSize ButtonSize(400, 60);
constexpr QSize BandsSize(400, 400);  // a horizontal gradient 400 high paints 401 bands

// What a repaint is measured against: one gradient fill of the whole rectangle.
struct GradientFill {
    QImage image{ButtonSize, QImage::Format_RGB32};
    QPainter painter{&image};
    QLinearGradient gradient{0, 0, 0, qreal(ButtonSize.height())};

    GradientFill()
    {
        gradient.setColorAt(0, QColor(0x40, 0, 0));
        gradient.setColorAt(1, QColor(0xFF, 0, 0));
    }
    void run() { painter.fillRect(QRect(QPoint(), ButtonSize), gradient); }
};

// For comparison: a widget whose whole paint is that one gradient fill.
class GradientWidget : public QWidget {
public:
    GradientWidget()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(ButtonSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(0x40, 0, 0));
        gradient.setColorAt(1, QColor(0xFF, 0, 0));
        painter.fillRect(rect(), gradient);
    }
};

// For comparison: a widget whose whole paint is copying a picture of its size, the least any
// widget that shows kept pixels does.
class PictureWidget : public QWidget {
public:
    PictureWidget() : m_picture(ButtonSize, QImage::Format_RGB32)
    {
        m_picture.fill(QColor(0x80, 0, 0));
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(ButtonSize);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.drawImage(0, 0, m_picture);
    }

private:
    QImage m_picture;
};

// What a first paint is measured against: the same 401 bands as plain fills.
struct PlainBands {
    QImage image{BandsSize, QImage::Format_RGB32};

    void run()
    {
        QPainter painter(&image);
        for (int band = 0; band <= BandsSize.height(); ++band)
            painter.fillRect(QRect(0, band, BandsSize.width(), 1), QColor(band % 256, 0, 0));
    }
};

// A shown control, as the game's screens have them: red gradient, yellow caption.
std::unique_ptr<Tavorel> shownControl(QSize size)
{
    auto control = std::make_unique<Tavorel>();
    control->resize(size);
    control->setColorStart(0x000040);
    control->setColorEnd(0x0000FF);
    control->setCaption(QStringLiteral("Начать игру"));
    control->show();
    if (!QTest::qWaitForWindowExposed(control.get()))
        qFatal("the control was never shown");
    control->repaint();
    control->repaint();  // the second paint of a look keeps its picture
    return control;
}

// The same control with the focus from the keyboard, which draws the focus frame over it.
std::unique_ptr<Tavorel> focusedControl(QSize size)
{
    auto control = shownControl(size);
    control->activateWindow();
    if (!QTest::qWaitForWindowActive(control.get()))
        qFatal("the control never became active");
    const QImage plain = control->grab().toImage();
    control->clearFocus();  // the window's activation gave it the focus, not by Tab
    control->setFocus(Qt::TabFocusReason);
    if (control->grab().toImage() == plain)
        qFatal("the control shows no focus frame");
    control->repaint();
    return control;
}

// Microseconds per run of each measured step: the best of many batches, the steps taking turns
// so that they all see the machine as busy or as quiet.
struct Step {
    std::function<void()> run;
    int perBatch;
    double best = 1e12;
};

void measure(std::initializer_list<Step*> steps)
{
    for (int round = 0; round < 60; ++round) {
        for (Step* step : steps) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < step->perBatch; ++i)
                step->run();
            step->best = std::min(step->best, timer.nsecsElapsed() / 1000.0 / step->perBatch);
        }
    }
}

} // namespace

class TavorelPaintBenchmark : public QObject {
    Q_OBJECT

private slots:
    void linearGradientFill()
    {
        GradientFill fill;
        QBENCHMARK {
            fill.run();
        }
    }

    void repaintUnchanged()
    {
        auto control = shownControl(ButtonSize);
        QBENCHMARK {
            control->repaint();
        }
    }

    void repaintFocused()
    {
        auto control = focusedControl(ButtonSize);
        QBENCHMARK {
            control->repaint();
        }
    }

    void plainBands401()
    {
        PlainBands bands;
        QBENCHMARK {
            bands.run();
        }
    }

    void firstPaint401Bands()
    {
        auto control = shownControl(BandsSize);
        QBENCHMARK {
            control->PaintControl();
            control->repaint();
        }
    }

    // The two limits the control keeps: an unchanged repaint within 3 gradient fills, a first
    // paint within twice its bands drawn plainly.
    void ratios()
    {
        GradientFill fill;
        PlainBands bands;
        auto button = shownControl(ButtonSize);
        auto banded = shownControl(BandsSize);
        GradientWidget gradientWidget;
        gradientWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&gradientWidget));
        PictureWidget pictureWidget;
        pictureWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pictureWidget));
        auto focused = focusedControl(ButtonSize);  // the last window shown keeps the focus
        Step fillStep{[&] { fill.run(); }, 400};
        Step repaintStep{[&] { button->repaint(); }, 400};
        Step widgetStep{[&] { gradientWidget.repaint(); }, 400};
        Step pictureStep{[&] { pictureWidget.repaint(); }, 400};
        Step focusedStep{[&] { focused->repaint(); }, 400};
        Step bandsStep{[&] { bands.run(); }, 40};
        Step firstStep{[&] {
            banded->PaintControl();
            banded->repaint();
        }, 40};
        measure({&fillStep, &repaintStep, &focusedStep, &widgetStep, &pictureStep, &bandsStep, &firstStep});
        QVERIFY(focused->hasFocus());
        const double fillTime = fillStep.best;
        const double repaintTime = repaintStep.best;
        const double bandsTime = bandsStep.best;
        const double firstTime = firstStep.best;
        qInfo("gradient fill 400x60:      %7.2f us", fillTime);
        qInfo("unchanged repaint 400x60:  %7.2f us = %.2f x the fill (limit 3)", repaintTime,
              repaintTime / fillTime);
        qInfo("  the same with the focus frame:           %7.2f us = %.2f x unfocused", focusedStep.best,
              focusedStep.best / repaintTime);
        qInfo("  a widget that only fills that gradient:  %7.2f us", widgetStep.best);
        qInfo("  a widget that only copies a picture:     %7.2f us", pictureStep.best);
        qInfo("401 plain bands 400x400:   %7.2f us", bandsTime);
        qInfo("first paint, 401 bands:    %7.2f us = %.2f x the bands (limit 2)", firstTime,
              firstTime / bandsTime);
        QVERIFY2(repaintTime <= 3 * fillTime, "an unchanged repaint costs more than 3 gradient fills");
        QVERIFY2(firstTime <= 2 * bandsTime, "a first paint costs more than twice its plain bands");
    }
};

QTEST_MAIN(TavorelPaintBenchmark)
#include "bench_tavorel_paint.moc"
