#include "render/PageGenerator.h"

#include "document/DocumentSession.h"
#include "document/TemplateFile.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/Overview.h"
#include "render/TextConversions.h"
#include "shell/AppFolders.h"

#include <filesystem>
#include <map>

namespace quillora {
namespace {

namespace fs = std::filesystem;

const std::string kT600 = "<table border=\"0\" cellPadding=\"0\" cellSpacing=\"0\" width=\"600\">";

bool Filled(const std::string& text) { return !Trim(text).empty(); }

// Replaces ASCII search text without regard to case; the rest of the text is kept.
std::string ReplaceIgnoringCase(const std::string& text, const std::string& from, const std::string& to) {
    const std::string upperText = UpperAscii(text);
    const std::string upperFrom = UpperAscii(from);
    std::string result;
    std::size_t start = 0;
    for (auto pos = upperText.find(upperFrom); pos != std::string::npos; pos = upperText.find(upperFrom, start)) {
        result.append(text, start, pos - start);
        result += to;
        start = pos + from.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

// The editor colours every link blue; dropping that lets the page's link colour apply.
std::string DropEditorLinkColour(const std::string& body) {
    return ReplaceIgnoringCase(ReplaceIgnoringCase(body, "><font color=\"#0000ff\"><u>", "><u>"),
                               "</u></font></a>", "</u></a>");
}

class PageWriter {
public:
    PageWriter(const NewsletterDocument& doc, const PictureMode& mode, const PictureSink& picture)
        : s_(doc.settings), doc_(doc), mode_(mode), picture_(picture) {}

    std::string Build(const std::vector<NewsBlock>& blocks, const std::string& dateText) {
        out_.reserve(4096 + blocks.size() * 1024);
        Head();
        Frame();
        HeaderGraphic();
        TitleRow(dateText);
        if (IsTrue(s_.Uebersicht)) Overview();
        Line("</td>");
        Line("</tr>");
        for (std::size_t i = 0; i < blocks.size(); ++i) Block(blocks[i], static_cast<int>(i));
        Footer();
        Closing();
        return std::move(out_);
    }

private:
    void Line(const std::string& text) {
        out_ += text;
        out_ += "\r\n";
    }

    std::string TextFont() const {
        return "<font face=\"" + s_.Font + "\" color=\"" + s_.TextColor + "\" size=\"2\">";
    }
    std::string LinkFont() const {
        return "<font face=\"" + s_.Font + "\" color=\"" + s_.LinkColor + "\" size=\"2\">";
    }

    // SRC(p), with the COPY that goes with it.
    std::string Src(const std::string& path) {
        if (picture_) picture_(path);
        return PictureSrc(path, mode_);
    }

    void Head() {
        Line("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
        Line("<HTML><HEAD><TITLE>" + s_.Berteff + "</TITLE>");
        Line("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">");
        Line("");
        Line("</HEAD>");
        Line("<BODY aLink=\"" + s_.LinkColor + "\" bgColor=\"" + s_.BKGColor + "\" link=\"" + s_.LinkColor +
             "\" topMargin=\"0\" vLink=\"" + s_.LinkColor + "\" marginheight=\"0\">");
    }

    void Frame() {
        Line("<center><table border=\"0\"\" cellPadding=\"0\" cellSpacing=\"0\" width=\"100% bgColor=\"" +
             s_.BKGColor + "\">");
        Line("<tr>");
        Line("<td align=\"center\">");
        Line("");
        if (s_.Border) {
            Line("<table border=\"0\" cellPadding=\"0\" cellSpacing=\"" + s_.Bordesize + "\" width=\"600\" bgColor=\"" +
                 s_.Bordercolor + "\"><tr valign=\"top\"><td>");
            Line("<table border=\"0\" cellPadding=\"5\" cellSpacing=\"0\" width=\"600\" bgColor=\"" + s_.BKGColor +
                 "\">");
        } else {
            Line("<table border=\"0\" cellPadding=\"0\" cellSpacing=\"0\" width=\"600\" bgColor=\"" + s_.BKGColor +
                 "\">");
        }
        Line("");
        Line("<tr>");
        Line("<td>");
        Line(kT600);
    }

    void HeaderGraphic() {
        Line("<tr><td><div ALIGN=\"" + LowerAscii(s_.LogoAlign) + "\"><a name=\"top\">");
        Line("<img border=\"0\" alt=\"\" src=\"" + Src(s_.KopfLogo) + "\">");
        Line("</a></div></td></tr>");
        Line("</table>");
        Line("</td>");
        Line("</tr>");
        Line("");
    }

    void TitleRow(const std::string& dateText) {
        Line("<tr>");
        Line("<td>");
        Line(kT600);
        Line("<tr>");
        Line("<td class=\"Textgross\" vAlign=\"top\"><P><b>");
        Line(TextFont());
        Line(ConvertString(s_.Titel1));
        Line("</font></b></P><P><font face=\"" + s_.Font + "\" color=\"" + s_.TextColor + "\" size=\"2\"><b>");
        Line(ConvertString(s_.Titel2));
        Line("</b></font></P></td>");
        if (s_.DateOn) {
            Line("<td align=\"right\" class=\"text\" vAlign=\"top\">");
            Line(TextFont());
            Line(Trim(ConvertString(s_.DateText)));
            Line("</font>");
            Line(TextFont());
            Line(ConvertString(dateText));
            Line("</font></td>");
        }
        Line("</tr>");
        Line("</table>");
    }

    std::string SeparatorImage() {
        return "<br><img alt=\"\" border=\"0\" src=\"" + Src(s_.SeperatorNews) + "\"></div><br>";
    }

    void Overview() {
        if (Filled(s_.SeperatorNews) && s_.HeadSeperator) {
            Line("<div align=\"" + UpperAscii(s_.SeperatorAlign) + "\">");
            Line(SeparatorImage());
        } else {
            Line("<br>");
        }
        if (Filled(s_.UebersichtText))
            Line("<font face=\"" + s_.Font + "\" color=\"" + s_.TextColor + "\" size=\"2\"><b>" +
                 EncodeHTML(s_.UebersichtText) + "</b><br>");
        Line(ConvertString(MakeOverview(doc_)));
    }

    void Block(const NewsBlock& b, int i) {
        Line("");
        Line("<tr>");
        Line("<td>");
        if (IsTrue(s_.Uebersicht)) Line(BlockAnchor(i + 1));
        if (Filled(s_.SeperatorNews)) {
            if (s_.HeadSeperator || i > 0) {
                Line(kT600);
                Line("<tr>");
                Line("<div ALIGN=\"" + UpperAscii(s_.SeperatorAlign) + "\">");
                Line(SeparatorImage());
            } else {
                Line("<br>");
            }
        } else {
            Line("<br><br>");
        }
        Line(kT600);
        Line("<tr>");
        const std::string body = DropEditorLinkColour(b.Body);
        if (b.PicturePath.empty()) {
            TextCell(b, body, "<td class=textgross colSpan=\"2\" vAlign=\"top\"><b><font face=\"" + s_.Font +
                                  "\" color=\"" + s_.TextColor + "\" size=\"2\">",
                     false);
        } else if (b.PictureSide == "right") {
            TextCell(b, body, "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b>" + TextFont(), true);
            PictureCell(b);
        } else {
            PictureCell(b);
            TextCell(b, body, "<td class=\"textgross\" colSpan=\"2\" vAlign=\"top\"><b><font face=" + s_.Font +
                                  " color=\"" + s_.TextColor + "\" size=\"2\">",
                     false);
        }
        Line("</tr>");
        Line("</table>");
        if (IsTrue(s_.Anchor)) Line(JumpBackLine(s_));
        Line("</td></tr>");
    }

    // Only the cell beside a right-hand picture splits its link over five lines.
    void TextCell(const NewsBlock& b, const std::string& body, const std::string& first, bool splitLink) {
        Line(first);
        Line(ConvertString(b.Headline));
        Line("</font></b><br>" + TextFont());
        Line(ConvertString(body));
        Line("</font><br>");
        if (!b.LinkText.empty() && !b.URL.empty()) {
            const std::string target = MakeLink(CleanLink(b.URL));
            const std::string tail = "\" target=\"_blank\"><b>" + LinkFont();
            if (splitLink) {
                Line("<A href=\"");
                Line(target);
                Line(tail);
                Line(ConvertString(b.LinkText));
                Line("</font></b></a>");
            } else {
                Line("<A href=\"" + target + tail + ConvertString(b.LinkText) + "</font></b></a>");
            }
        }
        Line("</td>");
    }

    void PictureCell(const NewsBlock& b) {
        // A quote in the headline would end the attribute early.
        const std::string alt = ReplaceAll(ConvertString(b.Headline), "\"", "&quot;");
        if (!b.URL.empty()) {
            Line("<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><A href=\"");
            Line(MakeLink(CleanLink(b.URL)));
            Line("\" target=\"_blank\"><img hspace=\"10\" border=\"0\" src=\"" + Src(b.PicturePath) + "\" alt=\"" +
                 alt + "\">");
            Line("</a></td>");
        } else {
            Line("<td align=\"middle\" class=\"text\" vAlign=\"top\" width=\"180\"><img hspace=\"10\" alt=\"" + alt +
                 "\" border=\"0\" =20");
            Line("src=\"" + Src(b.PicturePath));
            Line("\"></td>");
        }
    }

    void Footer() {
        Line("");
        Line("<tr>");
        Line("<td>");
        Line("<br>");
        Line("<div ALIGN=\"" + UpperAscii(s_.ImpressumAlign) + "\">");
        Line("<img alt=\"\" border=\"0\" =20");
        Line("src=\"" + Src(s_.SeperatorImpressum) + "\">");
        Line("</div><br><br>");
        Line(kT600);
        Line("<tr>");
        const std::string mailTo = ConvertString(s_.ImpressumMailTo);
        const std::string homepage = "<A href=\"" + MakeLink(s_.ImpressumURL) + "\">";
        const std::string homepageText = LinkFont() + ConvertString(s_.ImpressumURL) + "</font></a>";
        if (Filled(s_.UnsubscribeText) && Filled(s_.UnsubscribeLink)) {
            Line("<td class=\"text\">" + TextFont() + ConvertString(s_.ImpressumText));
            if (Filled(s_.ImpressumZusatz)) Line("<br>" + ConvertString(s_.ImpressumZusatz));
            Line("</font><br><br><A href=\"mailto:" + mailTo + "\">");
            Line(LinkFont());
            Line(mailTo);
            Line("</font></a><br>" + homepage);
            Line(homepageText + "<br><br>");
            Line("<A href=\"" + MakeLink(s_.UnsubscribeLink) + "\">");
            Line(LinkFont() + ConvertString(s_.UnsubscribeText) + "</font></a></td>");
        } else {
            Line("<td class=text>" + TextFont());
            Line(s_.ImpressumText);
            if (Filled(s_.ImpressumZusatz)) Line("<br>" + s_.ImpressumZusatz);
            Line("</font><br><br><A href=\"mailto:" + mailTo + "\">");
            Line(LinkFont() + mailTo + "</font></a><br>");
            Line(homepage);
            Line(homepageText + "</td>");
        }
    }

    void Closing() {
        if (s_.Border) Line("</td></tr></table>");
        for (const char* l : {"</tr>", "</table>", "</tr>", "</tr>", "</table>", "</tr>", "</tr>", "</table></center>",
                              "", "</BODY>", "</HTML>"})
            Line(l);
    }

    const Settings& s_;
    const NewsletterDocument& doc_;
    const PictureMode& mode_;
    const PictureSink& picture_;
    std::string out_;
};

std::vector<NewsBlock> ReadAllBlocks(const BlockStore& store, const std::string& progFolder) {
    std::vector<NewsBlock> blocks;
    for (const auto& file : store.ListBlockFiles()) {
        try {
            blocks.push_back(ReadBlock(file, progFolder));
        } catch (const FileError&) {
            blocks.emplace_back();
        }
    }
    return blocks;
}

// Two-digit years are widened; quoted literal text is left alone.
QString WithFourDigitYear(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u'y') {
            qsizetype run = 0;
            while (i + run < format.size() && format[i + run] == u'y') ++run;
            out += QString(run == 2 ? 4 : run, u'y');
            i += run;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

}  // namespace

std::string NewsletterDateText(const QDate& date, const QLocale& locale) {
    return QStringToCp1252(locale.toString(date, WithFourDigitYear(locale.dateFormat(QLocale::ShortFormat))));
}

std::string PageText(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                     const std::string& dateText, const PictureMode& mode, const PictureSink& picture) {
    return PageWriter(doc, mode, picture).Build(ReadAllBlocks(store, progFolder), dateText);
}

bool CopyPictureInto(const std::string& picturePath, const std::string& folder, const std::string& progFolder) {
    const std::string name = PictureFileName(picturePath);
    if (picturePath.empty() || name.empty()) return false;
    // Windows templates store "$STARTPATH$Images\x.jpg" and drive paths.
    const std::string prog = WithSlash(progFolder);
    const std::string from = NativePath(ResolvePicturePath(picturePath, prog, prog + "Images/"));
    const fs::path to = fs::path(folder.empty() ? "." : folder) / NativePath(name);
    std::error_code ec;
    if (!fs::is_regular_file(FsPath(from), ec)) return false;
    if (fs::equivalent(FsPath(from), to, ec)) return false;
    try {
        const std::string bytes = ReadFileBytes(from);
        // A picture already in place is left as it is; the page is often rebuilt.
        if (fs::is_regular_file(to, ec) && fs::file_size(to, ec) == bytes.size() && ReadFileBytes(to.string()) == bytes)
            return true;
        WriteFileAtomic(to.string(), bytes);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

bool MakeHTML(const std::string& outputPath, const NewsletterDocument& doc, const BlockStore& store,
              const std::string& progFolder, const std::string& dateText) {
    std::error_code ec;
    fs::remove(FsPath(outputPath), ec);
    const std::string folder = FsPath(outputPath).parent_path().string();
    // The separator is named on every block: copy again only when another picture of
    // the same name has been put there since.
    std::map<std::string, std::string> lastCopied;  // file name -> stored path
    const PictureSink copy = [&](const std::string& path) {
        auto [it, fresh] = lastCopied.try_emplace(PictureFileName(path), path);
        if (!fresh && it->second == path) return;
        it->second = path;
        CopyPictureInto(path, folder, progFolder);
    };
    const std::string page = PageText(doc, store, progFolder, dateText, RunPictureMode(), copy);
    try {
        WriteFileAtomic(outputPath, page);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

bool MakeHTML(const std::string& outputPath, const NewsletterDocument& doc, const BlockStore& store,
              const std::string& progFolder) {
    return MakeHTML(outputPath, doc, store, progFolder, NewsletterDateText(doc.newsletterDate));
}

}  // namespace quillora
