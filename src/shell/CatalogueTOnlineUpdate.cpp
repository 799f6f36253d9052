#include "shell/CatalogueData.h"

// Texts that the online update hands to the update component, IDS_3 first. Format:
// shell/Catalogue.h.
const char* const quillora::catalogue_text::TOnlineUpdate = R"TEXTS(
[Strings]
IDS_3
de "Online Aktualisierung"
en "Online Update"
IDS_4
de "Suche nach Aktualisierungen..."
en "Checking for updates..."
IDS_5
de "Lade Dateien herunter..."
en "Downloading files..."
IDS_6
de "Prozesss fertig!"
en "Update completed!"
IDS_7
de "Aktuelle Version: "
en "Update Version: "
IDS_8
de "Ziel: %s"
en "Destination: %s"
IDS_9
de "Quelle: %s"
en "Source: %s"
IDS_10
de "Datei: %s"
en "File: %s"
IDS_11
de "Empfange Datei Information... Bitte warten."
en "Retreiving file information... please wait."
IDS_12
de "Fortschritt: %d.%.2d min, Verbleibend: %d.%.2d min  (%.2n von %.2n Kb)"
en "Elapsed: %d.%.2d min, Remaining: %d.%.2d min  (%.2n of %.2n Kb)"
IDS_13
de "Lade Datei %d von %d herunter"
en "Downloading file %d of %d"
IDS_14
de "Installiere Datei %d von %d"
en "Installing file %d of %d"
IDS_15
de "Installationsdatei wurde erfolgreich heruntergeladen. Drücken Sie OK um das Setup zu starten."
en "Setup downloaded successfully. Press OK to start setup."
IDS_16
de "Das Programm %s ist noch geöffnet. Bitte schliessen Sie das Programm und drücken Sie OK."
en "The application, %s, is open. Close the application and press OK to continue."
IDS_17
de "Das Programm ist noch geöffnet. Wollen Sie das Programm schliessen?"
en "Application is still open. Do you want Net Update to close the application?"
IDS_18
de "&Yes"
en "Yes"
IDS_19
de "&No"
en "No"
IDS_20
de "&OK"
en ""
IDS_21
de "&Cancel"
en "Cancel"
IDS_22
de "&Next >"
en "Next >"
IDS_23
de "&Later"
en "Later"
IDS_24
de "&Finish"
en "Finish"
IDS_25
de "Warnung"
en "Warning"
IDS_26
de "Fehler"
en "Error"
IDS_27
de "Information"
en "Information"
IDS_28
de "Eine neue Version ist verfügbar."
en "A new version is availabe."
IDS_29
de "Möchten Sie diese Installationsdatei herunterladen und ausführen?"
en "Do you want to download latest version?"
IDS_30
de "Es ist keine neuere Version verfügbar!"
en "No newer version is available."
IDS_31
de "Aktualisierung abgebrochen. Folgende Datei wurde nicht gefunden: %s"
en "Update cancelled. File not found: %s"
IDS_32
de "Aktualisierung abgebrochen. Datei korrupt: %s"
en "Update cancelled. File corrupt: %s"
IDS_33
de "Sind Sie sicher, daß Sie das Programm schließen möchten?"
en "Are you sure you want to exit?"
IDS_34
de "Zielserver ist nicht erreichbar. Bitte überprüfen Sie Ihre Internet Einstellungen."
en "Host is unreachable. Please check your Internet connection."
IDS_35
de "Die Aktualisierung ist noch nicht abgeschlossen. Möchten Sie wirklich abbrechen?"
en "The update is not complete. Are you sure you want to cancel?"
IDS_36
de "Fehler 404 - auf folgende Datei kann nicht zugegriffen werden:"
en "Error 404: - File not found or inaccessible: "
IDS_37
de "Verbindung zum Server wurde unterbrochen. Bitte stellen Sie diese wieder her und versuchen Sie es erneut."
en "Connection with remote server lost. Restore connection and try again."
)TEXTS";
