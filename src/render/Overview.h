#pragma once
// The article overview at the top of the page and the jump marks that its links and the
// jump-back links aim at. The overview is built from the block-list texts
// ("Meldung3:  Headline"), so it shows each headline as the list shows it.
#include "document/NewsletterDocument.h"

#include <string>

namespace quillora {

// The overview text: one string whose entries are separated by bare carriage returns
// and that holds no line feed. Unconverted; the page passes it through ConvertString.
std::string MakeOverview(const NewsletterDocument& doc);

// What is left of a block-list text once "Meldung<n>:  " is cut off.
std::string OverviewHeadline(const std::string& listText);

// Whether a headline gets an overview entry. Headlines of empty blocks leave
// "eldung<n>:" behind and must not be listed. The test is kept as it has always been,
// so existing newsletters keep the entries they had.
bool IsListedInOverview(const std::string& headline);

// The anchor that opens block row `number` (counting from 1) and that the overview
// entry links to.
std::string BlockAnchor(int number);

// The jump-back line written under every block while jump marks are on.
std::string JumpBackLine(const Settings& settings);

}  // namespace quillora
