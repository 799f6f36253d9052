#include "shell/CatalogueData.h"

// Texts of the web picture picker. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TWebPicsForm = R"TEXTS(
[Untranslated]
# The address the user types; it starts as IDS_0.
Edit1

[Captions]
WebPicsForm
de "Bilderziel wählen - Schritt 4"
en "Choose Picture Destination - Step 4"
Label1
de "Tragen Sie bitte den Pfad Ihrer Homepage sowie das Verzeichnis ein, in das Sie die vorhin erzeugten Grafiken abgelegt haben."
en "Please enter the path on your Homepage, where you want to place the created Images."
Label2
de "Überprüfen Sie, ob Sie die Daten korrekt hochgeladen haben, indem Sie die folgenden Links anklicken. Daraufhin sollte das entsprechende Bild im Webbrowser erscheinen."
en "Please take sure that the Data was correctly uploaded, by clicking the following links. If everything's OK you should see the Image in your Webbrowser!"
Weiter
de "Pfad übernehmen und weiter"
en "Assume Path and continue"

[Strings]
# Sample address of the picture folder on the sender's web site.
IDS_0
de "http://www.ihre-domain.example/bilder/"
en "http://www.your-domain.example/images/"
)TEXTS";
