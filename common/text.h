#pragma once

#include <QByteArray>
#include <QString>

#include <string>

class QPlainTextEdit;

namespace common {

// Texts in files and on the wire are Windows-1251; inside the programs they
// are QString. These are the only crossings.
QString fromCp1251(const QByteArray& bytes);
QString fromCp1251(const std::string& bytes);
QByteArray toCp1251(const QString& text);
std::string toCp1251String(const QString& text);

// Lower-cases an answer the way the quizzes compare it: every upper-case Latin
// or Cyrillic letter that Windows-1251 holds becomes its lower-case form;
// nothing else changes, nothing is trimmed.
QString lowerCaseAnswer(const QString& text);

// Upper-cases every lower-case Latin or Cyrillic letter that Windows-1251
// holds; nothing else changes.
QString upperCase1251(const QString& text);

// The text of a text box exactly as it was typed or set, lines ended by
// "\n". (toPlainText() would turn a no-break space into an ordinary blank.)
QString typedText(const QPlainTextEdit* box);

} // namespace common
