#include "shell/CatalogueData.h"

// Texts of the save-changes prompt. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TCloseForm = R"TEXTS(
[Captions]
CloseForm
de "Quillora pro"
en "Quillora pro"
Label1
de "Wollen Sie die Änderungen in dieser Vorlage speichern?"
en "Do you want to save changes to your template file?"
# The four answers, left to right.
JaBitBtn
de "Ja"
en "Yes"
SpeichernUnterBitBtn
de "Speichern unter..."
en "Save as..."
NeinBitBtn
de "Nein"
en "No"
AbbrechenBitBtn
de "Abbrechen"
en "Cancel"
)TEXTS";
