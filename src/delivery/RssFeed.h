#pragma once
// The newsletter as an RSS 2.0 feed: one channel, one item per news block, for the
// sender's web site. Texts are Windows-1252 bytes; lines end with CR LF.
#include "document/BlockStore.h"
#include "document/NewsletterDocument.h"

#include <QDateTime>
#include <string>

namespace quillora {

// "Mon, 5 Mar 2012 14:03:09 +0100": the moment's own date and time with its real
// offset from UTC (for a local time that is the zone's offset on that day).
std::string RFC822Date(const QDateTime& moment);

// The feed text. Blocks come from their work files as last committed; every pubDate
// is `moment`. Throws FileError for an unreadable block.
std::string RssFeedBytes(const NewsletterDocument& doc, const BlockStore& store, const std::string& progFolder,
                         const QDateTime& moment);

// RssFeedBytes into `target`, replacing it atomically. Throws FileError and leaves an
// existing target untouched on failure.
void WriteRssFeed(const std::string& target, const NewsletterDocument& doc, const BlockStore& store,
                  const std::string& progFolder, const QDateTime& moment);

// The chosen name with ".xml" appended unless it already holds ".xml" somewhere
// (letter case counts: "feed.XML" becomes "feed.XML.xml").
std::string RssFeedFileName(const std::string& chosen);

// The save dialog's settings and the success message of the feed command.
inline constexpr const char* kRssDefaultExtension = "*.xml";
std::string RssFeedFilter();
std::string RssFeedDefaultName();
std::string RssFeedDoneMessage(const std::string& target);  // target: native path

}  // namespace quillora
