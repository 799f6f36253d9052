#pragma once
// Path rules of the template commands. Paths are native ("/" separates folders).
#include <string>

namespace quillora {

// Does the path lie in a ".../Quillora/Templates/" folder (letter case ignored)?
bool IsInTemplatesFolder(const std::string& path);

// Every "Quillora/Templates/" (letter case ignored) becomes "Quillora/", so that a
// sample's working copy is saved into the documents folder.
std::string RedirectTemplatesPath(const std::string& path);

// Appends ".qrx" to a chosen name without extension.
std::string WithTemplateExtension(const std::string& path);

}  // namespace quillora
