#include "EmlReader.h"

#include "GMimeSupport.h"

#include <gmime/gmime.h>

#include <cstdio>
#include <cctype>
#include <memory>

namespace quillora::msgconvert {

namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Str(const char* s) { return s ? std::string(s) : std::string(); }

std::string DecodedContent(GMimePart* part) {
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    if (!content) return {};
    GPtr<GMimeStream> mem(g_mime_stream_mem_new());
    if (g_mime_data_wrapper_write_to_stream(content, mem.get()) < 0) return {};
    GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(mem.get()));
    return std::string(reinterpret_cast<const char*>(bytes->data), bytes->len);
}

std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ExtensionFor(const std::string& mimeType) {
    static const struct {
        const char* type;
        const char* ext;
    } kExt[] = {{"image/jpeg", ".jpg"}, {"image/pjpeg", ".jpg"}, {"image/png", ".png"},
                {"image/gif", ".gif"},  {"image/bmp", ".bmp"},   {"image/tiff", ".tif"},
                {"image/webp", ".webp"}, {"image/svg+xml", ".svg"}, {"text/plain", ".txt"},
                {"text/html", ".htm"},  {"application/pdf", ".pdf"}, {"message/rfc822", ".eml"}};
    for (const auto& e : kExt)
        if (mimeType == e.type) return e.ext;
    return ".dat";
}

// The last path segment: names from Windows mailers may carry folders.
std::string BaseName(std::string name) {
    const std::size_t cut = name.find_last_of("/\\");
    if (cut != std::string::npos) name.erase(0, cut + 1);
    return name;
}

class Collector {
public:
    explicit Collector(MailContent& mail) : mail_(mail) {}

    void Walk(GMimeObject* obj, bool relatedResource) {
        if (GMIME_IS_MULTIPART(obj)) {
            WalkMultipart(GMIME_MULTIPART(obj), relatedResource);
        } else if (GMIME_IS_MESSAGE_PART(obj)) {
            AddMessagePart(GMIME_MESSAGE_PART(obj));
        } else if (GMIME_IS_PART(obj)) {
            AddLeaf(GMIME_PART(obj), relatedResource);
        }
    }

private:
    void WalkMultipart(GMimeMultipart* multi, bool relatedResource) {
        const int count = g_mime_multipart_get_count(multi);
        GMimeContentType* type = g_mime_object_get_content_type(GMIME_OBJECT(multi));
        if (count == 0) return;
        if (!g_mime_content_type_is_type(type, "multipart", "related")) {
            for (int i = 0; i < count; ++i) Walk(g_mime_multipart_get_part(multi, i), relatedResource);
            return;
        }
        // The root is named by the start parameter, else it is the first part;
        // every other part is a resource of the root.
        int root = 0;
        std::string start = Str(g_mime_content_type_get_parameter(type, "start"));
        if (start.size() > 2 && start.front() == '<' && start.back() == '>') start = start.substr(1, start.size() - 2);
        if (!start.empty())
            for (int i = 0; i < count; ++i)
                if (Str(g_mime_object_get_content_id(g_mime_multipart_get_part(multi, i))) == start) root = i;
        Walk(g_mime_multipart_get_part(multi, root), relatedResource);
        for (int i = 0; i < count; ++i)
            if (i != root) Walk(g_mime_multipart_get_part(multi, i), true);
    }

    void AddMessagePart(GMimeMessagePart* part) {
        GMimeMessage* inner = g_mime_message_part_get_message(part);
        if (!inner) return;
        GPtr<GMimeStream> mem(g_mime_stream_mem_new());
        g_mime_object_write_to_stream(GMIME_OBJECT(inner), nullptr, mem.get());
        GByteArray* bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(mem.get()));
        MailAttachment a;
        a.data.assign(reinterpret_cast<const char*>(bytes->data), bytes->len);
        a.mimeType = "message/rfc822";
        a.fileName = BaseName(Str(g_mime_object_get_content_disposition_parameter(GMIME_OBJECT(part), "filename")));
        if (a.fileName.empty()) {
            const std::string subject = Str(g_mime_message_get_subject(inner));
            a.fileName = (subject.empty() ? std::string("message") : subject) + ".eml";
        }
        mail_.attachments.push_back(std::move(a));
    }

    void AddLeaf(GMimePart* part, bool relatedResource) {
        GMimeObject* obj = GMIME_OBJECT(part);
        GMimeContentType* type = g_mime_object_get_content_type(obj);
        const std::string mimeType = Lower(Str(g_mime_content_type_get_media_type(type))) + "/" +
                                     Lower(Str(g_mime_content_type_get_media_subtype(type)));
        const bool attachmentDisposition = Lower(Str(g_mime_object_get_disposition(obj))) == "attachment";
        const std::string charset = Str(g_mime_object_get_content_type_parameter(obj, "charset"));
        const bool bodyCandidate = !attachmentDisposition && !relatedResource;

        if (bodyCandidate && mimeType == "text/plain" && !mail_.plain) {
            mail_.plain = ToCrLf(ToUtf8(DecodedContent(part), charset));
            return;
        }
        if (bodyCandidate && mimeType == "text/html" && !mail_.html) {
            mail_.html = PrepareHtml(DecodedContent(part), charset);
            return;
        }

        MailAttachment a;
        a.data = DecodedContent(part);
        a.mimeType = mimeType;
        a.contentId = Str(g_mime_object_get_content_id(obj));
        a.contentLocation = Str(g_mime_part_get_content_location(part));
        a.inlinePicture = !attachmentDisposition && (relatedResource || !a.contentId.empty());
        a.fileName = BaseName(Str(g_mime_part_get_filename(part)));
        if (a.fileName.empty()) a.fileName = BaseName(a.contentLocation);
        if (a.fileName.empty()) {
            char name[32];
            std::snprintf(name, sizeof name, "%s%03zu", mimeType.starts_with("image/") ? "image" : "attachment",
                          mail_.attachments.size() + 1);
            a.fileName = name + ExtensionFor(mimeType);
        }
        mail_.attachments.push_back(std::move(a));
    }

    MailContent& mail_;
};

}  // namespace

MailContent ParseEml(std::string_view bytes) {
    InitGMime();
    if (bytes.empty()) throw ConvertError("the file is empty");

    GPtr<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    GPtr<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    // Raw 8-bit headers from older mailers: UTF-8 if valid, else Windows-1252.
    GMimeParserOptions* options = g_mime_parser_options_new();
    const char* fallback[] = {"utf-8", "windows-1252", nullptr};
    g_mime_parser_options_set_fallback_charsets(options, fallback);
    GPtr<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), options));
    g_mime_parser_options_free(options);

    if (!message || g_mime_header_list_get_count(g_mime_object_get_header_list(GMIME_OBJECT(message.get()))) == 0)
        throw ConvertError("the file is no e-mail message (no message headers found)");

    MailContent mail;
    if (const char* subject = g_mime_message_get_subject(message.get())) mail.subject = ToUtf8(subject, "utf-8");
    if (GMimeObject* body = g_mime_message_get_mime_part(message.get())) Collector(mail).Walk(body, false);
    if (!mail.plain && !mail.html && mail.attachments.empty())
        throw ConvertError("the message has neither a text nor an HTML body");
    return mail;
}

MailContent ReadEml(const std::string& path) {
    gchar* contents = nullptr;
    gsize length = 0;
    GError* error = nullptr;
    if (!g_file_get_contents(path.c_str(), &contents, &length, &error)) {
        const std::string reason = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw ConvertError("cannot read the e-mail file: " + reason);
    }
    const std::string bytes(contents, length);
    g_free(contents);
    try {
        return ParseEml(bytes);
    } catch (const ConvertError& e) {
        throw ConvertError("cannot convert \"" + path + "\": " + e.what());
    }
}

}  // namespace quillora::msgconvert
