#include "shell/CatalogueData.h"

// Texts of the about box. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TAboutBox = R"TEXTS(
[Untranslated]
# Code fills the title and these labels from the product texts.
AboutBox
ProductName
VersionLabel
URLLabel
EmailLabel

[Captions]
UpdateButton
de "Update suchen"
en "Search Update"
OKButton
de "OK"
en "OK"

[Strings]
# The notice before the maker's name; the same in both languages.
IDS_0
de "Copyright © "
en ""
)TEXTS";
