#include "game/widgets/modal_seam.h"

namespace game {

namespace {

ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}

} // namespace

int RunModal(QDialog& dialog) {
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
    return std::exchange(Runner(), std::move(runner));
}

} // namespace game
