#include "shell/CatalogueData.h"

// The common catalogue of the start form: the product texts and the captions of the
// standard message dialogs. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TRegForm = R"TEXTS(
[Strings]
# The product's title; the same in both languages.
IDS_0
de "Quillora pro"
en ""
# The help page of the German interface.
IDS_4
de "help.html"
en ""

[Dialogs]
Warning
de "Warnung"
en "&Warning"
Error
de "Fehler"
en "&Error"
Information
de "Informationen"
en "&Information"
Confirm
de "Bestätigung"
en "&Confirm"
Yes
de "&Ja"
en "&Yes"
No
de "&Nein"
en "&No"
OK
de "OK"
en "&OK"
Cancel
de "Abbrechen"
en "&Cancel"
Abort
de "&Abbrechen"
en "&Abort"
Retry
de "&Wiederholen"
en "&Retry"
Ignore
de "&Ignorieren"
en "&Ignore"
All
de "&Alle"
en "&All"
No To All
de "&Alle Nein"
en "&No To All"
Yes To All
de "A&lle Ja"
en "&Yes To All"
Help
de "&Hilfe"
en "&Help"
)TEXTS";
