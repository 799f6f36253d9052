#include "shell/CatalogueData.h"

// Texts of the picture resize dialog. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TResizeForm = R"TEXTS(
[Untranslated]
XEdit
# Code writes IDS_0 + the quality + "%" whenever the track bar moves.
lbl1

[Captions]
ResizeForm
de "Bild"
en "Picture"
# Label1, the width, Label3 read as one sentence.
Label1
de "Bild auf die empfohlene Breite von"
en "Change Picture width to the recommended width of"
Label3
de "Pixel ändern?"
en "Pixels?"
Label2
de "Bild glätten (Antialias)"
en "Glaze Picture (Antialias)"
BitBtn1
de "Größe verändern"
en "Yes"
BitBtn2
de "Größe beibehalten"
en "No"

[Hints]
TrackBar1
de "Stellen Sie hier die Qualität ein, die Ihr Bild haben soll."
de "ACHTUNG je höher die Qualität um so größer die Datei!"
en "Please adjust the Quality your picture should have."
en "ATTENTION! The higher the Quality bigger the Filesize!"

[Strings]
IDS_0
de "Bildqualität (Kompression) "
en "Picturequality (Compression) "
IDS_1
de "Fehler"
en "Error"
IDS_2
de "Bitte geben Sie nur ganzzahlige Werte ein!"
en "Please enter only integer values!"
IDS_5
de "Die minimale Bildgröße liegt bei zwei Pixeln!"
en "The minimum image size is two pixels!"
)TEXTS";
