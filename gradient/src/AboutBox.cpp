#include "AboutBox.h"

#include "vuzedovi/LabelButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <utility>

namespace vuzedovi {

namespace {

const char MailAddress[] = "corvalen@example.com";

// A small envelope for the mail link.
QPixmap envelope()
{
    QPixmap pixmap(32, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x40, 0x00, 0x00), 1.5));
    painter.setBrush(QColor(0xFF, 0xF4, 0xC0));
    painter.drawRect(QRectF(1.5, 1.5, 29, 19));
    painter.drawPolyline(QPolygonF({QPointF(1.5, 1.5), QPointF(16, 12), QPointF(30.5, 1.5)}));
    return pixmap;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setGeometry(geometry);
    result->setWordWrap(true);
    return result;
}

} // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ActiveX Control \"%1\"").arg(QLatin1String(TypeLibraryName)));
    setFixedSize(380, 280);

    QLabel* title = label(this, "lblTitle", QStringLiteral("%1\n%2")
                              .arg(QLatin1String(TypeLibraryName), QLatin1String(LibraryDescription)),
                          QRect(16, 10, 348, 52));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    titleFont.setBold(true);
    title->setFont(titleFont);

    label(this, "lblVersion", QStringLiteral("Version %1.%2.%3")
              .arg(VersionMajor).arg(VersionMinor).arg(VersionRevision),
          QRect(16, 68, 348, 20));
    label(this, "lblDescription",
          QStringLiteral("Copyright © 2001-2003 Corvalen. All rights reserved."),
          QRect(16, 92, 348, 20));
    label(this, "lblDisclaimer",
          QStringLiteral("This control is provided \"as is\", without warranty of any kind. "
                         "You use it at your own risk."),
          QRect(16, 118, 348, 40));

    m_mailImage = new QLabel(this);
    m_mailImage->setObjectName(QStringLiteral("imgMailo"));
    m_mailImage->setPixmap(envelope());
    m_mailImage->setGeometry(16, 172, 32, 22);
    m_mail = label(this, "lblMailo", mailAddress(), QRect(56, 174, 308, 20));
    QFont mailFont = m_mail->font();
    mailFont.setUnderline(true);
    m_mail->setFont(mailFont);
    m_mail->setStyleSheet(QStringLiteral("color: #0000C0"));
    m_mailImage->setAccessibleName(mailAddress());
    for (QLabel* link : {m_mail, m_mailImage}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
        makeLabelButton(link, {[this] { openMail(); }, {}, {}});
    }

    auto* close = new Tavorel(this);
    close->setObjectName(QStringLiteral("Tavorel1"));
    close->setGeometry(140, 226, 100, 32);
    close->setColorStart(0x000040);
    close->setColorEnd(0x0000FF);
    close->setCaption(QStringLiteral("Close"));
    QFont closeFont = close->Font();
    closeFont.setPointSizeF(10);
    closeFont.setBold(true);
    close->setFontProperty(closeFont);
    connect(close, &Tavorel::Click, this, &QDialog::accept);
}

QString AboutBox::mailAddress() { return QLatin1String(MailAddress); }

void AboutBox::openMail()
{
    openUrl(QUrl(QStringLiteral("mailto:") + m_mail->text() + QStringLiteral("?Subject=")
                 + QStringLiteral("About Corvalen")));
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    // The mail link opens on a click: a left press and its release inside the same link.
    if (watched == m_mail || watched == m_mailImage) {
        const auto type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return true;
            if (type == QEvent::MouseButtonPress)
                m_linkPressed = watched;
            else if (std::exchange(m_linkPressed, nullptr) == watched
                     && static_cast<QWidget*>(watched)->rect().contains(
                         mouse->position().toPoint()))
                openMail();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vuzedovi
