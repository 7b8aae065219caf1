// The message boxes and the input box of the game, behind a small interface so that the
// screens can be driven by a script (tests, screenshots) instead of a player.
#pragma once

#include "state/Message.h"

#include <QString>

class QCoreApplication;
class QWidget;

class Dialogs {
public:
    using Icon = Message::Icon;

    virtual ~Dialogs() = default;

    // An input box showing defaultText; Cancel gives the empty text.
    virtual QString askText(QWidget* parent, const QString& prompt, const QString& caption,
                            const QString& defaultText = QString()) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption,
                          Icon icon) = 0;
    // A message box with an OK button only.
    virtual void tell(QWidget* parent, const QString& text, const QString& caption,
                      Icon icon) = 0;
};

// Shows a rule's message: a Yes/No box for a question, else a box with OK only. True only
// when a question was answered Yes.
bool showMessage(Dialogs& dialogs, QWidget* parent, const Message& message);

// The toolkit's own modal input box and message boxes.
class QtDialogs final : public Dialogs {
public:
    QString askText(QWidget* parent, const QString& prompt, const QString& caption,
                    const QString& defaultText = QString()) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption,
                  Icon icon) override;
    void tell(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
};

// The toolkit's own texts (the message boxes' "Да", "Нет", "Отмена") in Russian, from Qt's
// translations. Returns false when they are not installed; the boxes then speak English.
bool loadRussianTranslation(QCoreApplication& app);
