#include "game/model/analysis_panel.h"

namespace game {

void AnalysisPanel::ListFamily(int family, const engine::FindingList& findings) {
    selected_ = family;
    rows_.clear();
    for (const engine::Finding& finding : findings)
        if (finding.Family == family && finding.Trace == 'O')
            rows_.push_back(ListedFinding{QString::fromStdString(finding.Text), finding.Row,
                                          finding.Col, finding.Family, finding.Seq,
                                          finding.Action});
}

void AnalysisPanel::Reset() {
    lines_ = {QStringLiteral("0 Candidat seul dans leur case"),
              QStringLiteral("0 Candidat seul dans une unité L/C ou région"),
              QStringLiteral("0 jumeaux/triplés decouvert"),
              QStringLiteral("0 Inter action L/C avec région"),
              QStringLiteral("0 configuration franche"),
              QStringLiteral("0 configuration exclusive")};
    checked_.fill(false);
    rows_.clear();
}

} // namespace game
