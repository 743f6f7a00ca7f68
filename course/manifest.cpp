#include "manifest.h"

#include <cstdio>
#include <string_view>

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

struct Dialect {
    const char* namespaces;
    const char* schemaVersion;
    const char* scormType;  // the attribute that makes the resource a SCO
};

const Dialect kScorm12{R"(xmlns="http://www.imsproject.org/xsd/imscp_rootv1p1p2")"
                       R"( xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_rootv1p2")",
                       "1.2", "adlcp:scormtype"};
const Dialect kScorm2004{R"(xmlns="http://www.imsglobal.org/xsd/imscp_v1p1")"
                         R"( xmlns:adlcp="http://www.adlnet.org/xsd/adlcp_v1p3")"
                         R"( xmlns:imsss="http://www.imsglobal.org/xsd/imsss")",
                         "2004 4th Edition", "adlcp:scormType"};

// How the item says what score passes: SCORM 1.2 in percent, SCORM 2004 as
// the measure that satisfies the item's objective.
std::string Mastery(const CoursePackage& package, ScormVersion version) {
    if (!package.masteryScore) return "";
    int score = *package.masteryScore;
    if (version == ScormVersion::Scorm12) {
        return "        <adlcp:masteryscore>" + std::to_string(score) + "</adlcp:masteryscore>\n";
    }
    char measure[16];
    std::snprintf(measure, sizeof measure, "%d.%02d", score / 100, score % 100);
    return "        <imsss:sequencing>\n"
           "          <imsss:objectives>\n"
           "            <imsss:primaryObjective objectiveID=\"passed\" "
           "satisfiedByMeasure=\"true\">\n"
           "              <imsss:minNormalizedMeasure>" +
           std::string(measure) +
           "</imsss:minNormalizedMeasure>\n"
           "            </imsss:primaryObjective>\n"
           "          </imsss:objectives>\n"
           "        </imsss:sequencing>\n";
}

}  // namespace

std::string Href(const std::string& file) {
    std::string out;
    for (char c : file) {
        auto byte = static_cast<unsigned char>(c);
        bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                     (byte >= '0' && byte <= '9') ||
                     std::string_view("-._~/").find(c) != std::string_view::npos;
        if (plain) {
            out += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            out += escaped;
        }
    }
    return out;
}

std::string LaunchHref(const CoursePackage& package) {
    std::string href = Href(package.launch);
    char separator = '?';
    for (const auto& [name, value] : package.launchParameters) {
        href += separator + Href(name) + "=" + Href(value);
        separator = '&';
    }
    return href;
}

std::string Manifest(const CoursePackage& package, ScormVersion version) {
    const Dialect& d = version == ScormVersion::Scorm12 ? kScorm12 : kScorm2004;
    std::string title = Escaped(package.title);
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest identifier=\"" +
                      Escaped(package.identifier) + "\" version=\"" + KYMBRAL_VERSION + "\" " +
                      d.namespaces + ">\n";
    xml += "  <metadata>\n    <schema>ADL SCORM</schema>\n    <schemaversion>" +
           std::string(d.schemaVersion) + "</schemaversion>\n  </metadata>\n";
    xml += "  <organizations default=\"course\">\n    <organization identifier=\"course\">\n";
    xml += "      <title>" + title + "</title>\n";
    xml += "      <item identifier=\"program\" identifierref=\"files\">\n";
    xml += "        <title>" + title + "</title>\n" + Mastery(package, version);
    xml += "      </item>\n    </organization>\n  </organizations>\n";
    xml += "  <resources>\n    <resource identifier=\"files\" type=\"webcontent\" " +
           std::string(d.scormType) + "=\"sco\" href=\"" + Escaped(LaunchHref(package)) + "\">\n";
    for (const std::string& file : package.files) {
        xml += "      <file href=\"" + Escaped(Href(file)) + "\"/>\n";
    }
    xml += "    </resource>\n  </resources>\n</manifest>\n";
    return xml;
}
