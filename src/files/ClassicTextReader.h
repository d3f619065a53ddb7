#pragma once

#include <QString>
#include <QStringDecoder>
#include <QtGlobal>

class QIODevice;

namespace ladrix {

// Reads the fields of a code-page-936 text file with the classic input-statement rules: a field
// ends at a comma or a line end (CR LF, CR or LF); blanks before it are skipped; a field that
// starts with a double quote runs to the closing quote and the rest up to the next comma or line
// end is dropped. After a comma the next field continues on the same line. A file that starts
// with a byte-order mark is read in the Unicode encoding it marks; a Ctrl-Z ends the input.
// The file is decoded in chunks, so memory stays bounded whatever the file holds.
class ClassicTextReader final {
    Q_DISABLE_COPY_MOVE(ClassicTextReader)

public:
    // Fields longer than this are cut: no text of a program comes near it, and a damaged file
    // of endless lines must not fill the memory.
    static constexpr qsizetype kMaxFieldLength = 1024;

    explicit ClassicTextReader(QIODevice& device);

    // Reads the next field. Returns false at the end of the input, leaving `value` alone.
    bool readText(QString& value);
    // Reads the next field as a 16-bit integer. Returns false at the end of the input. A field
    // that is no number, or does not fit, is consumed, leaves `value` alone and is counted in
    // damagedFields(). A blank field reads as 0.
    bool readInteger(qint16& value);
    // Reads the rest of the current line as it stands, commas, quotes and blanks included (the
    // classic line input). Returns false at the end of the input, leaving `line` alone.
    bool readLine(QString& line);

    // Skips empty fields and blank lines; true when nothing else is left in the input.
    bool atEndOfContent();

    // Fields that could not be taken as they stood: no number, too long, or refused by a caller.
    int damagedFields() const { return m_damaged; }
    // Fields read so far: the lines of a file that holds one value a line.
    qsizetype fieldsRead() const { return m_fields; }
    void countDamaged() { ++m_damaged; }
    // True when the device reported a read error (the input then ends early).
    bool readFailed() const { return m_readFailed; }

private:
    bool ensureData();
    bool readField(QString& value);
    void collectUntil(QString& value, bool quoted, bool& cut);
    void skipToDelimiter();
    void consumeDelimiter();

    QIODevice& m_device;
    QStringDecoder m_decoder;
    QString m_buffer;
    qsizetype m_pos = 0;
    bool m_atStart = true;
    bool m_deviceAtEnd = false;
    bool m_readFailed = false;
    int m_damaged = 0;
    qsizetype m_fields = 0;
};

} // namespace ladrix
