#include "shell/CatalogueData.h"

// Texts of the layout gallery. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TLayoutsForm = R"TEXTS(
[Captions]
LayoutsForm
de "Vorlagen"
en "Templates"
Label1
de "Vorlagen"
en "Templates"
Label2
de "Klicken Sie doppelt auf die gewünschte Vorlage"
en "Doubleclick the desired template"
AbortBitBtn
de "Vorlage auswählen"
en "Choose Templates"

[Strings]
IDS_12
de "Klicken Sie doppelt auf das gewünschte Layout um es auszuwählen!"
en "Doubleclick the Template you want to select!"
)TEXTS";
