#include "ClassicTextReader.h"

#include "core/NumberReading.h"
#include "core/RuntimeError.h"

#include <QIODevice>
#include <algorithm>

namespace ladrix {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
constexpr QChar kEndOfText = u'\x1A';

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The classic numeric reading takes anything and gives 0 for a text without a number; a file
// field like that is damage, not a zero.
bool looksNumeric(QStringView field)
{
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < field.size() && isBlank(field[i]))
            ++i;
    };
    skipBlanks();
    if (i < field.size() && (field[i] == u'+' || field[i] == u'-'))
        ++i;
    skipBlanks();
    if (i < field.size() && field[i] == u'.')
        ++i;
    skipBlanks();
    return i < field.size() && isDigit(field[i]);
}

// " 12 " and "-3 ", as the files hold them, without the general reading.
bool readPlainInteger(QStringView field, qint16& value)
{
    field = field.trimmed();
    const bool negative = field.startsWith(u'-');
    const QStringView digits = negative ? field.mid(1) : field;
    if (digits.isEmpty() || digits.size() > 4)
        return false;
    int number = 0;
    for (QChar c : digits) {
        if (!isDigit(c))
            return false;
        number = number * 10 + (c.unicode() - u'0');
    }
    value = qint16(negative ? -number : number);
    return true;
}

} // namespace

ClassicTextReader::ClassicTextReader(QIODevice& device) : m_device(device), m_decoder("GBK") {}

// Makes sure m_buffer holds at least one character at m_pos; false at the end of the input.
bool ClassicTextReader::ensureData()
{
    while (m_pos >= m_buffer.size()) {
        if (m_deviceAtEnd)
            return false;
        m_buffer.clear();
        m_pos = 0;
        QByteArray bytes(kChunkBytes, Qt::Uninitialized);
        const qint64 got = m_device.read(bytes.data(), kChunkBytes);
        if (got < 0) {
            m_readFailed = true;
            m_deviceAtEnd = true;
            return false;
        }
        if (got == 0) {
            m_deviceAtEnd = true;
            return false;
        }
        bytes.truncate(got);
        // Editors that save UTF-8 or UTF-16 mark it so; read as code page 936 the first field
        // would be damaged and every Chinese text garbled. The decoder drops the mark.
        if (m_atStart) {
            if (const auto encoding = QStringConverter::encodingForData(bytes))
                m_decoder = QStringDecoder(*encoding);
            m_atStart = false;
        }
        m_buffer = m_decoder.decode(bytes);
        // DOS-era tools end a text file with Ctrl-Z; nothing after it belongs to the file.
        if (const qsizetype end = m_buffer.indexOf(kEndOfText); end >= 0) {
            m_buffer.truncate(end);
            m_deviceAtEnd = true;
        }
    }
    return true;
}

void ClassicTextReader::collectUntil(QString& value, bool quoted, bool& cut)
{
    while (ensureData()) {
        const QChar* begin = m_buffer.constData() + m_pos;
        const QChar* end = m_buffer.constData() + m_buffer.size();
        const QChar* p = begin;
        if (quoted) {
            while (p != end && *p != u'"' && !isLineEnd(*p))
                ++p;
        } else {
            while (p != end && *p != u',' && !isLineEnd(*p))
                ++p;
        }
        const qsizetype length = p - begin;
        const qsizetype room = kMaxFieldLength - value.size();
        if (length > room)
            cut = true;
        value.append(begin, std::min(length, room));
        m_pos += length;
        if (p != end)
            return;
    }
}

void ClassicTextReader::skipToDelimiter()
{
    while (ensureData()) {
        const QChar c = m_buffer.at(m_pos);
        if (c == u',' || isLineEnd(c))
            return;
        ++m_pos;
    }
}

void ClassicTextReader::consumeDelimiter()
{
    if (!ensureData())
        return;
    const QChar c = m_buffer.at(m_pos++);
    if (c == u'\r' && ensureData() && m_buffer.at(m_pos) == u'\n')
        ++m_pos;
}

bool ClassicTextReader::readField(QString& value)
{
    if (!ensureData())
        return false;
    while (ensureData() && isBlank(m_buffer.at(m_pos)))
        ++m_pos;
    value.clear();
    bool cut = false;
    if (ensureData() && m_buffer.at(m_pos) == u'"') {
        ++m_pos;
        collectUntil(value, true, cut);
        if (ensureData() && m_buffer.at(m_pos) == u'"')
            ++m_pos;
        skipToDelimiter();
    } else {
        collectUntil(value, false, cut);
    }
    consumeDelimiter();
    if (cut)
        ++m_damaged;
    ++m_fields;
    return true;
}

bool ClassicTextReader::atEndOfContent()
{
    while (ensureData()) {
        const QChar c = m_buffer.at(m_pos);
        if (!isBlank(c) && !isLineEnd(c) && c != u',')
            return false;
        ++m_pos;
    }
    return true;
}

bool ClassicTextReader::readLine(QString& line)
{
    if (!ensureData())
        return false;
    line.clear();
    bool cut = false;
    while (ensureData()) {
        const QChar* begin = m_buffer.constData() + m_pos;
        const QChar* end = m_buffer.constData() + m_buffer.size();
        const QChar* p = begin;
        while (p != end && !isLineEnd(*p))
            ++p;
        const qsizetype length = p - begin;
        const qsizetype room = kMaxFieldLength - line.size();
        if (length > room)
            cut = true;
        line.append(begin, std::min(length, room));
        m_pos += length;
        if (p != end)
            break;
    }
    consumeDelimiter();
    if (cut)
        ++m_damaged;
    ++m_fields;
    return true;
}

bool ClassicTextReader::readText(QString& value)
{
    QString field;
    if (!readField(field))
        return false;
    value = field;
    return true;
}

bool ClassicTextReader::readInteger(qint16& value)
{
    QString field;
    if (!readField(field))
        return false;
    if (readPlainInteger(field, value))
        return true;
    if (field.trimmed().isEmpty()) {
        value = 0;
        return true;
    }
    if (!looksNumeric(field)) {
        ++m_damaged;
        return true;
    }
    try {
        value = readInteger16(field);
    } catch (const RuntimeError&) {
        ++m_damaged;
    }
    return true;
}

} // namespace ladrix
