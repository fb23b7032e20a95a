#pragma once
// A question put as a task dialog: a title, a text, command links that each return their own
// result, and a Cancel button that is the default (Escape cancels too).

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace game {

class TaskDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kCancel = 2;

    TaskDialog(const QString& caption, const QString& title, const QString& text,
               QWidget* parent = nullptr);

    void SetMainIcon(const QIcon& icon);
    void SetCancelText(const QString& text);
    // A command link without icon, with its note underneath; clicking it ends the dialog with
    // result.
    void AddCommandLink(const QString& caption, const QString& note, int result);
    // A labelled list under the links (for instance a choice that goes with them); the index
    // chosen is read back with ChoiceIndex after Run.
    void AddChoice(const QString& label, const QStringList& items, int current);
    int ChoiceIndex() const;
    // Shows the dialog modally; the result of the link pressed, or kCancel.
    int Run();

private:
    QVBoxLayout* links_ = nullptr;
    QLabel* icon_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QComboBox* choice_ = nullptr;
};

} // namespace game
