// Writes a course package: the manifest and the files of a program's page,
// read from the built site, zipped as learning platforms take them.
//
//   make_course_package --scorm 12|2004 --identifier ID --title TITLE
//       --launch PAGE [--query NAME=VALUE] [--mastery PERCENT] --site FOLDER
//       --out ZIP FILE...
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "font_faces.h"
#include "manifest.h"
#include "zip_archive.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<std::string> RawDeflate(std::string_view data) {
    z_stream stream{};
    // Negative window bits: raw deflate, as zip entries hold it.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK) {
        return std::nullopt;
    }
    std::string out(deflateBound(&stream, data.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    int result = deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) return std::nullopt;
    return out;
}

struct Arguments {
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
};

Arguments Parse(int argc, char** argv) {
    Arguments a;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.starts_with("--")) {
            if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
            a.options[arg.substr(2)] = argv[++i];
        } else {
            a.files.push_back(arg);
        }
    }
    for (const char* required : {"scorm", "identifier", "title", "launch", "site", "out"}) {
        if (!a.options.contains(required)) {
            throw std::invalid_argument(std::string("--") + required + " is missing");
        }
    }
    return a;
}

void Write(const Arguments& a) {
    std::filesystem::path site = a.options.at("site");
    CoursePackage package{.identifier = a.options.at("identifier"),
                          .title = a.options.at("title"),
                          .launch = a.options.at("launch"),
                          .files = a.files};
    if (a.options.contains("mastery")) package.masteryScore = std::stoi(a.options.at("mastery"));
    if (a.options.contains("query")) {
        const std::string& query = a.options.at("query");
        std::size_t equals = query.find('=');
        if (equals == std::string::npos) throw std::invalid_argument("--query needs NAME=VALUE");
        package.launchParameters = {{query.substr(0, equals), query.substr(equals + 1)}};
    }
    ScormVersion version =
        a.options.at("scorm") == "12" ? ScormVersion::Scorm12 : ScormVersion::Scorm2004;

    std::set<std::string> packaged(a.files.begin(), a.files.end());
    std::vector<ZipEntry> entries = {{"imsmanifest.xml", Manifest(package, version)}};
    for (const std::string& file : a.files) {
        std::string data = ReadFile(site / file);
        if (file.ends_with(".css")) data = KeepPackagedFontFaces(data, file, packaged);
        entries.push_back({file, std::move(data)});
    }
    std::optional<std::string> zip = ZipArchive(entries, RawDeflate);
    if (!zip) throw std::invalid_argument("a file name that cannot go into a zip, or too much");
    std::filesystem::path out = a.options.at("out");
    std::filesystem::create_directories(out.parent_path());
    std::ofstream(out, std::ios::binary | std::ios::trunc) << *zip;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Write(Parse(argc, argv));
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_course_package: %s\n", e.what());
        return 1;
    }
}
