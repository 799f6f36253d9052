#include "MsgReader.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-stdio.h>
#include <gsf/gsf-utils.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace quillora::msgconvert::test {

namespace {

GsfInput* Find(GsfInfile* root, const std::string& path) {
    GsfInput* cur = GSF_INPUT(g_object_ref(root));
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t slash = path.find('/', pos);
        if (slash == std::string::npos) slash = path.size();
        const std::string name = path.substr(pos, slash - pos);
        GsfInput* next = GSF_IS_INFILE(cur) ? gsf_infile_child_by_name(GSF_INFILE(cur), name.c_str()) : nullptr;
        g_object_unref(cur);
        if (!next) return nullptr;
        cur = next;
        pos = slash + 1;
    }
    return cur;
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::vector<gunichar2> units(bytes.size() / 2);
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<gunichar2>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    gchar* s = g_utf16_to_utf8(units.data(), static_cast<glong>(units.size()), nullptr, nullptr, nullptr);
    std::string out = s ? s : "<invalid UTF-16>";
    g_free(s);
    return out;
}

std::string SubstgName(std::uint32_t tag) {
    char name[32];
    std::snprintf(name, sizeof name, "__substg1.0_%08X", static_cast<unsigned>(tag));
    return name;
}

std::string Join(const std::string& storage, const std::string& name) {
    return storage.empty() ? name : storage + "/" + name;
}

}  // namespace

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + i));
    return v;
}

std::uint32_t PropertyEntry::Long() const { return Le32(value, 0); }

MsgFile::MsgFile(const std::string& path) {
    gsf_init();
    GError* err = nullptr;
    GsfInput* in = gsf_input_stdio_new(path.c_str(), &err);
    if (in) {
        infile_ = gsf_infile_msole_new(in, &err);
        g_object_unref(in);
    }
    if (err) {
        ADD_FAILURE() << path << ": " << err->message;
        g_error_free(err);
    }
    if (!infile_) ADD_FAILURE() << path << " is no compound file";
}

MsgFile::~MsgFile() {
    if (infile_) g_object_unref(infile_);
}

bool MsgFile::Exists(const std::string& path) const {
    if (!infile_) return false;
    GsfInput* in = Find(GSF_INFILE(infile_), path);
    if (in) g_object_unref(in);
    return in != nullptr;
}

std::vector<std::string> MsgFile::Children(const std::string& storage) const {
    std::vector<std::string> names;
    if (!infile_) return names;
    GsfInput* in = Find(GSF_INFILE(infile_), storage);
    if (in && GSF_IS_INFILE(in))
        for (int i = 0; i < gsf_infile_num_children(GSF_INFILE(in)); ++i)
            names.emplace_back(gsf_infile_name_by_index(GSF_INFILE(in), i));
    if (in) g_object_unref(in);
    return names;
}

std::string MsgFile::Stream(const std::string& path) const {
    if (!infile_) return {};
    GsfInput* in = Find(GSF_INFILE(infile_), path);
    if (!in) {
        ADD_FAILURE() << "missing stream " << path;
        return {};
    }
    std::string data(static_cast<std::size_t>(gsf_input_size(in)), '\0');
    if (!data.empty() && !gsf_input_read(in, data.size(), reinterpret_cast<guint8*>(data.data())))
        ADD_FAILURE() << "cannot read " << path;
    g_object_unref(in);
    return data;
}

std::string MsgFile::Header(const std::string& storage, std::size_t headerSize) const {
    return Stream(Join(storage, "__properties_version1.0")).substr(0, headerSize);
}

std::map<std::uint32_t, PropertyEntry> MsgFile::Properties(const std::string& storage, std::size_t headerSize) const {
    const std::string s = Stream(Join(storage, "__properties_version1.0"));
    std::map<std::uint32_t, PropertyEntry> props;
    if (s.size() < headerSize || (s.size() - headerSize) % 16 != 0) {
        ADD_FAILURE() << storage << ": property stream of " << s.size() << " bytes does not fit a header of "
                      << headerSize << " and 16-byte entries";
        return props;
    }
    for (std::size_t at = headerSize; at < s.size(); at += 16)
        props[Le32(s, at)] = PropertyEntry{Le32(s, at + 4), s.substr(at + 8, 8)};
    return props;
}

std::string MsgFile::Unicode(const std::string& storage, std::size_t headerSize, std::uint32_t tag) const {
    const auto props = Properties(storage, headerSize);
    const auto it = props.find(tag);
    if (it == props.end()) {
        ADD_FAILURE() << storage << ": no entry for " << SubstgName(tag);
        return {};
    }
    const std::string data = Stream(Join(storage, SubstgName(tag)));
    EXPECT_EQ(it->second.Long(), data.size() + 2) << SubstgName(tag);
    EXPECT_EQ(data.size() % 2, 0u) << SubstgName(tag);
    return Utf16LeToUtf8(data);
}

std::string MsgFile::Binary(const std::string& storage, std::size_t headerSize, std::uint32_t tag) const {
    const auto props = Properties(storage, headerSize);
    const auto it = props.find(tag);
    if (it == props.end()) {
        ADD_FAILURE() << storage << ": no entry for " << SubstgName(tag);
        return {};
    }
    const std::string data = Stream(Join(storage, SubstgName(tag)));
    EXPECT_EQ(it->second.Long(), data.size()) << SubstgName(tag);
    return data;
}

}  // namespace quillora::msgconvert::test
