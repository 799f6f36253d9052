#include "render/Overview.h"

#include "render/TextConversions.h"

#include <algorithm>

namespace quillora {

std::string OverviewHeadline(const std::string& listText) {
    std::string text = Trim(listText);
    // Cut through the character after the first space: the second of the two spaces
    // behind "Meldung<n>:". Without a space only the first character goes.
    const auto space = text.find(' ');
    const std::size_t cut = space == std::string::npos ? 1 : space + 2;
    text.erase(0, std::min(cut, text.size()));
    return text;
}

bool IsListedInOverview(const std::string& headline) {
    const bool plain = headline.find("eldung") != std::string::npos;
    const bool upper = UpperAscii(headline).find("MELDUNG") != std::string::npos;
    return plain == upper;
}

std::string BlockAnchor(int number) {
    return "<a name=\"meldung" + std::to_string(number) + "\"></a>";
}

std::string JumpBackLine(const Settings& s) {
    return "<table width=600 border=0 cellspacing=0 cellpadding=0><tr><td class=textgross colSpan=3 "
           "vAlign=top><b><font face='" +
           s.Font + "'" + " color=" + "'" + s.TextColor + "'" + " size=2><div align=" + s.Anchoralign +
           "><a href=\"#top\">" + s.Anchortext + "</a></tr></td></table>";
}

std::string MakeOverview(const NewsletterDocument& doc) {
    const Settings& s = doc.settings;
    std::string result = IsTrue(s.Anchor) ? "<a name=\"top\"></a>\r" : "";
    const bool numbered = IsTrue(s.Nummern);
    int listed = 0;
    for (std::size_t p = 0; p < doc.blockList.size(); ++p) {
        const std::string headline = OverviewHeadline(doc.blockList[p]);
        if (!IsListedInOverview(headline)) continue;
        std::string prefix;
        if (numbered) prefix = (listed < 9 ? "0" : "") + std::to_string(listed + 1) + ": ";
        result += "\r<a href=\"#meldung" + std::to_string(p + 1) + "\"><font face=" + s.Font + " color=\"" +
                  s.LinkColor + "\" size=2><b>" + prefix + headline + "</b></font></a><br>";
        ++listed;
    }
    return result;
}

}  // namespace quillora
