#include "game/widgets/task_dialog.h"

#include "game/widgets/modal_seam.h"

#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace game {

TaskDialog::TaskDialog(const QString& caption, const QString& title, const QString& text,
                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    icon_ = new QLabel(this);
    icon_->hide();
    head->addWidget(icon_, 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("TaskTitle"));
    QFont large = heading->font();
    large.setPointSizeF(large.pointSizeF() * 1.35);
    heading->setFont(large);
    heading->setStyleSheet(QStringLiteral("color: #1F4E8C;"));
    auto* body = new QLabel(text, this);
    body->setObjectName(QStringLiteral("TaskText"));
    body->setWordWrap(true);
    words->addWidget(heading);
    words->addWidget(body);
    head->addLayout(words, 1);
    layout->addLayout(head);

    links_ = new QVBoxLayout;
    layout->addLayout(links_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    cancel_->setText(QStringLiteral("Annuler"));
    cancel_->setDefault(true);
    cancel_->setFocus();
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(kCancel); });
    layout->addWidget(buttons);
    setMinimumWidth(460);
}

void TaskDialog::SetCancelText(const QString& text) {
    cancel_->setText(text);
}

void TaskDialog::AddChoice(const QString& label, const QStringList& items, int current) {
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("TaskChoice"));
    choice_->addItems(items);
    choice_->setCurrentIndex(current);
    auto* row = new QFormLayout;
    row->addRow(label, choice_);
    links_->addLayout(row);
}

int TaskDialog::ChoiceIndex() const {
    return choice_ != nullptr ? choice_->currentIndex() : -1;
}

void TaskDialog::SetMainIcon(const QIcon& icon) {
    icon_->setPixmap(icon.pixmap(48, 48));
    icon_->show();
}

void TaskDialog::AddCommandLink(const QString& caption, const QString& note, int result) {
    auto* link = new QCommandLinkButton(caption, note, this);
    link->setIcon(QIcon());
    link->setAutoDefault(false);
    connect(link, &QCommandLinkButton::clicked, this, [this, result] { done(result); });
    links_->addWidget(link);
}

int TaskDialog::Run() {
    const int result = RunModal(*this);
    // Escape and the close box end the dialog as rejected (0): that is Cancel too.
    return result == QDialog::Rejected ? kCancel : result;
}

} // namespace game
