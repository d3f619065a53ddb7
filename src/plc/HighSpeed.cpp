#include "KeyCodes.h"
#include "PlcTexts.h"
#include "Sequences.h"
#include "StepCoding.h"

namespace ladrix::plc::seq {
namespace {

// Bytes a high-speed read takes at most: every step of the store and one word more, which
// tells a program too long for the store.
constexpr qint64 kMaxReadBytes = 2 * (ProgramStore::kSize + 1);

// Ends a transfer with `outcome`, showing `message`; what was done so far stays in `r`.
SequenceResult ended(SequenceResult r, SequenceOutcome outcome, const QString& message,
                     SequenceRunner& run)
{
    r.outcome = outcome;
    r.message = message;
    run.message(message);
    return r;
}

SequenceResult linkFailed(const SequenceResult& r, SequenceRunner& run)
{
    return ended(r, SequenceOutcome::LinkFailed, text::connectFailed(), run);
}

} // namespace

SequenceResult highSpeedWrite(SequenceRunner& run, const ProgramStore& program)
{
    SequenceResult r;
    r.kind = SequenceKind::HighSpeedWrite;
    const int last = program.getEndStep();
    run.message(text::encoding());
    const QByteArray words = enCodeA(program);
    for (int k = 0; k <= last; ++k) {
        if (!wordKeepsStep(program.step(k)))
            return stepRefused(r, k, program.step(k), run);
    }
    run.progress(0, 0, last + 1);

    const TransferDelays& delay = run.delays();
    if (!run.raw(cmd::LeadIn))
        return linkFailed(r, run);
    run.waitMs(delay.leadInMs);
    if (!run.raw(program.plcType == 0 ? cmd::WriteModel0 : cmd::WriteModel1))
        return linkFailed(r, run);
    run.waitMs(delay.leadInMs);
    run.discardInput();

    for (int s = 0; s <= last; ++s) {
        run.discardInput();
        run.progress(s + 1, 0, last + 1);
        run.message(text::hsWritingStep(s, last));
        // Each word is answered with four bytes; a word left unanswered is sent again, a
        // bounded number of times, so a silent controller ends the transfer instead of
        // holding it forever.
        bool answered = false;
        int tries = 0;
        for (; tries < delay.wordTries && !answered; ++tries) {
            if (!run.raw(static_cast<std::uint8_t>(words.at(2 * s))) ||
                !run.raw(static_cast<std::uint8_t>(words.at(2 * s + 1))))
                return linkFailed(r, run);
            run.waitMs(delay.wordGapMs);
            answered = run.waitUntil([&run] { return run.waiting() >= 4; },
                                     delay.wordRetryMs - delay.wordGapMs);
        }
        if (!answered) {
            run.raw(cmd::Hello);
            r.failedStep = s;
            return ended(r, SequenceOutcome::TimedOut, text::timedOut(), run);
        }
        // A word sent again whose first answer was only late went in twice, shifting the rest
        // of the program; its second answer gives that away.
        if (tries > 1 &&
            run.waitUntil([&run] { return run.waiting() >= 8; }, 2 * delay.wordRetryMs)) {
            run.raw(cmd::Hello);
            r.failedStep = s;
            return ended(r, SequenceOutcome::Failed, text::writeFailed(), run);
        }
        run.discardInput();
    }

    run.message(text::hsFixing());
    run.waitMs(delay.settleMs);
    if (!run.raw(cmd::Hello))
        return linkFailed(r, run);
    run.waitMs(delay.endMs);
    run.raw(cmd::LeadIn);
    r.message = text::hsWriteDone();
    run.message(r.message);
    return r;
}

SequenceResult highSpeedRead(SequenceRunner& run, int plcType)
{
    SequenceResult r;
    r.kind = SequenceKind::HighSpeedRead;
    run.progress(0, 0, 0);
    run.message(text::hsPreparingRead());
    if (!run.raw(cmd::LeadIn))
        return linkFailed(r, run);
    run.waitMs(run.delays().leadInMs);
    run.discardInput();
    if (!run.raw(plcType == 0 ? cmd::ReadModel0 : cmd::ReadModel1))
        return linkFailed(r, run);

    // Ends when a check finds no new bytes since the one before; the first check never ends it.
    qint64 seen = -1;
    for (;;) {
        run.waitMs(run.delays().silenceMs);
        const qint64 now = run.waiting();
        run.message(text::hsReadingStep(now / 2));
        if (now == seen || now >= kMaxReadBytes)
            break;
        seen = now;
    }
    r.words = run.readAll().left(kMaxReadBytes);
    run.raw(cmd::Hello);
    // Even an empty program comes as words; nothing at all means no controller answered.
    if (r.words.isEmpty())
        return ended(r, SequenceOutcome::TimedOut, text::timedOut(), run);
    // Words come whole; a lone byte means the transfer was cut or garbled.
    if (r.words.size() % 2 != 0)
        r.dialogText = text::hsOddBytes(r.words.size());
    else if (r.words.size() > 2 * ProgramStore::kSize)
        r.dialogText = text::hsTooLong(ProgramStore::kSize);
    if (!r.dialogText.isEmpty()) {
        r.failedStep = static_cast<int>(r.words.size() / 2);
        return ended(r, SequenceOutcome::Failed, text::readFailed(), run);
    }
    run.message(text::decoding());
    r.message = text::hsReadDone();
    run.message(r.message);
    return r;
}

SequenceResult verifyProgram(SequenceRunner& run, const ProgramStore& project)
{
    SequenceResult r = highSpeedRead(run, project.plcType);
    r.kind = SequenceKind::Verify;
    if (!r.ok())
        return r;
    r.differences = compareProgram(project, r.words);
    r.message =
        r.differences.empty() ? text::verifySame() : text::verifyDiffers(r.differences.size());
    run.message(r.message);
    return r;
}

} // namespace ladrix::plc::seq
