#include "exercise_export.h"

#include "fingerprint.h"
#include "manifest.h"
#include "package_plan.h"

namespace {

constexpr char kIdentifier[] = "org.kymbral.Kymbral";
constexpr char kTitle[] = "Kymbral exercises";

std::optional<std::string> Package(const ExerciseSet& set, const std::string& text,
                                   ScormVersion version, const std::vector<PageFile>& page) {
    CoursePackage package{
        .identifier = std::string(kIdentifier) + "." + Fingerprint().Add(text).Text(),
        .title = kTitle,
        .launch = "kymbral.html",
        .launchParameters = {{"exercises", kExercisesFileName}},
        .masteryScore = set.passingScore};
    for (const PageFile& file : page) package.files.push_back(file.record.name);
    package.files.push_back(kExercisesFileName);
    PlanWriter writer;
    writer.Add("imsmanifest.xml", Manifest(package, version));
    for (const PageFile& file : page) writer.AddPacked(file.record, file.packed);
    writer.Add(kExercisesFileName, text);
    std::optional<ArchivePlan> plan = writer.Finish();
    if (!plan) return std::nullopt;
    return std::move(plan->bytes);
}

}  // namespace

ExerciseExport ExportExercises(std::string_view text, ExerciseExportKind kind,
                               std::string_view builtPackage) {
    ExerciseReading reading = ReadExercises(text);
    if (!reading.problems.empty()) return {std::move(reading.problems), "", ""};
    // Written as the page downloads it, whatever the form it came in.
    std::string written = ExercisesText(reading.set);
    if (kind == ExerciseExportKind::kSet) return {{}, kExercisesFileName, written};
    std::optional<std::vector<PageFile>> page = PageFiles(builtPackage, kExercisesFileName);
    if (!page) return {{"Kymbral's page could not be read from this site's package."}, "", ""};
    bool v12 = kind == ExerciseExportKind::kScorm12;
    std::optional<std::string> bytes =
        Package(reading.set, written, v12 ? ScormVersion::Scorm12 : ScormVersion::Scorm2004, *page);
    if (!bytes) return {{"The package is too large for a zip archive."}, "", ""};
    return {{},
            v12 ? "kymbral-exercises-scorm12.zip" : "kymbral-exercises-scorm2004.zip",
            std::move(*bytes)};
}
