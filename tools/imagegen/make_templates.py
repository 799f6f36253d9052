#!/usr/bin/env python3
"""Writes the shipped templates and ver.ini into the data folder.

    make_templates.py [DATA_DIR]      (default: data/ of this repository)

The files are laid out exactly as the program's own writer lays them out, so a
shipped template and a saved one compare line by line: Windows-1252 bytes,
CR LF, "[SETTINGS]" with the 28 keys in fixed order, the three switch lines,
then per block a line holding one space, "[BLOCKnnn]" and six lines.
Picture paths keep the "$STARTPATH$" placeholder with Windows separators, the
form the program resolves at load time. Run quillora_imagegen first: every
referenced picture must exist in Images/ with exactly that name.
"""

import re
import sys
from pathlib import Path

VERSION = "1.0.0"

KEYS = [
    "Berteff", "KopfLogo", "LogoAlign", "Titel1", "Titel2", "DateText",
    "SeperatorNews", "SeperatorAlign", "SeperatorImpressum", "ImpressumAlign",
    "ImpressumText", "ImpressumZusatz", "ImpressumMailTo", "ImpressumURL",
    "TextColor", "LinkColor", "BKGColor", "Font", "UnsubscribeLink",
    "UnsubscribeText", "Uebersicht", "Anchor", "Anchortext", "Anchoralign",
    "Nummern", "UebersichtText", "Bordercolor", "Bordesize",
]
PICTURE_KEYS = ("KopfLogo", "SeperatorNews", "SeperatorImpressum")
COLOUR_KEYS = ("TextColor", "LinkColor", "BKGColor", "Bordercolor")
ALIGN_KEYS = ("LogoAlign", "SeperatorAlign", "ImpressumAlign", "Anchoralign")
BOOL_KEYS = ("Uebersicht", "Anchor", "Nummern")


def pic(name):
    return "$STARTPATH$Images\\" + name if name else ""


def block(headline, picture, link_text, url, side, body):
    return [headline, pic(picture), link_text, url, side, body]


# --- the default template ----------------------------------------------------

LINDENHOF = "https://www.lindenhof-design.example"

DEFAULT = dict(
    settings={
        "Berteff": "Newsletter Dezember - Neuigkeiten aus dem Lindenhof",
        "KopfLogo": pic("kopf_lindenhof.jpg"),
        "LogoAlign": "center",
        "Titel1": "$ANREDE $NAME",
        "Titel2": "Herzlich willkommen zur Dezember-Ausgabe unseres Newsletters! "
                  "Wir blicken auf ein Jahr voller Ideen zurück und stellen Ihnen "
                  "heute unsere Neuheiten für die Winterzeit vor.",
        "DateText": "Ausgabe vom",
        "SeperatorNews": pic("NEW2.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("NEW3.jpg"),
        "ImpressumAlign": "center",
        "ImpressumText": "Lindenhof Design GmbH · Am Lindenhof 4 · 79098 Freiburg im Breisgau",
        "ImpressumZusatz": "Geschäftsführer: Dr. Helena Brandt, Jonas Feld · "
                           "Registergericht: Amtsgericht Freiburg HRB 712345 · "
                           "USt-IdNr.: DE 123456789",
        "ImpressumMailTo": "info@lindenhof-design.example",
        "ImpressumURL": LINDENHOF,
        "TextColor": "#333333",
        "LinkColor": "#3E7A6B",
        "BKGColor": "#FFFFFF",
        "Font": "Verdana",
        "UnsubscribeLink": LINDENHOF + "/abmelden?email=$EMAIL",
        "UnsubscribeText": "Newsletter abbestellen",
        "Uebersicht": "TRUE",
        "Anchor": "TRUE",
        "Anchortext": "nach oben",
        "Anchoralign": "right",
        "Nummern": "TRUE",
        "UebersichtText": "Themen dieser Ausgabe:",
        "Bordercolor": "#A8C3BA",
        "Bordesize": "1",
    },
    border=True, date_on=True, head_separator=False,
    blocks=[
        block("Neue Wohnkollektion Winterlicht", "artikel_wohnen.jpg", "Zur Kollektion",
              LINDENHOF + "/kollektion/winterlicht", "left",
              "Warme Farben, weiche Stoffe und Möbel aus massiver Eiche: Unsere neue "
              "Kollektion <b>„Winterlicht“</b> bringt Gemütlichkeit in Ihr Zuhause. "
              "Entdecken Sie Sofas, Sessel und Beistelltische, die in unserer Werkstatt "
              "im Schwarzwald von Hand gefertigt werden.<br><br>Alle Stücke können Sie "
              "ab sofort in unserem Showroom probesitzen."),
        block("Adventsaktion: 20 % auf alle Leuchten", "artikel_gluehbirne.jpg", "Zum Angebot",
              LINDENHOF + "/angebote/leuchten", "right",
              "Bis zum 24. Dezember erhalten Sie <b>20 % Rabatt</b> auf unser gesamtes "
              "Leuchtensortiment – von der Pendelleuchte bis zur Stehlampe."
              "<ul><li>Designerleuchten aus Messing und Glas, ab 89 €</li>"
              "<li>Dimmbare LED-Lampen in Warmweiß</li>"
              "<li>Kostenlose Lichtberatung vor Ort</li></ul>"
              "Im Onlineshop geben Sie einfach den Code <i>WINTERLICHT</i> ein."),
        block("Öffnungszeiten zwischen den Jahren", "artikel_kalender.jpg", "Alle Termine",
              LINDENHOF + "/kontakt", "left",
              "Auch in der Weihnachtszeit sind wir gern für Sie da:"
              "<ul><li>23. Dezember: 10 bis 18 Uhr</li>"
              "<li>24. bis 26. Dezember: geschlossen</li>"
              "<li>27. bis 30. Dezember: 10 bis 16 Uhr</li>"
              "<li>31. Dezember und 1. Januar: geschlossen</li></ul>"
              "Ab dem 2. Januar gelten wieder unsere gewohnten Öffnungszeiten."),
        block("Geschenkgutscheine für Ihre Liebsten", "artikel_geschenk.jpg", "Gutschein bestellen",
              LINDENHOF + "/gutscheine", "right",
              "Sie suchen noch ein Geschenk? Mit einem <b>Lindenhof-Gutschein</b> schenken "
              "Sie Raum für eigene Ideen. Gutscheine gibt es im Wert von 25 € bis 500 € – "
              "als edle Karte im Umschlag oder als PDF zum Ausdrucken.<br>"
              "Was bis zum 21. Dezember bestellt wird, ist pünktlich zum Fest bei Ihnen."),
        block("Nachhaltig: Holz aus der Region", "artikel_blatt.jpg", "mehr lesen",
              LINDENHOF + "/nachhaltigkeit", "left",
              "Über 90 % unserer Möbel fertigen wir aus Holz, das in einem Umkreis von "
              "100 Kilometern gewachsen ist. Kurze Wege schonen die Umwelt, und Sie wissen "
              "genau, woher Ihr Lieblingsstück kommt.<br><br><i>„Gutes Design hält ein "
              "Leben lang“</i> – davon ist unsere Gründerin Helena Brandt überzeugt."),
        block("Adventskaffee im Showroom", "artikel_kaffee.jpg", "Jetzt anmelden",
              LINDENHOF + "/termine/adventskaffee", "right",
              "Am <b>14. Dezember</b> laden wir Sie von 14 bis 17 Uhr herzlich zu Kaffee, "
              "Stollen und Plätzchen ein. Lassen Sie sich von unseren Innenarchitektinnen "
              "zu Farben, Stoffen und Licht beraten – ganz entspannt und unverbindlich."),
        block("In eigener Sache", "", "", "", "left",
              "Wir danken Ihnen herzlich für Ihr Vertrauen im vergangenen Jahr und wünschen "
              "Ihnen und Ihrer Familie <b>frohe Weihnachten</b> und einen guten Start ins "
              "neue Jahr!<br><br>Ihr Team von Lindenhof Design"),
    ],
)

# --- the blank template that "New" starts from -------------------------------

BLANK = dict(
    settings={
        "Berteff": "",
        "KopfLogo": pic("NEW1.jpg"),
        "LogoAlign": "center",
        "Titel1": "",
        "Titel2": "",
        "DateText": "",
        "SeperatorNews": pic("NEW2.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("NEW3.jpg"),
        "ImpressumAlign": "center",
        "ImpressumText": "",
        "ImpressumZusatz": "",
        "ImpressumMailTo": "",
        "ImpressumURL": "",
        "TextColor": "#000000",
        "LinkColor": "#0000FF",
        "BKGColor": "#FFFFFF",
        "Font": "Arial",
        "UnsubscribeLink": "",
        "UnsubscribeText": "",
        "Uebersicht": "FALSE",
        "Anchor": "FALSE",
        "Anchortext": "nach oben",
        "Anchoralign": "right",
        "Nummern": "TRUE",
        "UebersichtText": "Übersicht:",
        "Bordercolor": "#000000",
        "Bordesize": "1",
    },
    border=False, date_on=True, head_separator=False,
    blocks=[],
)

# --- sample templates ---------------------------------------------------------

BAKERY = "https://www.baeckerei-kornblume.example"
SAMPLE_BAKERY = dict(
    settings={
        "Berteff": "Neues aus der Backstube Kornblume - April",
        "KopfLogo": pic("kopf_klassisch.jpg"),
        "LogoAlign": "center",
        "Titel1": "Liebe Freundinnen und Freunde frischer Backwaren,",
        "Titel2": "der Frühling ist da – und mit ihm neue Rezepte aus unserer Backstube. "
                  "Lesen Sie, was wir für Sie gebacken haben!",
        "DateText": "Backpost vom",
        "SeperatorNews": pic("trenner_creme.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("trenner_creme_fuss.jpg"),
        "ImpressumAlign": "center",
        "ImpressumText": "Bäckerei Kornblume e.K. · Mühlenweg 3 · 34117 Kassel",
        "ImpressumZusatz": "Inhaber: Martin Korn · Registergericht: Amtsgericht Kassel HRA 4711 · "
                           "USt-IdNr.: DE 987654321",
        "ImpressumMailTo": "post@baeckerei-kornblume.example",
        "ImpressumURL": BAKERY,
        "TextColor": "#4A3426",
        "LinkColor": "#B5561B",
        "BKGColor": "#FFF8EE",
        "Font": "Georgia",
        "UnsubscribeLink": "mailto:post@baeckerei-kornblume.example?subject=Backpost%20abbestellen",
        "UnsubscribeText": "Backpost abbestellen",
        "Uebersicht": "TRUE",
        "Anchor": "TRUE",
        "Anchortext": "nach oben",
        "Anchoralign": "center",
        "Nummern": "FALSE",
        "UebersichtText": "In dieser Backpost:",
        "Bordercolor": "#D9B98C",
        "Bordesize": "2",
    },
    border=True, date_on=True, head_separator=True,
    blocks=[
        block("Brot des Monats: Dinkel-Bauernlaib", "artikel_brot.jpg", "mehr lesen",
              BAKERY + "/brot-des-monats", "left",
              "Knusprige Kruste, saftige Krume: Unser <b>Dinkel-Bauernlaib</b> reift "
              "24 Stunden im Natursauerteig und wird im Steinofen gebacken.<br>"
              "Im April für nur <b>3,90 €</b> statt 4,60 €."),
        block("Frühlingstorte mit Rhabarber", "artikel_torte.jpg", "Jetzt vorbestellen",
              BAKERY + "/torten", "right",
              "Fruchtig, cremig, frühlingsfrisch: Unsere <i>Rhabarber-Sahnetorte</i> gibt es "
              "ab sofort an jedem Wochenende. Für Ihre Feier backen wir auch nach Wunsch – "
              "bitte bestellen Sie zwei Tage im Voraus."),
        block("Frühlingsfest am Mühlenweg", "artikel_fruehling.jpg", "Alle Infos",
              BAKERY + "/fruehlingsfest", "left",
              "Am 27. April feiern wir gemeinsam den Frühling:"
              "<ul><li>Schaubacken für Kinder</li><li>Kaffee und Kuchen im Hof</li>"
              "<li>Live-Musik ab 15 Uhr</li></ul>Der Eintritt ist frei!"),
        block("Neu: unser kleines Café", "artikel_kaffee.jpg", "mehr lesen",
              BAKERY + "/cafe", "right",
              "Gönnen Sie sich eine Pause! In unserem neuen Café servieren wir Kaffee aus "
              "einer Rösterei aus der Nachbarschaft, dazu Croissants, Quiche und Kuchen – "
              "täglich ab 7 Uhr."),
    ],
)

CLUB = "https://www.tsv-gruenwiesen.example"
SAMPLE_CLUB = dict(
    settings={
        "Berteff": "Vereinsnachrichten TSV 1921 - Saisonabschluss",
        "KopfLogo": pic("kopf_gruen.jpg"),
        "LogoAlign": "left",
        "Titel1": "Liebe Mitglieder, liebe Fans,",
        "Titel2": "was für eine Saison! Unsere erste Mannschaft hat den Aufstieg geschafft. "
                  "Hier lesen Sie alle Neuigkeiten aus dem Verein.",
        "DateText": "Stand:",
        "SeperatorNews": "",
        "SeperatorAlign": "left",
        "SeperatorImpressum": pic("trenner_gruen.jpg"),
        "ImpressumAlign": "left",
        "ImpressumText": "TSV Grünwiesen 1921 e.V. · Sportplatzweg 1 · 85540 Grünwiesen",
        "ImpressumZusatz": "Vertreten durch den Vorstand: Petra Lindner (1. Vorsitzende), "
                           "Ali Demir (Kassenwart) · Vereinsregister: Amtsgericht München VR 20519",
        "ImpressumMailTo": "geschaeftsstelle@tsv-gruenwiesen.example",
        "ImpressumURL": CLUB,
        "TextColor": "#243024",
        "LinkColor": "#1E7B3A",
        "BKGColor": "#FFFFFF",
        "Font": "Tahoma",
        "UnsubscribeLink": CLUB + "/newsletter/abmelden?email=$EMAIL",
        "UnsubscribeText": "Vom Newsletter abmelden",
        "Uebersicht": "TRUE",
        "Anchor": "TRUE",
        "Anchortext": "zurück nach oben",
        "Anchoralign": "left",
        "Nummern": "TRUE",
        "UebersichtText": "Die Themen:",
        "Bordercolor": "#1E7B3A",
        "Bordesize": "1",
    },
    border=False, date_on=False, head_separator=False,
    blocks=[
        block("Aufstieg in die Kreisliga!", "artikel_pokal.jpg", "Spielbericht lesen",
              CLUB + "/berichte/aufstieg", "left",
              "Mit einem 3:1-Sieg im letzten Heimspiel hat unsere erste Mannschaft den "
              "<b>Aufstieg in die Kreisliga</b> perfekt gemacht. Danke an alle Fans, die uns "
              "die ganze Saison über lautstark unterstützt haben!"),
        block("Sommercamp für Kinder und Jugendliche", "artikel_fussball.jpg", "Jetzt anmelden",
              CLUB + "/jugend/sommercamp", "right",
              "In den ersten beiden Ferienwochen findet wieder unser Fußball-Sommercamp statt:"
              "<ul><li>für Kinder von 6 bis 14 Jahren</li>"
              "<li>täglich von 9 bis 15 Uhr, mit Mittagessen</li>"
              "<li>Teilnahme 95 €, für Mitglieder 75 €</li></ul>"),
        block("Termine im Juli", "artikel_kalender.jpg", "Zum Vereinskalender",
              CLUB + "/termine", "left",
              "<b>5. Juli:</b> Mitgliederversammlung im Vereinsheim, 19 Uhr<br>"
              "<b>12. Juli:</b> Sommerfest mit Elfmeterturnier<br>"
              "<b>26. Juli:</b> Start der Saisonvorbereitung"),
    ],
)

SOFTWARE = "https://www.datenwerk-nordlicht.example"
SAMPLE_SOFTWARE = dict(
    settings={
        "Berteff": "Tech-Update: Version 5.2 ist da",
        "KopfLogo": pic("kopf_modern.jpg"),
        "LogoAlign": "center",
        "Titel1": "$ANREDE $NAME,",
        "Titel2": "in diesem Tech-Update stellen wir Ihnen die wichtigsten Neuerungen unserer "
                  "Software vor und laden Sie zu unserem nächsten Webinar ein.",
        "DateText": "Update vom",
        "SeperatorNews": pic("trenner_dunkel.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("trenner_dunkel_fuss.jpg"),
        "ImpressumAlign": "center",
        "ImpressumText": "Datenwerk Nordlicht GmbH · Hafenstraße 21 · 24103 Kiel",
        "ImpressumZusatz": "Geschäftsführung: Svenja Nordmann, Dr. Timo Berg · "
                           "Registergericht: Amtsgericht Kiel HRB 24680 · USt-IdNr.: DE 246813579",
        "ImpressumMailTo": "service@datenwerk-nordlicht.example",
        "ImpressumURL": SOFTWARE,
        "TextColor": "#E6E9EF",
        "LinkColor": "#5CE1E6",
        "BKGColor": "#1A2130",
        "Font": "Trebuchet MS",
        "UnsubscribeLink": SOFTWARE + "/newsletter/abmelden?email=$EMAIL",
        "UnsubscribeText": "Newsletter abbestellen",
        "Uebersicht": "FALSE",
        "Anchor": "FALSE",
        "Anchortext": "nach oben",
        "Anchoralign": "right",
        "Nummern": "TRUE",
        "UebersichtText": "Inhalt:",
        "Bordercolor": "#3A4456",
        "Bordesize": "1",
    },
    border=True, date_on=True, head_separator=True,
    blocks=[
        block("Version 5.2: schneller und sicherer", "artikel_laptop.jpg", "Versionshinweise",
              SOFTWARE + "/release/5-2", "right",
              "Die neue Version bringt spürbar mehr Tempo: Berichte entstehen "
              "<b>bis zu doppelt so schnell</b>."
              "<ul><li>Anmeldung mit zwei Faktoren</li>"
              "<li>Neue Schnittstelle zu Ihrer Buchhaltung</li>"
              "<li>Dunkles Farbschema für alle Module</li></ul>"
              "Das Update steht ab sofort für alle Kunden mit Wartungsvertrag bereit."),
        block("Automatische Updates einrichten", "artikel_zahnrad.jpg", "Zur Anleitung",
              SOFTWARE + "/hilfe/updates", "left",
              "Mit wenigen Klicks sorgt Ihr System selbst dafür, dass Sie immer auf dem "
              "neuesten Stand sind. Unsere Schritt-für-Schritt-Anleitung zeigt, wie es geht – "
              "<i>ganz ohne IT-Kenntnisse</i>."),
        block("Webinar: Kennzahlen im Blick", "artikel_diagramm.jpg", "Kostenlos anmelden",
              SOFTWARE + "/webinare", "right",
              "Am <b>18. März um 10 Uhr</b> zeigen wir Ihnen in 45 Minuten, wie Sie mit dem "
              "neuen Dashboard Umsatz, Auslastung und offene Posten auf einen Blick sehen. "
              "Die Teilnahme ist kostenlos."),
        block("Neuer Standort in Hamburg", "artikel_stadt.jpg", "mehr lesen",
              SOFTWARE + "/unternehmen/hamburg", "left",
              "Ab April finden Sie uns auch in Hamburg. Im neuen Büro am Hafen arbeiten zwölf "
              "Kolleginnen und Kollegen aus Beratung und Support – für noch kürzere Wege zu "
              "unseren Kunden im Norden."),
    ],
)

TRAVEL = "https://www.reisebuero-fernweh.example"
SAMPLE_TRAVEL = dict(
    settings={
        "Berteff": "Fernweh-Post: Sonne, Berge und Meer",
        "KopfLogo": pic("kopf_blau.jpg"),
        "LogoAlign": "center",
        "Titel1": "$ANREDE $NAME,",
        "Titel2": "die Tage werden länger – höchste Zeit, den nächsten Urlaub zu planen! "
                  "Hier sind unsere Reisetipps für den Sommer.",
        "DateText": "Reisepost vom",
        "SeperatorNews": pic("trenner_welle.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("NEW3.jpg"),
        "ImpressumAlign": "center",
        "ImpressumText": "Reisebüro Fernweh GmbH · Marktplatz 7 · 69117 Heidelberg",
        "ImpressumZusatz": "Geschäftsführerin: Carla Meyer · Registergericht: Amtsgericht "
                           "Mannheim HRB 334455 · USt-IdNr.: DE 112233445",
        "ImpressumMailTo": "info@reisebuero-fernweh.example",
        "ImpressumURL": TRAVEL,
        "TextColor": "#1F3A52",
        "LinkColor": "#0077B6",
        "BKGColor": "#FFFFFF",
        "Font": "Arial",
        "UnsubscribeLink": TRAVEL + "/abmelden?email=$EMAIL",
        "UnsubscribeText": "Reisepost abbestellen",
        "Uebersicht": "TRUE",
        "Anchor": "TRUE",
        "Anchortext": "nach oben",
        "Anchoralign": "right",
        "Nummern": "TRUE",
        "UebersichtText": "Unsere Reisetipps:",
        "Bordercolor": "#0077B6",
        "Bordesize": "4",
    },
    border=True, date_on=True, head_separator=False,
    blocks=[
        block("Inselträume am Mittelmeer", "artikel_strand.jpg", "Zum Angebot",
              TRAVEL + "/angebote/insel", "left",
              "Eine Woche im kleinen Familienhotel direkt am Meer, mit Frühstück und Flug "
              "ab Frankfurt:<br><b>ab 749 € pro Person</b><br>Die Bucht mit ihrem feinen "
              "Sandstrand liegt nur fünf Gehminuten entfernt."),
        block("Wandersommer in den Bergen", "artikel_berge.jpg", "Zum Angebot",
              TRAVEL + "/angebote/huettenwanderung", "right",
              "Sieben Tage, sechs Hütten, unzählige Gipfelblicke: Unsere geführte "
              "<i>Hüttenwanderung</i> ist ideal für alle mit etwas Trittsicherheit. "
              "Gepäcktransport und Halbpension sind inklusive."),
        block("Städtereise: Lissabon entdecken", "artikel_stadt.jpg", "mehr lesen",
              TRAVEL + "/staedtereisen/lissabon", "left",
              "Straßenbahnen, Aussichtspunkte und die besten Pastéis de Nata – vier Tage "
              "Lissabon mit zentralem Hotel und Stadtführung, <b>ab 489 € pro Person</b>."),
        block("Reise-Checkliste zum Herunterladen", "artikel_koffer.jpg", "Checkliste herunterladen",
              TRAVEL + "/service/checkliste.pdf", "right",
              "Nichts mehr vergessen: Unsere Packliste hilft bei den Vorbereitungen."
              "<ul><li>Reisedokumente und Versicherungen</li><li>Reiseapotheke</li>"
              "<li>Adapter und Ladekabel</li></ul>"),
    ],
)

BOOKS = "https://www.seitenwind.example"
SAMPLE_BOOKSHOP = dict(
    settings={
        "Berteff": "Lesetipps im Herbst - Buchhandlung Seitenwind",
        "KopfLogo": pic("kopf_rot.jpg"),
        "LogoAlign": "left",
        "Titel1": "Liebe Leserinnen und Leser,",
        "Titel2": "die Abende werden länger, der Tee dampft – die schönste Zeit für gute "
                  "Bücher. Hier sind unsere Empfehlungen.",
        "DateText": "Herbstausgabe vom",
        "SeperatorNews": pic("trenner_punkte.jpg"),
        "SeperatorAlign": "center",
        "SeperatorImpressum": pic("NEW3.jpg"),
        "ImpressumAlign": "left",
        "ImpressumText": "Buchhandlung Seitenwind · Inhaberin Paula Wendt · Lindenstraße 9 · 04109 Leipzig",
        "ImpressumZusatz": "USt-IdNr.: DE 556677889",
        "ImpressumMailTo": "hallo@seitenwind.example",
        "ImpressumURL": BOOKS,
        "TextColor": "#2B2024",
        "LinkColor": "#8B1E3F",
        "BKGColor": "#FFFFFF",
        "Font": "Times New Roman",
        "UnsubscribeLink": "mailto:hallo@seitenwind.example?subject=Newsletter%20abbestellen",
        "UnsubscribeText": "Newsletter abbestellen",
        "Uebersicht": "TRUE",
        "Anchor": "TRUE",
        "Anchortext": "zum Anfang",
        "Anchoralign": "left",
        "Nummern": "TRUE",
        "UebersichtText": "Heute im Newsletter:",
        "Bordercolor": "#8B1E3F",
        "Bordesize": "1",
    },
    border=False, date_on=True, head_separator=True,
    blocks=[
        block("Unsere Buchtipps für den Herbst", "artikel_buecher.jpg", "Alle Tipps ansehen",
              BOOKS + "/buchtipps", "left",
              "<b>Roman:</b> eine Familiengeschichte zwischen Ostsee und Großstadt, warmherzig "
              "und klug erzählt.<br><b>Sachbuch:</b> wie Bäume miteinander in Verbindung "
              "stehen – faszinierend und leicht verständlich.<br><b>Kinderbuch:</b> ein "
              "mutiger kleiner Fuchs auf großer Reise, zum Vorlesen ab 4 Jahren."),
        block("Lesung mit Tee und Gebäck", "artikel_kaffee.jpg", "Platz reservieren",
              BOOKS + "/lesungen", "right",
              "Am <b>24. Oktober um 19:30 Uhr</b> liest die Autorin Marie Sander aus ihrem "
              "neuen Roman. Im Eintritt von 8 € ist ein Getränk enthalten. Die Plätze sind "
              "begrenzt – reservieren Sie am besten gleich."),
        block("Bequem vorbestellen", "", "Jetzt bestellen", BOOKS + "/bestellen", "left",
              "Sie möchten ein Buch, das gerade nicht im Regal steht? Wir bestellen es für "
              "Sie – meist liegt es <i>schon am nächsten Morgen</i> zur Abholung bereit. "
              "Einfach anrufen, mailen oder vorbeikommen!"),
    ],
)

FILES = [
    ("Quillora_Vorlage.qrx", DEFAULT),
    ("NEW2.QRX", BLANK),
    ("Vorlagen/Quillora_Vorlage-1.qrx", SAMPLE_BAKERY),
    ("Vorlagen/Quillora_Vorlage-2.qrx", SAMPLE_CLUB),
    ("Vorlagen/Quillora_Vorlage-3.qrx", SAMPLE_SOFTWARE),
    ("Vorlagen/Quillora_Vorlage-4.qrx", SAMPLE_TRAVEL),
    ("Vorlagen/Quillora_Vorlage-5.qrx", SAMPLE_BOOKSHOP),
]


def picture_name(path):
    return re.split(r"[\\/]", path)[-1]


def check(name, t, images):
    """Catches what the program would silently get wrong when loading."""
    s = t["settings"]
    problems = []
    if list(s) != KEYS:
        problems.append("keys missing, extra or out of order")
    for k, v in s.items():
        if "\r" in v or "\n" in v:
            problems.append(f"{k} holds a line break")
        if v != v.strip():
            problems.append(f"{k} has blanks at its ends (the reader trims them)")
    for k in COLOUR_KEYS:
        if not re.fullmatch(r"#[0-9A-F]{6}", s[k]):
            problems.append(f"{k} is not # + six upper-case hex digits")
    for k in ALIGN_KEYS:
        if s[k] not in ("left", "center", "right"):
            problems.append(f"{k} is not left/center/right")
    for k in BOOL_KEYS:
        if s[k] not in ("TRUE", "FALSE"):
            problems.append(f"{k} is not TRUE/FALSE")
    if not re.fullmatch(r"\d{1,2}", s["Bordesize"]):
        problems.append("Bordesize is not one or two digits")
    # The subject rules rewrite these characters as soon as the field changes.
    if any(c in s["Berteff"] for c in "&ßäöüÄÖÜ") or not s["Berteff"].isascii():
        problems.append("subject holds characters the subject rules would replace")
    paths = [s[k] for k in PICTURE_KEYS] + [b[1] for b in t["blocks"]]
    for p in paths:
        if p and picture_name(p) not in images:
            problems.append(f"picture {picture_name(p)} is not in Images/")
    for i, b in enumerate(t["blocks"], 1):
        if len(b) != 6 or any("\r" in x or "\n" in x for x in b):
            problems.append(f"block {i} is not six single lines")
        if b[4] not in ("left", "right"):
            problems.append(f"block {i} side is not left/right")
        if b[0].strip() != b[0] or not b[0]:
            problems.append(f"block {i} headline is empty or padded")
        if "MELDUNG" in b[0].upper():
            problems.append(f"block {i} headline would be dropped from the overview")
        if bool(b[2]) != bool(b[3]):
            problems.append(f"block {i} has a link text without URL or the other way round")
    return [f"{name}: {p}" for p in problems]


def render(t):
    lines = ["[SETTINGS]"]
    lines += [f"{k}={t['settings'][k]}" for k in KEYS]
    lines.append("Border=" + ("TRUE" if t["border"] else "FALSE"))
    lines.append("DateOn=" + ("TRUE" if t["date_on"] else "FALSE"))
    lines.append("HeadSeperator=" + ("TRUE" if t["head_separator"] else "False"))
    for n, b in enumerate(t["blocks"], 1):
        lines.append(" ")
        lines.append(f"[BLOCK{n:03d}]")
        lines += b
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def main():
    data = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "data"
    images_dir = data / "Images"
    images = set(p.name for p in images_dir.iterdir()) if images_dir.is_dir() else set()

    problems = [p for name, t in FILES for p in check(name, t, images)]
    if problems:
        print("\n".join(problems), file=sys.stderr)
        return 1
    for name, t in FILES:
        target = data / name
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_bytes(render(t))
        print(f"{name}: {len(t['blocks'])} blocks")
    (data / "ver.ini").write_bytes((VERSION + "\r\n").encode("ascii"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
