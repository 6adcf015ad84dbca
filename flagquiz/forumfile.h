#pragma once

#include <QByteArray>
#include <QString>

namespace korventa {

// One notebook record in Windows-1251: a double quote, the text, a double
// quote, CR LF. Nothing inside is escaped; a line break of the text box is
// written as CR LF, the way the notebook has always stored typed lines.
QByteArray forumRecord(const QString& text);

// Appends one record to the file at `path`: the whole record or, on failure,
// nothing (a partly written record is cut off again). On failure returns false
// and, when `reason` is given, why, in Russian.
bool appendForumRecord(const QString& path, const QString& text, QString* reason = nullptr);

} // namespace korventa
