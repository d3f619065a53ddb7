#include "LineParser.h"

#include "InstructionSet.h"
#include "NumberReading.h"
#include "RuntimeError.h"

#include <QCoreApplication>

namespace ladrix {

int splitLine(QString& line, QString& ins, QString& rem, QStringList& args)
{
    args.clear();
    line = line.trimmed().toLower();
    const qsizetype apostrophe = line.indexOf(u'\'');
    if (apostrophe >= 0) {
        rem = line.mid(apostrophe + 1);
        line = line.left(apostrophe);
    }
    qsizetype blank = line.indexOf(u' ');
    if (blank < 0)
        blank = line.size();
    ins = line.left(blank).trimmed().toUpper();

    const QStringList pieces = line.mid(blank + 1).split(u',');
    for (const QString& piece : pieces) {
        const QString operand = piece.trimmed();
        if (operand.isEmpty())
            continue;
        if (args.size() >= kMaxOperands)
            throw RuntimeError(
                RuntimeError::SubscriptOutOfRange,
                QCoreApplication::translate("LineParser", "下标越界: 操作数超过 %1 个")
                    .arg(kMaxOperands));
        args << operand;
    }
    return int(args.size());
}

QString checkIns(QString& ins, const QString& data)
{
    ins = ins.toLower();
    if (!isMnemonic(ins))
        return QCoreApplication::translate("LineParser", "错误的指令%1").arg(ins.toUpper());
    if (data.isEmpty())
        return QString();

    ins = ins.toUpper();
    QChar letter;
    bool valid = false;
    if (ins == u"K") {
        letter = u'K';
        readInteger16(data); // a constant is not range-checked, but must fit 16 bits
        valid = true;
    } else {
        letter = data.at(0).toUpper();
        const QStringView digits = QStringView(data).mid(1);
        const int number = readInteger16(digits);
        // The reading stops before other text ("x5ani x27", typed into the start of a row),
        // which makes the operand no device number.
        valid = isValidDeviceNumber(letter, number) &&
                digits.mid(numberLength(digits)).trimmed().isEmpty();
    }
    if (!valid)
        return QCoreApplication::translate("LineParser", "无效的器件号%1").arg(data);

    const QString accepted = acceptedDevices(ins);
    if (!accepted.isEmpty() && !accepted.contains(letter))
        return QCoreApplication::translate("LineParser", "指令%1不支持%2")
            .arg(ins, QString(letter));
    return QString();
}

std::optional<LineError> commitLine(const QString& text, Step& step)
{
    if (text.trimmed().isEmpty()) {
        step.ins.clear();
        step.data.clear();
        return std::nullopt;
    }
    QString line = text;
    QString ins;
    QString rem;
    QStringList args;
    try {
        splitLine(line, ins, rem, args);
        const QString data = args.value(0);
        const bool commentOnly = ins.isEmpty() && args.isEmpty() && text.contains(u'\'');
        if (!commentOnly) {
            QString checked = ins;
            const QString message = checkIns(checked, data);
            if (!message.isEmpty())
                return LineError{false, 0, message};
        }
        step.ins = ins.trimmed().toUpper();
        step.data = data.trimmed().toUpper();
        step.rem = rem;
    } catch (const RuntimeError& e) {
        return LineError{true, e.number(), e.description()};
    }
    return std::nullopt;
}

} // namespace ladrix
