#pragma once
// The one HTML page that the preview shows, the HTML export writes and the mail files
// embed. Its markup is old HTML 4 whose every byte, odd quotes and unclosed tags
// included, is kept as mail recipients have always received it.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"
#include "render/PictureMode.h"

#include <QDate>
#include <QLocale>
#include <functional>
#include <string>

namespace quillora {

// The newsletter date as the date picker shows it: the short date format of the
// locale, with a two-digit year widened to four ("11.12.2026"). cp1252.
std::string NewsletterDateText(const QDate& date, const QLocale& locale = QLocale::system());

// Called with the stored path of every picture at the point where its src is written.
using PictureSink = std::function<void(const std::string& picturePath)>;

// The bytes of the page: lines ended by CR LF, texts unchanged (cp1252). Block work
// files come from `store`, read as ReadBlock reads them ($STARTPATH$ is resolved against
// the native `progFolder`); `dateText` is the shown newsletter date. A work file that
// cannot be read is rendered as an empty block, so the anchors keep their numbers.
std::string PageText(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                     const std::string& dateText, const PictureMode& mode = RunPictureMode(),
                     const PictureSink& picture = {});

// Copies a picture (stored cp1252 path) into `folder` (native) under its file name,
// replacing a file of that name. A path that does not exist here is looked up in the
// Images folder of `progFolder` by its file name, as templates from Windows need. A
// missing or empty path, or a copy onto itself, is passed over; false then.
bool CopyPictureInto(const std::string& picturePath, const std::string& folder, const std::string& progFolder);

// Writes the page to `outputPath` (native) and copies every picture it shows beside
// it. The old file is removed first, so a page that cannot be written leaves no stale
// page behind; false then. Nothing is reported: callers that must tell the user do so.
bool MakeHTML(const std::string& outputPath, const NewsletterDocument& doc, const BlockStore& store,
              const std::string& progFolder, const std::string& dateText);

// As above with the document's own newsletter date in the system's short format.
bool MakeHTML(const std::string& outputPath, const NewsletterDocument& doc, const BlockStore& store,
              const std::string& progFolder);

}  // namespace quillora
