// Before any Qt header: glib names a struct member "signals", which Qt defines away.
#include "GMimeSupport.h"

#include <gmime/gmime.h>

#include "delivery/EmlBuilder.h"

#include "delivery/TextVersion.h"
#include "document/TextFile.h"
#include "render/Cp1252.h"
#include "render/PageGenerator.h"
#include "render/PictureMode.h"
#include "render/TextConversions.h"
#include "shell/TextCatalogue.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string_view>

namespace fs = std::filesystem;

namespace quillora {
namespace {

// Page and text version are Windows-1252 bytes as written; the page's own meta tag
// says iso-8859-1, but only windows-1252 names the quotes and the euro sign right.
constexpr const char* kTextCharset = "windows-1252";

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool NameAt(std::string_view html, std::size_t pos, std::string_view name) {
    if (html.size() - pos < name.size()) return false;
    for (std::size_t k = 0; k < name.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(html[pos + k])) != name[k]) return false;
    return true;
}

struct Span {
    std::size_t begin;
    std::size_t end;
};

// The values of src and background attributes. The page's markup is old and not
// always well-formed (stray and unclosed quotes), so quotes are only trusted inside an
// attribute value and a tag ends at the next ">".
std::vector<Span> PictureReferences(std::string_view html) {
    std::vector<Span> spans;
    bool inTag = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char c = html[i];
        if (c == '<') {
            inTag = true;
            continue;
        }
        if (c == '>') {
            inTag = false;
            continue;
        }
        if (!inTag || i == 0 || !IsSpace(html[i - 1])) continue;
        std::size_t p;
        if (NameAt(html, i, "src"))
            p = i + 3;
        else if (NameAt(html, i, "background"))
            p = i + 10;
        else
            continue;
        while (p < html.size() && IsSpace(html[p])) ++p;
        if (p >= html.size() || html[p] != '=') continue;
        ++p;
        while (p < html.size() && IsSpace(html[p])) ++p;
        if (p >= html.size()) break;
        std::size_t begin = p;
        std::size_t end;
        if (html[p] == '"' || html[p] == '\'') {
            begin = p + 1;
            end = html.find(html[p], begin);
            if (end == std::string_view::npos) break;
        } else {
            end = begin;
            while (end < html.size() && !IsSpace(html[end]) && html[end] != '>') ++end;
        }
        if (end > begin) spans.push_back({begin, end});
        i = end - 1;
    }
    return spans;
}

// "http:", "cid:", "data:", "//host/…" and jump marks are not files. A single letter
// before the colon is a Windows drive and is left to the file lookup (it finds nothing).
bool IsAddress(std::string_view ref) {
    if (ref.starts_with("//") || ref.starts_with("#")) return true;
    const std::size_t colon = ref.find(':');
    if (colon == std::string_view::npos || colon < 2) return false;
    if (!std::isalpha(static_cast<unsigned char>(ref[0]))) return false;
    for (std::size_t k = 1; k < colon; ++k) {
        const unsigned char ch = static_cast<unsigned char>(ref[k]);
        if (!std::isalnum(ch) && ch != '+' && ch != '-' && ch != '.') return false;
    }
    return true;
}

std::string PictureType(const fs::path& file) {
    std::string ext = file.extension().string();
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    static const struct {
        const char* ext;
        const char* type;
    } kTypes[] = {{".jpg", "image/jpeg"}, {".jpeg", "image/jpeg"}, {".jpe", "image/jpeg"}, {".gif", "image/gif"},
                  {".png", "image/png"},  {".bmp", "image/bmp"},   {".tif", "image/tiff"}, {".tiff", "image/tiff"},
                  {".webp", "image/webp"}, {".svg", "image/svg+xml"}, {".ico", "image/x-icon"}};
    for (const auto& t : kTypes)
        if (ext == t.ext) return t.type;
    return "application/octet-stream";
}

// Content IDs must be unique beyond this message: mail programs cache parts by them.
std::string MessageToken() {
    std::random_device rd;
    std::uniform_int_distribution<unsigned long long> dist;
    std::mt19937_64 gen((static_cast<unsigned long long>(rd()) << 32) ^ rd());
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", dist(gen));
    return buf;
}

struct Picture {
    fs::path file;
    std::string contentId;
};

GPtr<GMimeDataWrapper> Content(const std::string& bytes) {
    GPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    return GPtr<GMimeDataWrapper>(g_mime_data_wrapper_new_with_stream(stream.get(), GMIME_CONTENT_ENCODING_DEFAULT));
}

GPtr<GMimePart> TextPart(const char* subtype, const std::string& bytes) {
    GPtr<GMimePart> part(g_mime_part_new_with_type("text", subtype));
    g_mime_object_set_content_type_parameter(GMIME_OBJECT(part.get()), "charset", kTextCharset);
    g_mime_part_set_content(part.get(), Content(bytes).get());
    g_mime_part_set_content_encoding(part.get(), GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE);
    return part;
}

GPtr<GMimePart> PicturePart(const Picture& picture) {
    const std::string type = PictureType(picture.file);
    const std::size_t slash = type.find('/');
    GPtr<GMimePart> part(g_mime_part_new_with_type(type.substr(0, slash).c_str(), type.substr(slash + 1).c_str()));
    GMimeObject* obj = GMIME_OBJECT(part.get());
    g_mime_object_set_content_id(obj, picture.contentId.c_str());
    g_mime_object_set_disposition(obj, "inline");
    g_mime_part_set_filename(part.get(), picture.file.filename().string().c_str());
    g_mime_part_set_content(part.get(), Content(ReadFileBytes(picture.file.string())).get());
    g_mime_part_set_content_encoding(part.get(), GMIME_CONTENT_ENCODING_BASE64);
    return part;
}

// The page with its local pictures turned into "cid:" references, and those pictures.
std::string EmbedPictures(const std::string& html, const std::string& folder, std::vector<Picture>& pictures) {
    const fs::path base = FsPath(folder.empty() ? std::string(".") : folder);
    const std::string token = MessageToken();
    std::map<fs::path, std::size_t> byFile;
    std::string out;
    out.reserve(html.size() + 64);
    std::size_t done = 0;
    for (const Span& span : PictureReferences(html)) {
        const std::string_view ref(html.data() + span.begin, span.end - span.begin);
        if (IsAddress(ref)) continue;
        const fs::path named = FsPath(NativePath(std::string(ref)));
        const fs::path file = (named.is_absolute() ? named : base / named).lexically_normal();
        std::error_code ec;
        if (!fs::is_regular_file(file, ec)) continue;
        auto [it, added] = byFile.try_emplace(file, pictures.size());
        if (added)
            pictures.push_back({file, "part" + std::to_string(pictures.size() + 1) + "." + token + "@quillora"});
        out.append(html, done, span.begin - done);
        out += "cid:" + pictures[it->second].contentId;
        done = span.end;
    }
    out.append(html, done, std::string::npos);
    return out;
}

// GMime takes "=?...?=" in a subject for an encoded word and writes it unencoded, so
// every reader would decode it. Such a subject goes out as UTF-8 encoded words only,
// cut at character boundaries and folded to short lines.
void SetSubject(GMimeMessage* message, const std::string& utf8) {
    g_mime_message_set_subject(message, utf8.c_str(), "utf-8");
    if (utf8.find("=?") == std::string::npos) return;
    constexpr std::size_t kChunk = 39;  // 52 base64 characters: one word stays well inside a line
    std::string raw;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t end = std::min(pos + kChunk, utf8.size());
        while (end < utf8.size() && end > pos + 1 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) --end;
        gchar* b64 = g_base64_encode(reinterpret_cast<const guchar*>(utf8.data() + pos), end - pos);
        raw += (raw.empty() ? " " : "\n ") + std::string("=?UTF-8?B?") + b64 + "?=";
        g_free(b64);
        pos = end;
    }
    GMimeHeader* header = g_mime_header_list_get_header(g_mime_object_get_header_list(GMIME_OBJECT(message)), "Subject");
    if (header) g_mime_header_set_raw_value(header, (raw + "\n").c_str());
}

}  // namespace

std::string ComposeEml(const EmlContent& content) {
    InitGMime();
    std::vector<Picture> pictures;
    const std::string html =
        content.embedPictures ? EmbedPictures(content.html, content.pictureFolder, pictures) : content.html;

    GPtr<GMimeMultipart> alternative(g_mime_multipart_new_with_subtype("alternative"));
    g_mime_multipart_add(alternative.get(), GMIME_OBJECT(TextPart("plain", content.plainText).get()));
    GPtr<GMimePart> page = TextPart("html", html);
    if (pictures.empty()) {
        g_mime_multipart_add(alternative.get(), GMIME_OBJECT(page.get()));
    } else {
        GPtr<GMimeMultipart> related(g_mime_multipart_new_with_subtype("related"));
        g_mime_object_set_content_type_parameter(GMIME_OBJECT(related.get()), "type", "text/html");
        g_mime_multipart_add(related.get(), GMIME_OBJECT(page.get()));
        for (const Picture& p : pictures) g_mime_multipart_add(related.get(), GMIME_OBJECT(PicturePart(p).get()));
        g_mime_multipart_add(alternative.get(), GMIME_OBJECT(related.get()));
    }

    GPtr<GMimeMessage> message(g_mime_message_new(FALSE));
    SetSubject(message.get(), Cp1252ToUtf8(content.subject));
    // Mail programs open such a file as a draft to be sent, not as received mail.
    g_mime_object_set_header(GMIME_OBJECT(message.get()), "X-Unsent", "1", nullptr);
    g_mime_message_set_mime_part(message.get(), GMIME_OBJECT(alternative.get()));

    GMimeFormatOptions* options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    GPtr<GMimeStream> out(g_mime_stream_mem_new());
    const gssize written = g_mime_object_write_to_stream(GMIME_OBJECT(message.get()), options, out.get());
    g_mime_format_options_free(options);
    if (written < 0)
        throw FileError(ByLanguage("Die E-Mail-Nachricht konnte nicht zusammengestellt werden.",
                                   "The e-mail message could not be composed."));
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    return std::string(reinterpret_cast<const char*>(bytes->data), bytes->len);
}

std::string PlainAlternative(const std::vector<std::string>& textLines) {
    std::string text;
    for (std::size_t i = 1; i < textLines.size(); ++i) text += textLines[i] + "\r\n";
    return text;
}

void BuildEmlFile(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const AppFolders& folders, const std::string& dateText) {
    const std::string temp = WithSlash(folders.temp);
    const std::string page = temp + kMailPageFile;
    if (!MakeHTML(page, doc, store, folders.prog, dateText))
        throw FileError(ByLanguage("Die Newsletter-Seite \"" + DocumentPath(page) + "\" kann nicht geschrieben werden.",
                                   "The newsletter page \"" + DocumentPath(page) + "\" cannot be written."));
    const std::string html = ReadFileBytes(page);
    // A text version left over from an earlier run must not stand in for a failed one.
    std::error_code ec;
    fs::remove(FsPath(temp + kTextPreviewFile), ec);
    const std::vector<std::string> lines = BuildTextVersion(doc, store, folders.prog, temp, dateText);

    EmlContent content;
    content.subject = Trim(doc.settings.Berteff);
    content.html = html;
    content.pictureFolder = temp;
    content.plainText = PlainAlternative(lines);
    content.embedPictures = !RunPictureMode().externalImages;
    WriteFileAtomic(target, ComposeEml(content));
}

std::string SavedTemplateEmlPath(const AppFolders& folders, const std::string& templatePath) {
    std::string name = templatePath.substr(templatePath.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    return WithSlash(folders.documents) + name + ".eml";
}

}  // namespace quillora
