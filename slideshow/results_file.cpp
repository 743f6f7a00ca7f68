#include "results_file.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

#include "append_line.h"
#include "results_row.h"
#include "slide_table.h"

std::filesystem::path ResultsFile(const QString& given) {
    if (!given.isEmpty()) return std::filesystem::path(given.toStdU16String());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return std::filesystem::path(QDir(folder).filePath("results.csv").toStdU16String());
}

void RecordResults(SlideShow& show, std::filesystem::path file, std::string deck) {
    show.showEnded = [file = std::move(file), deck = std::move(deck)](
                         const ShowResult& result) -> std::optional<std::string> {
        QDateTime local = QDateTime::currentDateTime();
        QString now = local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
        std::optional<std::string> failed =
            AppendLine(file, ResultsHeader(), ResultRow(now.toStdString(), deck, result));
        if (!failed) return std::nullopt;
        return "Tessivar could not write your result to" + std::string(LineBreak) + file.string() +
               LineBreak + "(" + *failed + ")." + ParagraphBreak + "Please tell your instructor.";
    };
}
