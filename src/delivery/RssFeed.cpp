#include "delivery/RssFeed.h"

#include "document/DocumentSession.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/TextConversions.h"
#include "shell/TextCatalogue.h"

#include <cstdio>
#include <cstdlib>

namespace quillora {
namespace {

constexpr const char* kDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string EscapeXml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c; break;
        }
    }
    return out;
}

// A body holding "]]>" would end the section early; the split keeps every character.
std::string CData(const std::string& text) {
    return "<![CDATA[" + ReplaceAll(text, "]]>", "]]]]><![CDATA[>") + "]]>";
}

}  // namespace

std::string RFC822Date(const QDateTime& moment) {
    const QDate date = moment.date();
    const QTime time = moment.time();
    const int offsetMinutes = moment.offsetFromUtc() / 60;
    const int absMinutes = std::abs(offsetMinutes);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %d %s %d %02d:%02d:%02d %c%02d%02d", kDayNames[date.dayOfWeek() % 7],
                  date.day(), kMonthNames[date.month() - 1], date.year(), time.hour(), time.minute(),
                  time.second(), offsetMinutes < 0 ? '-' : '+', absMinutes / 60, absMinutes % 60);
    return buf;
}

std::string RssFeedBytes(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                         const QDateTime& moment) {
    const Settings& s = doc.settings;
    const std::string date = RFC822Date(moment);
    std::vector<std::string> lines = {
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>",
        "<rss version=\"2.0\">",
        "  <channel>",
        "  <title>" + EscapeXml(s.Berteff) + "</title>",
        "  <link>" + EscapeXml(MakeLink3D(s.ImpressumURL)) + "</link>",
        "  <description>" + EscapeXml(s.Titel1 + " " + s.Titel2) + "</description>",
        "  <language>de-de</language>",
        "  <copyright>" + EscapeXml(s.ImpressumURL) + "</copyright>",
        "  <pubDate>" + date + "</pubDate>",
    };
    for (const std::string& file : store.ListBlockFiles()) {
        const NewsBlock b = ReadBlock(file, progFolder);
        lines.push_back("    <item>");
        lines.push_back("        <title>" + EscapeXml(b.Headline) + "</title>");
        lines.push_back("        <description>" + CData(b.Body) + "</description>");
        if (!b.URL.empty()) {
            const std::string link = EscapeXml(MakeLink3D(b.URL));
            lines.push_back("        <link>" + link + "</link>");
            lines.push_back("        <guid isPermaLink=\"true\">" + link + "</guid>");
        }
        lines.push_back("        <pubDate>" + date + "</pubDate>");
        lines.push_back("    </item>");
    }
    lines.push_back("</channel>");
    lines.push_back("</rss>");
    return JoinLinesCrLf(lines);
}

void WriteRssFeed(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const std::string& progFolder, const QDateTime& moment) {
    WriteFileAtomic(target, RssFeedBytes(doc, store, progFolder, moment));
}

std::string RssFeedFileName(const std::string& chosen) {
    return chosen.find(".xml") == std::string::npos ? chosen + ".xml" : chosen;
}

std::string RssFeedFilter() { return GetText("IDS_41"); }
std::string RssFeedDefaultName() { return GetText("IDS_42"); }

std::string RssFeedDoneMessage(const std::string& target) {
    return GetText("IDS_43") + DocumentPath(target) + GetText("IDS_44");
}

}  // namespace quillora
