#include "FuzzSupport.h"
#include "Harnesses.h"

#include "core/LineParser.h"
#include "core/RuntimeError.h"
#include "il/RowText.h"

namespace ladrix::fuzz {

namespace {

bool isCheckMessage(const QString& message)
{
    return message.isEmpty() || message.startsWith(QStringLiteral("错误的指令")) ||
           message.startsWith(QStringLiteral("无效的器件号")) ||
           (message.startsWith(QStringLiteral("指令")) &&
            message.contains(QStringLiteral("不支持")));
}

void checkSplit(const QString& text)
{
    QString line = text;
    QString ins;
    QString rem = QStringLiteral("untouched");
    QStringList args;
    try {
        const int count = splitLine(line, ins, rem, args);
        FUZZ_CHECK(count == args.size() && count <= kMaxOperands);
        for (const QString& arg : args)
            FUZZ_CHECK(!arg.isEmpty() && arg == arg.trimmed() && !arg.contains(u','));
        FUZZ_CHECK(text.contains(u'\'') || rem == QStringLiteral("untouched"));
        FUZZ_CHECK(!line.contains(u'\''));
    } catch (const RuntimeError& e) {
        FUZZ_CHECK(e.number() == RuntimeError::SubscriptOutOfRange);
        FUZZ_CHECK(text.count(u',') >= kMaxOperands);
    }
}

} // namespace

// A typed line as the editor commits it: split, checked, stored; a refused line leaves the step
// as it was, and an accepted step shown in its row and committed again stays the same step.
int lineParser(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    checkSplit(text);

    const Step old{QStringLiteral("OUT"), QStringLiteral("Y30"), QStringLiteral("old")};
    Step step = old;
    if (const auto error = commitLine(text, step)) {
        FUZZ_CHECK(step == old);
        if (error->runtime)
            FUZZ_CHECK(error->number == RuntimeError::Overflow ||
                       error->number == RuntimeError::SubscriptOutOfRange);
        else
            FUZZ_CHECK(!error->text.isEmpty() && isCheckMessage(error->text));
        return 0;
    }
    if (text.trimmed().isEmpty()) {
        FUZZ_CHECK(step.ins.isEmpty() && step.data.isEmpty() && step.rem == old.rem);
        return 0;
    }
    // Only steps the checker takes are stored: a mnemonic, or a comment alone.
    if (step.ins.isEmpty()) {
        FUZZ_CHECK(step.data.isEmpty() && text.contains(u'\''));
    } else {
        QString ins = step.ins;
        FUZZ_CHECK(checkIns(ins, step.data).isEmpty());
    }

    // The row shows the comment without the blanks around it.
    Step again;
    FUZZ_CHECK(!commitLine(rowText(step), again));
    FUZZ_CHECK(again.ins == step.ins && again.data == step.data);
    FUZZ_CHECK(again.rem == step.rem.trimmed());
    return 0;
}

} // namespace ladrix::fuzz

LADRIX_FUZZ_TARGET(ladrix::fuzz::lineParser)
