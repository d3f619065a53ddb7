#pragma once

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace ladrix {

// Title of the message box that reports run-time fault number `number`: "错误 6".
inline QString errorTitle(int number)
{
    return QCoreApplication::translate("RuntimeError", "错误 %1").arg(number);
}

// A fault inside a command, reported to the user as "错误 N" with its description.
// The numbers are the classic run-time error numbers the messages have always used.
class RuntimeError : public std::runtime_error {
public:
    enum Number {
        Overflow = 6,
        OutOfMemory = 7,
        SubscriptOutOfRange = 9,
        FileNotFound = 53,
        InputPastEndOfFile = 62,
        PathFileAccess = 75,
    };

    RuntimeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description)
    {
    }

    // What an allocation that failed inside a command is reported as.
    static RuntimeError outOfMemory()
    {
        return {OutOfMemory, QCoreApplication::translate("RuntimeError", "内存不足")};
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }
    QString title() const { return errorTitle(m_number); }

private:
    int m_number;
    QString m_description;
};

} // namespace ladrix
