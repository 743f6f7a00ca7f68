#include "results_place.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>

std::filesystem::path ResultsFile(const QString& given) {
    if (!given.isEmpty()) return std::filesystem::path(given.toStdU16String());
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return std::filesystem::path(QDir(folder).filePath("results.csv").toStdU16String());
}

std::string FinishedAt() {
    QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}
