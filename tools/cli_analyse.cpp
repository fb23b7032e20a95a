#include "tools/cli_analyse.h"

#include "game/model/game_session.h"
#include "tools/cli_input.h"

#include <cstdio>
#include <optional>

namespace {

struct AnalyseOptions {
    QString Families; // family numbers to tick, "0".."5"
    QString SavePath;
    QString Input;
};

// The command line, or the one-line reason it is refused.
std::optional<AnalyseOptions> ParseOptions(const QStringList& args, QString& error) {
    AnalyseOptions options;
    bool haveInput = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& word = args[i];
        QString* value = word == QLatin1String("--auto")   ? &options.Families
                         : word == QLatin1String("--save") ? &options.SavePath
                                                           : nullptr;
        if (value != nullptr) {
            if (++i == args.size()) {
                error = word + QStringLiteral(" needs a value");
                return std::nullopt;
            }
            *value = args[i];
        } else if (word.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option ") + word;
            return std::nullopt;
        } else if (haveInput) {
            error = QStringLiteral("more than one INPUT: ") + word;
            return std::nullopt;
        } else {
            options.Input = word;
            haveInput = true;
        }
    }
    if (!haveInput) {
        error = QStringLiteral("INPUT missing");
        return std::nullopt;
    }
    for (QChar c : options.Families) {
        if (c < u'0' || c > u'5') {
            error = QStringLiteral("FAMILIES must be family numbers 0..5: ") + options.Families;
            return std::nullopt;
        }
    }
    return options;
}

void PrintRecord(const QStringList& fields) {
    const QByteArray line = fields.join(u'\t').toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
}

QString Letter(char c) {
    return QString(QChar::fromLatin1(c));
}

void PrintResults(const game::GameSession& session) {
    for (int family = 0; family < engine::kFamilyCount; ++family)
        PrintRecord({QStringLiteral("family"), QString::number(family),
                     session.Panel().FamilyLine(family)});
    for (const engine::Finding& finding : session.Findings())
        PrintRecord({QStringLiteral("finding"), QString::number(finding.Row),
                     QString::number(finding.Col), Letter(finding.Digit), Letter(finding.Action),
                     QString::number(finding.Family), QString::number(finding.Seq),
                     Letter(finding.Trace), QString::fromStdString(finding.Text)});
    for (const QString& line : session.TraceLines())
        PrintRecord({QStringLiteral("trace"), line});
    QString digits;
    QStringList candidates;
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const game::BoardCell& cell = session.Cell(row, col);
            digits += cell.Digit() == 0 ? QStringLiteral(".") : cell.Number();
            candidates << cell.CandidateString();
        }
    }
    PrintRecord({QStringLiteral("grid"), digits});
    PrintRecord({QStringLiteral("cands"), candidates.join(u',')});
}

} // namespace

int RunAnalyseCommand(const QStringList& args) {
    QString error;
    const std::optional<AnalyseOptions> options = ParseOptions(args, error);
    if (!options)
        return Refuse("analyse", error);

    game::GameSession session{game::GameSettings{}};
    if (error = BuildPosition(session, options->Input); !error.isEmpty())
        return Refuse("analyse", error);

    if (!options->Families.isEmpty()) {
        QList<int> families;
        for (QChar family : options->Families)
            families << family.unicode() - u'0';
        session.CheckFamilies(families, true);
    }

    if (!options->SavePath.isEmpty()) {
        session.RestoreElapsedSeconds(0);
        session.SetFileName(options->SavePath);
        session.SetHasFile(true);
        if (error = session.SaveGrid(); !error.isEmpty())
            return Refuse("analyse", error);
    }

    PrintResults(session);
    return 0;
}
