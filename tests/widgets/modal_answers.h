#pragma once
// Answers modal windows in the order queued; one nobody answered is cancelled and counted.

#include "game/widgets/modal_seam.h"

#include <QAbstractButton>
#include <QDialog>

#include <deque>
#include <functional>

class ModalAnswers {
public:
    using Answer = std::function<void(QDialog& dialog)>;

    ModalAnswers() {
        previous_ = game::SetModalRunner([this](QDialog& dialog) {
            ++shown_;
            if (answers_.empty()) {
                ++unanswered_;
                dialog.reject();
            } else {
                Answer answer = std::move(answers_.front());
                answers_.pop_front();
                answer(dialog);
            }
            return dialog.result();
        });
    }
    ~ModalAnswers() { game::SetModalRunner(std::move(previous_)); }
    ModalAnswers(const ModalAnswers&) = delete;
    ModalAnswers& operator=(const ModalAnswers&) = delete;

    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }
    // Presses the button whose text, without its "&", is caption.
    void Press(const QString& caption) {
        Queue([caption](QDialog& dialog) { PressButton(dialog, caption); });
    }
    // The same inside an answer of the test's own; a window without that button is cancelled.
    static bool PressButton(QDialog& dialog, const QString& caption) {
        for (auto* button : dialog.findChildren<QAbstractButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == caption) {
                button->click();
                return true;
            }
        }
        dialog.reject();
        return false;
    }
    int Shown() const { return shown_; }
    bool AllAnswered() const { return answers_.empty() && unanswered_ == 0; }

private:
    game::ModalRunner previous_;
    std::deque<Answer> answers_;
    int shown_ = 0;
    int unanswered_ = 0;
};
