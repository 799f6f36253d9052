#include "render/PictureMode.h"

#include "document/TemplateFile.h"

namespace quillora {

PictureMode& RunPictureMode() {
    static PictureMode mode;
    return mode;
}

std::string PictureFileName(const std::string& picturePath) {
    std::string name = FileNamePart(picturePath);
    const bool driveLetter = name.size() >= 2 && name[1] == ':' &&
                             ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    if (driveLetter && name.size() == picturePath.size()) name.erase(0, 2);
    return name;
}

std::string PictureSrc(const std::string& picturePath, const PictureMode& mode) {
    const std::string name = PictureFileName(picturePath);
    return mode.externalImages ? mode.imageBaseURL + name : name;
}

}  // namespace quillora
