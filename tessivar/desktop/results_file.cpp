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

std::optional<std::string> AppendedResults::ShowFinished(const ShowResult& result) {
    QDateTime local = QDateTime::currentDateTime();
    QString now = local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
    std::optional<std::string> failed =
        AppendLine(file_, ResultsHeader(), ResultRow(now.toStdString(), deck_, result));
    if (!failed) return std::nullopt;
    return "Tessivar could not write your result to" + std::string(LineBreak) + file_.string() +
           LineBreak + "(" + *failed + ")." + ParagraphBreak + "Please tell your instructor.";
}
