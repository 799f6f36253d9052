#include "shell/CatalogueData.h"

// Texts of the tip of the day. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TTipForm = R"TEXTS(
[Captions]
TipForm
de "Tipp"
en "Tip"
CheckBox1
de "Diese Meldung nicht mehr anzeigen"
en "Don't show this message again!"
BitBtn1
de "OK"
en "OK"

[Lists]
# One item per line of the tip; "" is an empty line.
Memo1.Lines
de "Verwenden Sie eine der bereits mitgelieferten "
de "Vorlagen für Ihren Newsletter. Klicken Sie hierzu "
de "auf den Button ""Vorlage öffnen"".", "", ""
de "Sie können aber auch Ihre eigenen Firmenköpfe "
de "und Grafiken verwenden."
en "Use one of the provided Newsletter Templates. To use them just click the Menuitem "
en """Open Template"" in the ""File"" section", ""
en "Naturally you can use your own companygraphics as well."
)TEXTS";
