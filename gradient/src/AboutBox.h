// The library's About box, shown modally by Tavorel::About().
#pragma once

#include <QDialog>

#include "vuzedovi/Tavorel.h"

class QLabel;

namespace vuzedovi {

class VUZEDOVI_EXPORT AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);

    static QString mailAddress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new mail message to the address of the link, as a click on the link opens.
    void openMail();

    QLabel* m_mail = nullptr;
    QLabel* m_mailImage = nullptr;
    QObject* m_linkPressed = nullptr; // the link a left press went down on
};

} // namespace vuzedovi
