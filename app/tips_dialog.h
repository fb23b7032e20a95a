#pragma once
// TipsDialog: the tip-of-the-day window. Modeless and several may be open at once; each one steps
// through the tips on its own "Astuce suivante" and, however it closes, its check box decides
// whether the tips open at start-up. It destroys itself once closed.

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

namespace services {
class AppServices;
}

namespace app {

class TipsDialog : public QDialog {
    Q_OBJECT

public:
    // A window showing tip, translated, owned by parent; shown by the caller.
    TipsDialog(services::AppServices& services, const QString& tip, QWidget* parent);

    void ShowNextTip();
    void CloseTips();

protected:
    // Every way of closing ends here, the title bar's close button and Escape included.
    void done(int result) override;

private:
    services::AppServices& services_;
    QPlainTextEdit* tipMemo_ = nullptr;
    QCheckBox* disableTipsOnStartupCBox_ = nullptr;
};

} // namespace app
