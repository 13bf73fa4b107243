// The page list of the print range dialog ("1-5;10;6"): single pages and
// ascending ranges separated by ";", read in their typed order.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

struct tPageList {
  std::vector<int32_t> Pages;  // in typed order; repeats kept
  QStringList Messages;        // German, one per fault; empty when valid
  bool Valid() const { return Messages.isEmpty(); }
};

// Reads `text` for a job of `pageCount` pages. Blanks and middle dots around
// the text are ignored; a ";" at the end is allowed. Every character that is
// not a digit, "-" or ";" gets a message of its own; otherwise the first
// fault (an empty list, a missing number, a descending range, a page outside
// 1..pageCount) is the only message. An invalid list has no pages. The
// texts come from the language strings 420–424 and 104, with German
// defaults.
tPageList ParsePageList(const QString& text, int32_t pageCount);
