#include "game/widgets/analysis_page.h"

#include "game/model/game_session.h"
#include "game/model/model_messages.h"
#include "game/widgets/colour.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QTableWidget>

namespace game {

namespace {

constexpr int kColumns = 6;
constexpr int kTextColumnWidth = 377;
constexpr int kRowHeight = 15;

// A square of the colour, in rich text.
QString Swatch(const QColor& colour) {
    return QStringLiteral("<span style=\"color:%1\">&#9632;</span>").arg(colour.name());
}

} // namespace

AnalysisPage::AnalysisPage(GameSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("TabSheet3"));

    CheckListFamille = new QListWidget(this);
    CheckListFamille->setObjectName(QStringLiteral("CheckListFamille"));
    CheckListFamille->setGeometry(4, 4, 326, 150);
    for (int family = 0; family < engine::kFamilyCount; ++family) {
        auto* line = new QListWidgetItem(CheckListFamille);
        line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
    }
    connect(CheckListFamille, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { session_.SelectFamily(CheckListFamille->row(item)); });
    connect(CheckListFamille, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int family = CheckListFamille->row(item);
        session_.CheckFamilies({family}, item->checkState() == Qt::Checked);
        // The ticked line becomes the selected one and lists its findings, as a click on it does.
        session_.SelectFamily(family);
    });

    StringGrid = new QTableWidget(1, kColumns, this);
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->setGeometry(4, 160, 326, 120);
    StringGrid->horizontalHeader()->hide();
    StringGrid->verticalHeader()->hide();
    SetScale(1);
    for (int column = 1; column < kColumns; ++column)
        StringGrid->setColumnHidden(column, true);
    StringGrid->setShowGrid(false);
    StringGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid->viewport()->installEventFilter(this);
    connect(StringGrid, &QTableWidget::itemSelectionChanged, this,
            &AnalysisPage::ShowSelectedFinding);

    LabelExplication = new QLabel(this);
    LabelExplication->setObjectName(QStringLiteral("LabelExplication"));
    LabelExplication->setGeometry(4, 284, 326, 90);
    LabelExplication->setWordWrap(true);
    LabelExplication->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelLegende = new QLabel(this);
    LabelLegende->setObjectName(QStringLiteral("LabelLegende"));
    LabelLegende->setGeometry(4, 376, 326, 16);
    LabelLegende->setTextFormat(Qt::RichText);

    ShowFamilyLines();
    ShowResults();
}

void AnalysisPage::SetScale(double scale) {
    const int rowHeight = qRound(kRowHeight * scale);
    // The minimum first: the default size is held above the minimum the style gives (18).
    StringGrid->verticalHeader()->setMinimumSectionSize(rowHeight);
    StringGrid->verticalHeader()->setDefaultSectionSize(rowHeight);
    StringGrid->setColumnWidth(0, qRound(kTextColumnWidth * scale));
}

void AnalysisPage::ShowFamilyLines() {
    const QSignalBlocker quiet(CheckListFamille);
    const AnalysisPanel& panel = session_.Panel();
    for (int family = 0; family < engine::kFamilyCount; ++family) {
        QListWidgetItem* line = CheckListFamille->item(family);
        line->setText(panel.FamilyLine(family));
        line->setCheckState(panel.IsChecked(family) ? Qt::Checked : Qt::Unchecked);
    }
}

void AnalysisPage::ShowSelectedFinding() {
    const bool selected = !StringGrid->selectedItems().isEmpty();
    session_.SelectListedFinding(selected ? StringGrid->currentRow() : -1);
    const QString& explanation = session_.SelectedExplanation();
    LabelExplication->setText(explanation);
    // Spaces kept as written: the legend is rich text for its coloured squares.
    const QString legend =
        MessageText(140, QStringLiteral("%1 motif  %2 supprimé / posé"))
            .arg(Swatch(kDeductionPatternColour), Swatch(kDeductionEffectColour));
    LabelLegende->setText(
        explanation.isEmpty()
            ? QString()
            : QStringLiteral("<span style=\"white-space:pre\">%1</span>").arg(legend));
}

void AnalysisPage::ShowHint(const QString& text) {
    LabelExplication->setText(text);
    LabelLegende->clear();
}

void AnalysisPage::ChooseRow(int row) {
    if (row >= 0)
        StringGrid->selectRow(row);
}

void AnalysisPage::ShowResults() {
    // The selected line is the family whose findings the grid lists.
    CheckListFamille->setCurrentRow(session_.Panel().SelectedFamily(),
                                    QItemSelectionModel::ClearAndSelect);
    const std::vector<ListedFinding>& rows = session_.Panel().Rows();
    StringGrid->clearSelection();
    StringGrid->setCurrentCell(-1, -1);
    StringGrid->clearContents();
    // An empty list is one row whose cells are all empty.
    StringGrid->setRowCount(std::max<int>(1, int(rows.size())));
    for (int row = 0; row < int(rows.size()); ++row) {
        const ListedFinding& finding = rows[row];
        const QString cells[kColumns] = {finding.Text,
                                         QString::number(finding.Row),
                                         QString::number(finding.Col),
                                         QString::number(finding.Family),
                                         QString::number(finding.Seq),
                                         QString(QLatin1Char(finding.Action))};
        for (int column = 0; column < kColumns; ++column)
            StringGrid->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    ShowSelectedFinding();
}

void AnalysisPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ShowSelectedFinding();
}

bool AnalysisPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched != StringGrid->viewport())
        return QWidget::eventFilter(watched, event);
    auto rowAt = [this](QEvent* e) {
        return StringGrid->rowAt(static_cast<QMouseEvent*>(e)->position().toPoint().y());
    };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Let the grid select the row first, so the lit cells are those of the selected row.
        StringGrid->selectRow(rowAt(event));
        session_.LightFinding(StringGrid->currentRow());
        return true;
    case QEvent::MouseButtonRelease:
        session_.ClearLighting();
        return true;
    case QEvent::MouseButtonDblClick: {
        const int family = session_.ApplyListedFinding(StringGrid->currentRow());
        if (family >= 0)
            emit configurationApplied(family);
        return true;
    }
    default:
        return QWidget::eventFilter(watched, event);
    }
}

} // namespace game
