#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace ladrix {

// Builds a code-page-936 text file of one value per line, CR LF line ends, integers as the
// classic print statement writes them (" 1 ", "-1 ") and texts unquoted. The whole text is
// encoded once at the end.
class ClassicTextWriter {
public:
    explicit ClassicTextWriter(qsizetype expectedLines = 0);

    // Writes a text on its own line. A text that would not read back as one field (a comma, a
    // leading blank or double quote) is written in double quotes; line breaks become blanks.
    void writeText(QStringView text);
    void writeInteger(int value);
    // Writes a text as a whole line, unquoted, for reading back with readLine: commas and
    // quotes stay as they are; line breaks and end-of-file marks become blanks.
    void writeLine(QStringView text);

    // The file's bytes in code page 936. Characters the code page lacks are written as "?";
    // `lossless`, when given, tells whether every character could be written.
    QByteArray encoded(bool* lossless = nullptr) const;
    qsizetype lineCount() const { return m_lines; }

private:
    QString m_text;
    qsizetype m_lines = 0;
};

} // namespace ladrix
