#include "MsgWriter.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>
#include <glib/gstdio.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <vector>
#include <unistd.h>

namespace quillora::msgconvert {

namespace {

// Property types and tags of the message file format.
constexpr std::uint16_t kPtLong = 0x0003;
constexpr std::uint16_t kPtBoolean = 0x000B;
constexpr std::uint16_t kPtUnicode = 0x001F;
constexpr std::uint16_t kPtBinary = 0x0102;

constexpr std::uint16_t kMessageClass = 0x001A;
constexpr std::uint16_t kSubject = 0x0037;
constexpr std::uint16_t kSubjectPrefix = 0x003D;
constexpr std::uint16_t kMessageFlags = 0x0E07;
constexpr std::uint16_t kNormalizedSubject = 0x0E1D;
constexpr std::uint16_t kBody = 0x1000;
constexpr std::uint16_t kHtml = 0x1013;
constexpr std::uint16_t kNativeBody = 0x1016;
constexpr std::uint16_t kStoreSupportMask = 0x340D;
constexpr std::uint16_t kInternetCodepage = 0x3FDE;

constexpr std::uint16_t kAttachSize = 0x0E20;
constexpr std::uint16_t kAttachNumber = 0x0E21;
constexpr std::uint16_t kDisplayName = 0x3001;
constexpr std::uint16_t kAttachDataBinary = 0x3701;
constexpr std::uint16_t kAttachExtension = 0x3703;
constexpr std::uint16_t kAttachFilename = 0x3704;
constexpr std::uint16_t kAttachMethod = 0x3705;
constexpr std::uint16_t kAttachLongFilename = 0x3707;
constexpr std::uint16_t kRenderingPosition = 0x370B;
constexpr std::uint16_t kAttachMimeTag = 0x370E;
constexpr std::uint16_t kAttachContentId = 0x3712;
constexpr std::uint16_t kAttachContentLocation = 0x3713;
constexpr std::uint16_t kAttachFlags = 0x3714;
constexpr std::uint16_t kAttachmentHidden = 0x7FFE;

constexpr std::uint32_t kMsgFlagRead = 0x00000001;
constexpr std::uint32_t kMsgFlagUnsent = 0x00000008;
constexpr std::uint32_t kStoreUnicodeOk = 0x00040000;
constexpr std::uint32_t kAttachByValue = 1;
constexpr std::uint32_t kAttMhtmlRef = 0x00000004;
constexpr std::uint32_t kNativeBodyPlain = 1;
constexpr std::uint32_t kNativeBodyHtml = 3;
constexpr std::uint32_t kPropReadable = 0x2;
constexpr std::uint32_t kPropWritable = 0x4;

// Class of the root storage of a message file, {00020D0B-0000-0000-C000-000000000046}.
constexpr guint8 kMessageClassId[16] = {0x0B, 0x0D, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                        0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

void PutLe32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

struct GUnref {
    void operator()(void* p) const {
        if (p) g_object_unref(p);
    }
};

void WriteStream(GsfOutfile* parent, const std::string& name, std::string_view data) {
    GsfOutput* child = gsf_outfile_new_child(parent, name.c_str(), FALSE);
    if (!child) throw ConvertError("cannot create the stream " + name);
    const bool ok = data.empty() ||
                    gsf_output_write(child, data.size(), reinterpret_cast<const guint8*>(data.data()));
    const bool closed = gsf_output_close(child);
    g_object_unref(child);
    if (!ok || !closed) throw ConvertError("cannot write the stream " + name);
}

class Storage {
public:
    Storage(GsfOutfile* parent, const std::string& name)
        : dir_(GSF_OUTFILE(gsf_outfile_new_child(parent, name.c_str(), TRUE))) {
        if (!dir_) throw ConvertError("cannot create the storage " + name);
    }
    ~Storage() {
        if (dir_) {
            gsf_output_close(GSF_OUTPUT(dir_));
            g_object_unref(dir_);
        }
    }
    Storage(const Storage&) = delete;
    Storage& operator=(const Storage&) = delete;
    GsfOutfile* get() const { return dir_; }

private:
    GsfOutfile* dir_;
};

// The properties of one object: fixed values go into the property stream,
// variable ones into a stream of their own beside it.
class PropertySet {
public:
    void Long(std::uint16_t id, std::uint32_t value) {
        std::string v;
        PutLe32(v, value);
        PutLe32(v, 0);
        Add(id, kPtLong, std::move(v), std::nullopt);
    }
    void Bool(std::uint16_t id, bool value) {
        std::string v(8, '\0');
        v[0] = value ? 1 : 0;
        Add(id, kPtBoolean, std::move(v), std::nullopt);
    }
    void Unicode(std::uint16_t id, std::string_view utf8) {
        std::string data = Utf8ToUtf16Le(utf8);
        // The size counts the terminating null character the stream leaves out.
        std::string size = SizeField(data.size() + 2);
        Add(id, kPtUnicode, std::move(size), std::move(data));
    }
    void Binary(std::uint16_t id, std::string data) {
        std::string size = SizeField(data.size());
        Add(id, kPtBinary, std::move(size), std::move(data));
    }

    void WriteTo(GsfOutfile* storage, const std::string& header) {
        std::sort(props_.begin(), props_.end(), [](const Prop& a, const Prop& b) { return a.tag < b.tag; });
        std::string stream = header;
        for (const Prop& p : props_) {
            PutLe32(stream, p.tag);
            PutLe32(stream, kPropReadable | kPropWritable);
            stream += p.value;
        }
        for (const Prop& p : props_) {
            if (!p.data) continue;
            char name[32];
            std::snprintf(name, sizeof name, "__substg1.0_%08X", static_cast<unsigned>(p.tag));
            WriteStream(storage, name, *p.data);
        }
        WriteStream(storage, "__properties_version1.0", stream);
    }

private:
    struct Prop {
        std::uint32_t tag;
        std::string value;  // the 8 bytes after tag and flags
        std::optional<std::string> data;
    };

    static std::string SizeField(std::size_t size) {
        if (size > 0x7FFFFFFF) throw ConvertError("a part of the message is too large");
        std::string v;
        PutLe32(v, static_cast<std::uint32_t>(size));
        PutLe32(v, 0);
        return v;
    }

    void Add(std::uint16_t id, std::uint16_t type, std::string value, std::optional<std::string> data) {
        props_.push_back({(static_cast<std::uint32_t>(id) << 16) | type, std::move(value), std::move(data)});
    }

    std::vector<Prop> props_;
};

std::string ExtensionOf(const std::string& name) {
    const std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot);
}

void WriteAttachment(GsfOutfile* root, std::size_t index, const MailAttachment& a) {
    char name[40];
    std::snprintf(name, sizeof name, "__attach_version1.0_#%08X", static_cast<unsigned>(index));
    Storage storage(root, name);

    PropertySet props;
    props.Long(kAttachNumber, static_cast<std::uint32_t>(index));
    props.Long(kAttachMethod, kAttachByValue);
    props.Long(kAttachSize, static_cast<std::uint32_t>(std::min<std::size_t>(a.data.size(), 0xFFFFFFFF)));
    props.Long(kRenderingPosition, 0xFFFFFFFF);
    props.Unicode(kDisplayName, a.fileName);
    props.Unicode(kAttachLongFilename, a.fileName);
    props.Unicode(kAttachFilename, ShortFileName(a.fileName));
    if (const std::string ext = ExtensionOf(a.fileName); !ext.empty()) props.Unicode(kAttachExtension, ext);
    if (!a.mimeType.empty()) props.Unicode(kAttachMimeTag, a.mimeType);
    if (!a.contentId.empty()) props.Unicode(kAttachContentId, a.contentId);
    if (!a.contentLocation.empty()) props.Unicode(kAttachContentLocation, a.contentLocation);
    if (a.inlinePicture) props.Long(kAttachFlags, kAttMhtmlRef);
    props.Bool(kAttachmentHidden, a.inlinePicture);
    props.Binary(kAttachDataBinary, a.data);
    props.WriteTo(storage.get(), std::string(8, '\0'));
}

void WriteMessage(GsfOutfile* root, const MailContent& mail) {
    const auto attachCount = static_cast<std::uint32_t>(mail.attachments.size());
    PropertySet props;
    props.Unicode(kMessageClass, "IPM.Note");
    props.Long(kMessageFlags, kMsgFlagUnsent | kMsgFlagRead);
    props.Long(kStoreSupportMask, kStoreUnicodeOk);
    if (mail.subject) {
        props.Unicode(kSubject, *mail.subject);
        props.Unicode(kSubjectPrefix, "");
        props.Unicode(kNormalizedSubject, *mail.subject);
    }
    if (mail.plain) props.Unicode(kBody, *mail.plain);
    if (mail.html) {
        props.Binary(kHtml, mail.html->bytes);
        props.Long(kInternetCodepage, mail.html->codePage);
    }
    props.Long(kNativeBody, mail.html ? kNativeBodyHtml : kNativeBodyPlain);

    // Reserved, next recipient ID, next attachment ID, recipient count,
    // attachment count, reserved: 32 bytes in a top-level message.
    std::string header(8, '\0');
    PutLe32(header, 0);
    PutLe32(header, attachCount);
    PutLe32(header, 0);
    PutLe32(header, attachCount);
    header.append(8, '\0');
    props.WriteTo(root, header);

    {
        // No named properties are used; readers still expect the three streams.
        Storage nameid(root, "__nameid_version1.0");
        for (const char* stream : {"__substg1.0_00020102", "__substg1.0_00030102", "__substg1.0_00040102"})
            WriteStream(nameid.get(), stream, {});
    }
    for (std::size_t i = 0; i < mail.attachments.size(); ++i) WriteAttachment(root, i, mail.attachments[i]);
}

bool IsShortNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::strchr("_-!#$%&'()@^`{}~", c) != nullptr;
}

std::string Filtered(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != '\0' && IsShortNameChar(c)) out += c;
    return out;
}

}  // namespace

std::string ShortFileName(const std::string& longName) {
    const std::size_t dot = longName.find_last_of('.');
    const std::string base = dot == std::string::npos ? longName : longName.substr(0, dot);
    const std::string ext = dot == std::string::npos ? std::string() : longName.substr(dot + 1);
    const std::string fBase = Filtered(base), fExt = Filtered(ext);
    if (!fBase.empty() && fBase == base && fExt == ext && base.size() <= 8 && ext.size() <= 3) return longName;
    std::string shortName = (fBase.empty() ? std::string("FILE") : fBase.substr(0, 6)) + "~1";
    if (!fExt.empty()) shortName += "." + fExt.substr(0, 3);
    return shortName;
}

std::string BuildMsg(const MailContent& mail) {
    static const bool initialised = [] {
        gsf_init();
        return true;
    }();
    (void)initialised;

    std::unique_ptr<GsfOutput, GUnref> sink(gsf_output_memory_new());
    {
        std::unique_ptr<GsfOutfile, GUnref> ole(gsf_outfile_msole_new(sink.get()));
        if (!ole) throw ConvertError("cannot create the message container");
        gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.get()), kMessageClassId);
        WriteMessage(ole.get(), mail);
        if (!gsf_output_close(GSF_OUTPUT(ole.get()))) throw ConvertError("cannot finish the message container");
    }
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    if (!bytes || size <= 0) throw ConvertError("the message container came out empty");
    return std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size));
}

void WriteMsgFile(const MailContent& mail, const std::string& target) {
    const std::string bytes = BuildMsg(mail);
    const auto fail = [&target](const std::string& reason) {
        return ConvertError("cannot write \"" + target + "\": " + reason);
    };

    std::string temp = target + ".XXXXXX";
    const int fd = g_mkstemp_full(temp.data(), O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) throw fail(std::strerror(errno));
    std::size_t done = 0;
    int err = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            err = n < 0 ? errno : EIO;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (err == 0 && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        throw fail(std::strerror(err));
    }
}

}  // namespace quillora::msgconvert
