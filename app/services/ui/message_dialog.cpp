#include "app/services/ui/message_dialog.h"

#include "app/services/translations.h"
#include "game/widgets/modal_seam.h"

#include <QHash>
#include <QMessageBox>
#include <QPushButton>

#include <array>

namespace services {

namespace {

struct ButtonDescription {
    MessageButton button;
    MessageResult result;
    int message;
    const char* caption; // default caption
    QMessageBox::ButtonRole role;
};

// In the order in which the buttons are laid out.
constexpr std::array<ButtonDescription, 11> kButtons = {{
    {ButtonYes, ResultYes, 1, "&Oui", QMessageBox::YesRole},
    {ButtonNo, ResultNo, 2, "&Non", QMessageBox::NoRole},
    {ButtonOk, ResultOk, 3, "O&k", QMessageBox::AcceptRole},
    {ButtonCancel, ResultCancel, 4, "&Annuler", QMessageBox::RejectRole},
    {ButtonAbort, ResultAbort, 5, "A&bandonner", QMessageBox::RejectRole},
    {ButtonRetry, ResultRetry, 6, "R&épéter", QMessageBox::AcceptRole},
    {ButtonIgnore, ResultIgnore, 7, "I&gnorer", QMessageBox::AcceptRole},
    {ButtonAll, ResultAll, 8, "&Tout", QMessageBox::YesRole},
    {ButtonNoToAll, ResultNoToAll, 9, "&Non à to&us", QMessageBox::NoRole},
    {ButtonYesToAll, ResultYesToAll, 10, "&Oui à tou&s", QMessageBox::YesRole},
    {ButtonHelp, ResultHelp, 11, "A&ide", QMessageBox::HelpRole},
}};

struct KindDescription {
    int message;
    const char* title; // default title
    QMessageBox::Icon icon;
};

// Indexed by MessageKind.
constexpr std::array<KindDescription, 5> kKinds = {{
    {12, "Avertissement", QMessageBox::Warning},
    {13, "Erreur", QMessageBox::Critical},
    {14, "Information", QMessageBox::Information},
    {15, "Confirmation", QMessageBox::Question},
    {16, "Tessarine", QMessageBox::NoIcon},
}};

// Escape answers Cancel, else No, else OK; Enter answers OK, else Yes, else Retry.
constexpr std::array kEscapeChoices = {ButtonCancel, ButtonNo, ButtonOk};
constexpr std::array kDefaultChoices = {ButtonOk, ButtonYes, ButtonRetry};

template <std::size_t N>
QPushButton* FirstPresent(const QHash<MessageButton, QPushButton*>& shown,
                          const std::array<MessageButton, N>& choices) {
    for (const MessageButton choice : choices)
        if (QPushButton* button = shown.value(choice))
            return button;
    return nullptr;
}

} // namespace

int MessageDialog(const QStringList& messages, const QString& text, const QString& a1,
                  const QString& a2, int number, MessageKind kind, MessageButtons buttons,
                  QWidget* parent) {
    const KindDescription& kindDescription = kKinds.at(std::size_t(kind));
    QMessageBox box(parent);
    box.setText(GetMessageText(messages, text, number, a1, a2));
    box.setWindowTitle(GetMessageText(messages, QString::fromUtf8(kindDescription.title),
                                      kindDescription.message));
    box.setIcon(kindDescription.icon);

    QHash<MessageButton, QPushButton*> shown;
    QHash<QAbstractButton*, MessageResult> results;
    for (const ButtonDescription& description : kButtons) {
        if (!buttons.testFlag(description.button))
            continue;
        const QString caption =
            GetMessageText(messages, QString::fromUtf8(description.caption), description.message);
        QPushButton* button = box.addButton(caption, description.role);
        shown.insert(description.button, button);
        results.insert(button, description.result);
    }
    if (QPushButton* escape = FirstPresent(shown, kEscapeChoices))
        box.setEscapeButton(escape);
    if (QPushButton* enter = FirstPresent(shown, kDefaultChoices))
        box.setDefaultButton(enter);

    game::RunModal(box);
    return results.value(box.clickedButton(), ResultCancel);
}

} // namespace services
