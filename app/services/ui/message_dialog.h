#pragma once
// The program's question and message window: a QMessageBox whose text, title and button captions
// come from the numbered messages (with their French defaults), and whose answer is the number of
// the button pressed.

#include <QFlags>
#include <QString>
#include <QStringList>

class QWidget;

namespace services {

enum class MessageKind { Warning, Error, Information, Confirmation, Custom };

enum MessageButton : unsigned {
    ButtonYes = 1u << 0,
    ButtonNo = 1u << 1,
    ButtonOk = 1u << 2,
    ButtonCancel = 1u << 3,
    ButtonAbort = 1u << 4,
    ButtonRetry = 1u << 5,
    ButtonIgnore = 1u << 6,
    ButtonAll = 1u << 7,
    ButtonNoToAll = 1u << 8,
    ButtonYesToAll = 1u << 9,
    ButtonHelp = 1u << 10,
};
Q_DECLARE_FLAGS(MessageButtons, MessageButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(MessageButtons)

// The answer: the button pressed. Closing the window without a button (Escape with no button to
// take it) answers ResultCancel.
enum MessageResult : int {
    ResultHelp = 0,
    ResultOk = 1,
    ResultCancel = 2,
    ResultAbort = 3,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7,
    ResultAll = 8,
    ResultNoToAll = 9,
    ResultYesToAll = 10,
};

// Shows text (message number, default text, "%s" arguments a1 and a2) modally and returns the
// answer. Messages are the current language's message texts.
int MessageDialog(const QStringList& messages, const QString& text, const QString& a1,
                  const QString& a2, int number, MessageKind kind, MessageButtons buttons,
                  QWidget* parent = nullptr);

} // namespace services
