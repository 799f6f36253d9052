#include "shell/CatalogueData.h"

// Texts of the main window. Format: shell/Catalogue.h.
const char* const quillora::catalogue_text::TMainForm = R"TEXTS(
[Untranslated]
# The title shows the program and the template's file name.
MainForm
Language1
Deutsch1
English1
# Font names, and the sample that code writes in the chosen font.
FontComboBox
FontPanel

# ------------------------------------------------------------------ menus
[Captions]
Datei1
de "Datei"
en "File"
NeueVorlage2
de "Neue Vorlage"
en "New Template"
Vorlageffnen2
de "Vorlage öffnen"
en "Open Template"
Mustervorlageffnen1
de "Mustervorlage öffnen"
en "Open Example Templates"
Vorlagespeichern1
de "Vorlage speichern"
en "Save Template"
Vorlagespeichernunter2
de "Vorlage speichern unter..."
en "Save Template as..."
Exportierenals1
de "Exportieren als..."
en "Export as..."
HTMLDatei1
de "HTML Datei"
en "HTML File"
extDatei1
de "Text Datei"
en "Text File"
Exportieren1
de "E-Mail Datei"
en "E-Mail File"
Programmbeenden1
de "Programm beenden"
en "Close Program"
Expertenoptionen1
de "Expertenoptionen"
en "Expertoptions"
NewslettermitexternenBildern1
de "Newsletter mit externen Bildern"
en "Newsletter with external images"
mitOutlookExpressversenden1
de "mit Outlook Express versenden"
en "send with Outlook Express"
mitOutlookversenden2
de "mit Outlook versenden"
en "send with Outlook"
OutlookExpressVorlagespeichern1
de "Outlook Express Datei speichern..."
en "Save Outlook Express File"
OutlookVorlagespeichern1
de "Outlook Datei speichern..."
en "Save Outlook File"
RSSFeedausNewsletter1
de "RSS-Feed aus Newsletter"
en "RSS-Feed from Newsletter"
Hilfe1
de "Hilfe"
en "Help"
Hilfedatei1
de "Hilfedatei"
en "Helpfile"
Update1
de "Jetzt auf Updates überprüfen"
en "Check for Update"
NachUpdatessuchen1
de "beim Programmstart auf Updates überprüfen"
en "Check for Updates at startup"
Info2
de "Info"
en "Information"
# The pop-up menu of the single mail.
mitOutlookversenden1
de "mit Outlook versenden"
en "send with Outlook"
mitOulookExpressversenden1
de "mit Outlook Express versenden"
en "send with Outlook Express"

# ------------------------------------------------------------------ tool bar
DBAdvGlowButton1
de "Volage öffnen"
en "Open Template"
AdvGlowButton2
de "Mustervorlage öffnen"
en "Open Example Template"
AdvGlowButton3
de "Speichern"
en "Save"
SpeichernUnterBitBtn
de "Speichern unter..."
en "Save as..."
StartMailBitBtn
de "Einzelmail versenden"
en "Send Singlemail"
ZusatzProgrammeBitBtn
de "Serienmail Programm starten"
en "Startup SerialMail Tool"
HilfeGlowButton
de "Hilfe"
en "Help"

# ------------------------------------------------------------------ pages
AdvToolBarPager11
de "Newsmeldungen"
en "Newsblocks"
AdvToolBarPager12
de "Kopf- u. Fußzeile"
en "Header and footer"
AdvToolBarPager13
de "Grafiken"
en "Pictures"
AdvPage1
de "Farben und Schriften"
en "Colors and Fonts"
AdvPage2
de "Vorschau"
en "Preview"
AdvPage3
de "Einzelmail versenden"
en "Send Singlemail"
AdvPage4
de "Serienmail Programm starten"
en "Startup SerialMail Tool"
Label1
de "Bitte warten..."
en "Please wait..."

# ------------------------------------------------------------------ page "Newsmeldungen"
BlockListLabel
de "Meldungen des Newsletters:"
en "Newsblocks of the newsletter:"
NewBitBtn
de "Neue Meldung"
en "New Newsblock"
DeleteBitBtn
de "Meldung löschen"
en "Delete Newsblock"
GroupBox1
de "Artikelübersicht"
en "Article overview"
UebersichtCheckBox
de "Übersicht der Meldungen einfügen"
en "Insert an overview of the newsblocks"
Ubersichtedit
de "Überschrift der Übersicht"
en "Heading of the overview"
Nummerchk
de "Einträge nummerieren"
en "Number the entries"
HeadLineLabel
de "Überschrift für die Newsmeldung"
en "Headline of the newsblock"
LinkTextLabel
de "Text für den Link unter der Newsmeldung"
en "Text of the link below the newsblock"
URLLabel
de "Link-Adresse:"
en "Link address:"
GroupBox8
de "Bild der Meldung"
en "Picture of the newsblock"
BitBtn2
de "Bild öffnen"
en "Open Picture"
BitBtn5
de "kein Bild verwenden"
en "Use no Picture"
RbPicLeft
de "Bild links vom Text"
en "Picture left"
RBPicRigth
de "Bild rechts vom Text"
en "Picture right"
TabSheet9
de "WYSIWYG"
en "WYSIWYG"
TabSheet10
de "HTML"
en "HTML"
# Words on the editor's tool buttons.
SpeedButton2
de "Farbe"
en "Color"
btnFontBackColor
de "Link"
en "Link"
btnLeft
de "Links"
en "Left"
btnCenter
de "Mitte"
en "Center"
btnRight
de "Rechts"
en "Right"
SpeedButton1
de "Größe"
en "Size"
UndoButton
de "Undo"
en "Undo"
ToolButton6
de "Farbe"
en "Color"
ToolButton7
de "Links"
en "Left"
ToolButton8
de "Mitte"
en "Center"
ToolButton9
de "Rechts"
en "Right"
ToolButton10
de "Einzug"
en "Indent"
ToolButton5
de "Link"
en "Link"
BackToolButton
de "Rückgängig"
en "Undo"

# ------------------------------------------------------------------ page "Kopf- u. Fußzeile"
GroupBox9
de "Kopfzeile"
en "Header"
BetreffLabel
de "Betreff der E-Mail:"
en "Subject of Email:"
Titel1Label
de "Anrede (1. Zeile):"
en "Salutation (1st line):"
Titel2Label
de "Überschrift / Einleitung:"
en "Headline / Introduction:"
DateCheckBox
de "Datum anzeigen"
en "Show date"
GroupBox2
de "Fußzeile / Impressum"
en "Footer / Imprint"
ImpressumLabel
de "Impressum:"
en "Imprint:"
ZusatzLabel
de "Zusatztext:"
en "Additional text:"
ImpressumMailToLabel
de "Kontakt E-Mail:"
en "Contact e-mail:"
ImpressumURLLabel
de "Homepage:"
en "Homepage:"
HilfeBitBtn
de "Was sollte ausgefüllt werden?"
en "What should be filled out?"
GroupBox6
de "Unsubscribe Link (Newsletter abbestellen)"
en "Unsubscribe Link"
UnsubScribeLinkLabel
de "Link:"
en "Link:"
UnsubScribeTextLabel
de "Linktext:"
en "Link text:"
GroupBox10
de "Sprungmarken"
en "Jump marks"
AnchorChk
de "Sprungmarke ""nach oben"" unter jeder Meldung"
en "Jump mark ""to the top"" below every newsblock"
lbl1
de "Text:"
en "Text:"
lbl2
de "Ausrichtung:"
en "Alignment:"

# ------------------------------------------------------------------ page "Grafiken"
KopfGrafikBox
de "Kopfgrafik"
en "Header image"
TrennGrafikBox
de "Trenngrafik zwischen den Meldungen"
en "Separator between the newsblocks"
ImpressumGrafikBox
de "Trenngrafik über dem Impressum"
en "Separator above the imprint"
OpenKopfBitBtn
de "Kopfgrafik öffnen"
en "Open Header Image"
Open2BitBtn
de "Trenngrafik für News-Blöcke öffnen"
en "Open Separator Image"
nopicbtn1
de "Keine Trenngrafik"
en "No Separator Graphic"
KopfTrennlinieCheckBox
de "Trenngrafik unter Kopfzeile"
en "Separator also in Header"
Open3BitBtn
de "Trenngrafik für Impressum öffnen"
en "Open Footer Image"
GroupBox3
de "Ausrichtung"
en "Alignment"
GroupBox4
de "Ausrichtung"
en "Alignment"
GroupBox5
de "Ausrichtung"
en "Alignment"
Left1RadioButton
de "links"
en "left"
Center1RadioButton
de "zentriert"
en "centered"
Right1RadioButton
de "rechts"
en "right"
Left2RadioButton
de "links"
en "left"
Center2RadioButton
de "zentriert"
en "centered"
Right2RadioButton
de "rechts"
en "right"
Left3RadioButton
de "links"
en "left"
Center3RadioButton
de "zentriert"
en "centered"
Right3RadioButton
de "rechts"
en "right"

# ------------------------------------------------------------------ page "Farben und Schriften"
FarbenBox
de "Farben"
en "Colors"
TextcolorButton
de "Text Farbe"
en "Text Color"
LinkColorButton
de "Link Farbe"
en "Link Color"
BKGColorButton
de "Hintergrund Farbe"
en "Background Color"
BorderButton
de "Rahmen Farbe"
en "Border Color"
RahmenBox
de "Rahmen"
en "Border"
BorderCheckBox
de "Rahmen um Newsletter"
en "Border around Newsletter"
BorderLabel
de "Rahmenstärke:"
en "Bordersize:"
SchriftBox
de "Schrift"
en "Font"
GroupBox7
de "Hinweise und Tipps"
en "Hints and Tips"
Label16
de "Achten Sie auf einen guten Kontrast zwischen Text- und Hintergrundfarbe: dunkle Schrift auf hellem Grund liest sich am besten. Verwenden Sie wenige, aufeinander abgestimmte Farben."
en "Take care of a good contrast between text and background color: dark text on a light background is the easiest to read. Use a few colors that go well together."
BitBtn8
de "Wo sind die anderen Schriftarten?"
en "Where are the other fonts?"
BitBtn9
de "Warum kann ich nur eine Schrift wählen?"
en "Why can I choose only one font?"

# ------------------------------------------------------------------ tool tips
[Hints]
BitBtn6
de "Meldung nach oben verschieben"
en "Move newsblock up"
BitBtn7
de "Meldung nach unten verschieben"
en "Move newsblock down"
btnBold
de "Fettdruck"
en "Bold"
btnItalic
de "Kursiv"
en "Italic"
btnUnderline
de "Unterstrichen"
en "Underlined"
SpeedButton2
de "Textfarbe"
en "Textcolor"
btnLeft
de "Linksbündig"
en "Left aligned"
btnCenter
de "Zentriert"
en "Centered"
btnRight
de "Rechtsbündig"
en "Right aligned"
btnBullets
de "Aufzählung mit Punkten"
en "Listview"
btnNumbering
de "Nummerierte Aufzählung"
en "Numbered View"
SpeedButton1
de "Schriftgrösse"
en "Textsize"
cmbFontSize
de "Schriftgrösse"
en "Font Size"
UndoButton
de "Undo"
en "UnDo"
ToolButton6
de "Textfarbe ändern"
en "Change Text Color"
ToolButton1
de "Fett"
en "Bold"
ToolButton2
de "Kursiv"
en "Italic"
ToolButton3
de "Unterstrichen"
en "Underlined"
ToolButton7
de "Text linksbündig"
en "Left-justified text"
ToolButton8
de "Text zentriert"
en "Text centered"
ToolButton9
de "Text rechtsbündig"
en "Right-justified text"
ToolButton4
de "Aufzählung. Bitte markieren Sie jede Zeile einzeln, die einen Aufzählungspunkt erhalten soll!"
en "Enumeration. Please select each line individually, which is to receive a bullet!"
ToolButton10
de "Fügen Sie eine Einrückung hinzu!"
en "Add an indentation!"
ToolButton5
de "Hyperlink einfügen"
en "Add Link"
BackToolButton
de "Rückgänig [Strg +Z]"
en "Undo [Ctrl-Z]"
ComboBox2
de "Wählen Sie Ihre Betreff Erweiterung"
en "Please choose a Subject Enhancement"
helpbtn1
de "Was gehört in den Abmeldelink?"
en "What belongs in the unsubscribe link?"
BitBtn10
de "Nach dem Telemediengesetz drohen Bußgelder von bis zu 50.000 Euro, wenn eine Werbe-E-Mail nicht als solche zu erkennen ist. Wir empfehlen diese Kennzeichnung zu setzen!"
en "Under the German Telemedia Act fines of up to 50,000 euros are possible when an advertising e-mail cannot be recognised as such. We recommend to set this marker!"

# ------------------------------------------------------------------ lists
[Lists]
AnchorAlignCmbbx.Items
de links,mittig,rechts
en left,center,right
ComboBox2.Items
de "Betreff erweitern",[Newsletter],[Werbung],[Werbemail],[Kundeninformation],[Information]
en "Enhance Subject",[Newsletter],[Commercial],[Customerinformation],[Information]
ComboBox1.Items
de Schriftgröße,1,"2 (Standard)",3,4,5,6,7
en Fontsize,1,"2 (Standard)",3,4,5,6,7
cmbFontSize.Items
de 8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72
en 8,9,10,11,12,14,16,18,20,22,24,26,28,36,48,72

# ------------------------------------------------------------------ texts that code shows
# Pieces that code joins without a separator end with the blank between them.
[Strings]
# Captions of the mail-program menu items: IDS_0 and IDS_2 for the built-in mail
# program, IDS_3 and IDS_5 for Windows Live Mail. IDS_1, IDS_4 and IDS_6 are spare
# texts that no code shows.
IDS_0
de "mit Windows Mail versenden"
en "send with Windows Mail"
IDS_1
de "mit Windows Mail versenden"
en "send with Windows Mail"
IDS_2
de "EML Datei speichern..."
en "Save as EML File..."
IDS_3
de "mit Windows Live Mail versenden"
en "send with Windows Mail"
IDS_4
de "mit Windows Live Mail versenden"
en "send with Windows Live Mail"
IDS_5
de "Windows Live Mail Datei speichern..."
en "Save Windows Live Mail File..."
IDS_6
de "Windows Live Mail"
en "Windows Live Mail"

# The block list.
IDS_9
de "Neue  Meldung:"
en "New Message:"
IDS_10
de "Bitte zuerst einen Block zum Löschen auswählen!"
en "Please select a Newsblock before deleting"
IDS_11
de "Bitte zuerst einen Block zum Bearbeiten auswählen!"
en "Please select a Newsblock before editing"

# Font help "Wo sind die anderen Schriftarten?": IDS_12, two line breaks, IDS_13 to IDS_16.
IDS_12
de "Wo sind meine anderen Schiftarten?? Und warum man keine anderen benutzen sollte."
en "Where are my other fonts? And why I should not use other fonts?"
IDS_13
de "Schriftarten werden mit einem Newsletter nicht mitgeschickt. "
en "Fonts are not sent along with a newsletter. "
IDS_14
de "Ihre Leser sehen den Newsletter nur dann in der gewählten Schrift, wenn diese Schriftart auch auf ihrem eigenen Computer installiert ist; sonst setzt das E-Mail-Programm eine beliebige andere Schrift ein. "
en "Your readers see the newsletter in the chosen font only if that font is installed on their own computer as well; otherwise the e-mail program puts any other font in its place. "
IDS_15
de "Nur vier Schriftarten sind auf nahezu jedem Computer vorhanden: Arial, Verdana, Times New Roman und Courier. "
en "Only four fonts are available on nearly every computer: Arial, Verdana, Times New Roman and Courier. "
IDS_16
de "Verwenden Sie deshalb nur eine dieser vier Schriftarten."
en "That is why you should use only one of these four fonts."

# Font help "Warum kann ich nur eine Schrift wählen?": IDS_17, two line breaks, IDS_18 to IDS_21.
IDS_17
de "Warum kann ich nur eine Schriftart wählen?? Und warum kann ich diese nicht innerhalb des Newsletters wechseln?"
en "Why can not I just choose any font? And why I can not change it within the newsletter?."
IDS_18
de "Ein Newsletter soll schnell und bequem zu lesen sein. "
en "A newsletter should be quick and easy to read. "
IDS_19
de "Wechselnde Schriftarten innerhalb eines Textes ermüden das Auge des Lesers, "
en "Changing fonts within one text tire the reader's eyes, "
IDS_20
de "und ein ermüdeter Leser hört schnell auf zu lesen. "
en "and a tired reader soon stops reading. "
IDS_21
de "Darum gilt eine Schriftart für den ganzen Newsletter."
en "That is why one font applies to the whole newsletter."

# Imprint hint: IDS_22, two line breaks, IDS_23, a line break, IDS_24, two line breaks,
# IDS_25, then a line break before each of IDS_26 to IDS_29.
IDS_22
de "Information für deutsche Kunden!"
en "Information for german customers only!"
IDS_23
de "Seit dem Inkrafttreten des Gesetzes über elektronische Handelsregister (EHUG) am 01.01.2007 müssen Unternehmen auch in ihrer elektronischen Korrespondenz die Angaben zu ihrer Firma machen."
en "Since the law on electronic commercial registers (EHUG) came into force on 01.01.2007, companies must state their company details in their electronic correspondence as well."
IDS_24
de "Das gilt insbesondere auch für Newsletter."
en "This applies especially to newsletters."
IDS_25
de "Wir empfehlen im Impressum folgende Angaben:"
en "We recommend the following details in the imprint:"
IDS_26
de "- den vollständigen Firmennamen, wie er im Handelsregister eingetragen ist, mit der Rechtsform"
en "- the full company name as entered in the commercial register, with the legal form"
IDS_27
de "- den Sitz der Gesellschaft, das Registergericht und die Handelsregisternummer"
en "- the registered office, the register court and the commercial register number"
IDS_28
de "- bei einer GmbH alle Geschäftsführer, bei einer Aktiengesellschaft den Vorsitzenden des Vorstands und den Vorsitzenden des Aufsichtsrats"
en "- for a limited company all managing directors, for a stock corporation the chairman of the board and the chairman of the supervisory board"
IDS_29
de "Auch Unternehmen außerhalb Deutschlands empfehlen wir diese Angaben."
en "We recommend these details to companies outside Germany as well."

# File dialog filters: "name|pattern" pairs.
IDS_30
de "Outlook Nachricht|*.msg|EML Nachricht|*.eml"
en "Outlook Message|*.msg|EML Message|*.eml"
IDS_31
de "Outlook Nachricht|*.msg|Outlook Express Nachricht|*.eml"
en "Outlook Message|*.msg|Outlook Express Message|*.eml"
IDS_32
de "Outlook Nachricht|*.msg|EML Nachricht|*.eml"
en "Outlook Message|*.msg|EML Message|*.eml"
IDS_33
de "EML Nachricht|*.eml"
en "EML Message|*.eml"
IDS_34
de "Outlook Express Nachricht|*.eml"
en "Outlook Express Message|*.eml"
IDS_35
de "EML Nachricht|*.eml"
en "EML Message|*.eml"
IDS_36
de "Quillora|*.qrx"
en "Quillora|*.qrx"
IDS_37
de "Text Datei|*.txt|"
en "Text File|*.txt|"
IDS_39
de "HTML Datei|*.html|"
en "HTML File|*.html|"
IDS_72
de "Outlook Nachricht|*.msg"
en "Outlook Message|*.msg"

# RSS feed: filter, proposed name, and IDS_43 + file + IDS_44.
IDS_41
de "XML RSS Feed|*.xml"
en "XML RSS Feed|*.xml"
IDS_42
de "Newsfeed.xml"
en "Newsfeed.xml"
IDS_43
de "Die XML-RSS Feed wurde erfolgreich als "
en "The XML-RSS-Feed was succesfully written as "
IDS_44
de " geschrieben!"
en "!"

# Steps of the picture export.
IDS_46
de "Bitte wählen Sie einen Ordner, in dem Ihre Bilddateien lokal gespeichert werden sollen."
en "Please select a folder, where the Pictures should be installed locally."
IDS_47
de "Bildexport - Schritt 1"
en "Pictureexport - Step 1"
IDS_48
de "Ausgabeordner für Bilddateien auswählen - Schritt 2"
en "Choose Destinationfolder for Pictures - Step 2"
IDS_49
de "Bitte spielen Sie die exportierten Bilder in ein Verzeichnis Ihrer Internetseite und geben Sie im nachfolgenden Dialog deren Position an!"
en "Please upload the exported images in a directory of your website and enter the URL of this folder in the following dialog."
IDS_50
de "Bildexport - Schritt 3"
en "Pictureexport - Step 3"

# A saved message file: IDS_65 + file + IDS_66.
IDS_65
de "Fertig! Datei wurde unter "
en "Complete! File was saved under "
IDS_66
de " abgespeichert!"
en "!"

# The mail program is missing: IDS_73, a line break, IDS_74.
IDS_73
de "Es wurde keine Installation von Windows Live Mail gefunden, dieses zeigt unter Windows 7 EML-Dateien an!!"
en "No installation of Windows Live Mail is found, this is necessary to shows EML files in Windows 7!"
IDS_74
de "Möchten Sie Windows Live Mail kostenlos herunterladen?"
en "Would you like to download free Windows Live Mail?"

# Subject hint: IDS_76 to IDS_78 joined.
IDS_76
de "Bei Newslettern mit Werbecharakter empfehlen wir den Betreff zu erweitern, zum Beispiel um [Werbung] oder [Newsletter]. "
en "Newsletters with commercial character we recommend to enhance the Subject, for example with [Commercial] or [Newsletter]. "
IDS_77
de "Nach dem Telemediengesetz (TMG) dürfen bei einer Werbe-E-Mail in der Absender- und Betreffzeile weder der Absender noch der kommerzielle Charakter der Nachricht verschleiert oder verheimlicht werden. "
en "Under the German Telemedia Act (TMG) neither the sender nor the commercial character of an advertising e-mail may be disguised or concealed in the sender and subject lines. "
IDS_78
de "Eine Werbe-E-Mail muss für den Empfänger auf den ersten Blick als solche zu erkennen sein."
en "The recipient must be able to recognise an advertising e-mail as such at first sight."

IDS_79
de "Bitte geben Sie nur Zahlen ein!"
en "Please enter only numbers!"
IDS_83
de "Achtung! Es können keine leeren Blöcke verschoben werden!"
en "Attention! Empty blocks cannot be moved!"
IDS_199
de "Aus Kompatibilitätsgründen sollten Sie keine Sonderzeichen und Umlaute im Betreff Ihrer E-Mail benutzen! Diese Zeichen werden jetzt ersetzt!"
en "Due to compatibility reasons, you should not use special characters in the subject line of your e-mail! These characters will now be replaced!"
IDS_200
de "Fehler"
en "Error"
IDS_1302
de "Im Ordner Templates dürfen keine eigenen Vorlagen gespeichert werden! Bitte wählen Sie einen anderen Ordner!"
en "Don't save into Templates folder. Please use another folder!"

# Unsubscribe hint: IDS_1340 to IDS_1342 joined.
IDS_1340
de "Hier können Sie einen Link zur Abbestellung des Newsletter, sowie einen Linktext eingeben. Zum Beispiel: http://www.example.com/newsletter/abbestellen.html "
en "You can enter a link to unsubscribe, as well as a link text. For example: http://www.example.com/newsletter/unsubscribe.html "
IDS_1341
de "Sie können auch einen mailto-Link verwenden, der beim Leser das E-Mail-Programm mit einer fertigen Abmeldung öffnet, "
en "You can also use a mailto link, which opens the reader's e-mail program with a ready-made cancellation, "
IDS_1342
de "zum Beispiel: mailto:newsletter@example.com?subject=Newsletter abbestellen"
en "for example: mailto:newsletter@example.com?subject=Unsubscribe newsletter"
)TEXTS";
