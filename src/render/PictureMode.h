#pragma once
// How the page refers to its pictures. These are values of the running program, not of
// the document: the external-picture export switches them on, the ordinary send
// commands switch them off again, and they last until changed or until the program ends.
#include <string>

namespace quillora {

struct PictureMode {
    bool externalImages = false;
    std::string imageBaseURL;  // cp1252, the web folder with its final "/"
};

// The one instance of the running program.
PictureMode& RunPictureMode();

// The file-name part of a stored picture path: after the last "\" or "/", or after a
// drive colon ("C:bild.jpg").
std::string PictureFileName(const std::string& picturePath);

// What a src attribute holds for a picture: the bare file name, or while external
// pictures are in force the base URL followed directly by it.
std::string PictureSrc(const std::string& picturePath, const PictureMode& mode = RunPictureMode());

}  // namespace quillora
