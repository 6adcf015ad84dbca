#include "text.h"

#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextDocument>

namespace common {

QString fromCp1251(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1251");
    return decoder.decode(bytes);
}

QString fromCp1251(const std::string& bytes)
{
    return fromCp1251(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

QByteArray toCp1251(const QString& text)
{
    QStringEncoder encoder("windows-1251");
    return encoder.encode(text);
}

std::string toCp1251String(const QString& text)
{
    const QByteArray bytes = toCp1251(text);
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

namespace {

// How far above a capital letter that Windows-1251 holds its small letter
// lies; 0 for any other character.
int distanceToSmall(int c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= u'А' && c <= u'Я'))
        return 32;
    // Ѐ..Џ: of these Windows-1251 holds Ё Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ў Џ.
    if (c >= 0x0400 && c <= 0x040F && c != 0x0400 && c != 0x040D)
        return 0x50;
    if (c == u'Ґ')
        return 1;
    return 0;
}

QChar lowerOf(QChar c)
{
    return QChar(c.unicode() + distanceToSmall(c.unicode()));
}

QChar upperOf(QChar c)
{
    for (const int distance : {32, 0x50, 1}) {
        if (distanceToSmall(c.unicode() - distance) == distance)
            return QChar(c.unicode() - distance);
    }
    return c;
}

template <typename CaseOf> QString eachCharacter(const QString& text, CaseOf caseOf)
{
    QString result = text;
    for (QChar& ch : result)
        ch = caseOf(ch);
    return result;
}

} // namespace

QString lowerCaseAnswer(const QString& text)
{
    return eachCharacter(text, lowerOf);
}

QString upperCase1251(const QString& text)
{
    return eachCharacter(text, upperOf);
}

QString typedText(const QPlainTextEdit* box)
{
    QString text = box->document()->toRawText();
    for (QChar& ch : text) {
        switch (ch.unicode()) {
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xfdd0: // frame marks of the document
        case 0xfdd1:
            ch = u'\n';
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace common
