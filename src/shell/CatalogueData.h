#pragma once
// The catalogue texts compiled into the program, one source file per window
// (CatalogueT*.cpp), in the format described in shell/Catalogue.h.
#include <span>

namespace quillora {

struct CatalogueSource {
    const char* name;  // the window's class name
    const char* text;  // UTF-8
};

std::span<const CatalogueSource> BuiltInCatalogues();

namespace catalogue_text {
extern const char* const TRegForm;
extern const char* const TMainForm;
extern const char* const TCloseForm;
extern const char* const TTipForm;
extern const char* const TAboutBox;
extern const char* const TLayoutsForm;
extern const char* const TResizeForm;
extern const char* const TWebPicsForm;
extern const char* const TOnlineUpdate;
}  // namespace catalogue_text

}  // namespace quillora
