#include "document/TemplatePaths.h"

#include "render/TextConversions.h"

#include <filesystem>

namespace quillora {
namespace {

constexpr const char* kTemplatesPart = "QUILLORA/TEMPLATES/";

}  // namespace

bool IsInTemplatesFolder(const std::string& path) {
    return UpperAscii(path).find(kTemplatesPart) != std::string::npos;
}

std::string RedirectTemplatesPath(const std::string& path) {
    const std::string upper = UpperAscii(path);
    const std::string part = kTemplatesPart;
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = upper.find(part); at != std::string::npos; at = upper.find(part, from)) {
        out += path.substr(from, at - from);
        out += path.substr(at, 9);  // "Quillora/" as the path spells it
        from = at + part.size();
    }
    return out + path.substr(from);
}

std::string WithTemplateExtension(const std::string& path) {
    const std::filesystem::path p(path);
    return p.has_extension() ? path : path + ".qrx";
}

}  // namespace quillora
