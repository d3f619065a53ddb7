#include "ClassicTextWriter.h"

#include <QStringEncoder>
#include <algorithm>

namespace ladrix {

namespace {

constexpr QStringView kLineEnd = u"\r\n";

// The code page has no bytes for some invisible characters (a soft hyphen, the joiners, a
// byte-order mark): they vanish from the file, and a reader first meets what follows them.
bool vanishes(QChar c)
{
    if (c.unicode() < 0x80 || c.isSurrogate())
        return false;
    thread_local QStringEncoder encoder("GBK");
    return QByteArray(encoder.encode(QStringView(&c, 1))).isEmpty();
}

bool readsBackAsWritten(QStringView text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), vanishes);
    if (first == text.end())
        return true;
    return *first != u' ' && *first != u'\t' && *first != u'"' && !text.contains(u',');
}

// Whether the text begins with the bytes of a byte-order mark, which at the start of a file make
// the reader take it for UTF-8 or UTF-16.
bool startsLikeByteOrderMark(QStringView text)
{
    QStringEncoder encoder("GBK");
    return QStringConverter::encodingForData(QByteArray(encoder.encode(text))).has_value();
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

ClassicTextWriter::ClassicTextWriter(qsizetype expectedLines)
{
    m_text.reserve(expectedLines * 4);
}

void ClassicTextWriter::writeText(QStringView text)
{
    ++m_lines;
    const bool plain = readsBackAsWritten(text);
    // A blank before the file's first text, which the reader skips, keeps it from being read as
    // a byte-order mark.
    if (plain && m_text.isEmpty() && startsLikeByteOrderMark(text))
        m_text += u' ';
    if (plain && !text.contains(u'\r') && !text.contains(u'\n')) {
        m_text += text;
        m_text += kLineEnd;
        return;
    }
    // A quoted field ends at its first inner quote, so inner quotes are written as apostrophes.
    if (!plain)
        m_text += u'"';
    for (QChar c : text) {
        if (isLineBreak(c))
            m_text += u' ';
        else if (!plain && c == u'"')
            m_text += u'\'';
        else
            m_text += c;
    }
    if (!plain)
        m_text += u'"';
    m_text += kLineEnd;
}

void ClassicTextWriter::writeLine(QStringView text)
{
    ++m_lines;
    for (QChar c : text)
        m_text += isLineBreak(c) || c == u'\x1A' ? QChar(u' ') : c;
    m_text += kLineEnd;
}

void ClassicTextWriter::writeInteger(int value)
{
    ++m_lines;
    if (value >= 0)
        m_text += u' ';
    m_text += QString::number(value);
    m_text += u' ';
    m_text += kLineEnd;
}

QByteArray ClassicTextWriter::encoded(bool* lossless) const
{
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(m_text);
    if (lossless)
        *lossless = !encoder.hasError();
    return bytes;
}

} // namespace ladrix
