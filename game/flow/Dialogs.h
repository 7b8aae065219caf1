// The message boxes and the input box of the game, behind a small interface so that the
// screens can be driven by a script (tests, screenshots) instead of a player.
#pragma once

#include <QString>

class QWidget;

// The program's title: the caption of its message boxes and of its main window.
inline const QString ProgramTitle = QStringLiteral("Тревинор");

class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Question };

    virtual ~Dialogs() = default;

    // An input box with no default text; Cancel gives the empty text.
    virtual QString askText(QWidget* parent, const QString& prompt, const QString& caption) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption,
                          Icon icon) = 0;
    // A message box with an OK button only.
    virtual void tell(QWidget* parent, const QString& text, const QString& caption,
                      Icon icon) = 0;
};

// The toolkit's own modal input box and message boxes.
class QtDialogs final : public Dialogs {
public:
    QString askText(QWidget* parent, const QString& prompt, const QString& caption) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption,
                  Icon icon) override;
    void tell(QWidget* parent, const QString& text, const QString& caption, Icon icon) override;
};
