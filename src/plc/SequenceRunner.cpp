#include "SequenceRunner.h"

#include "KeyCodes.h"

#include "core/RuntimeError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace ladrix::plc {

TransferDelays TransferDelays::scaled(double factor) const
{
    TransferDelays d = *this;
    for (int* ms : {&d.afterClearMs, &d.leadInMs, &d.wordGapMs, &d.wordRetryMs, &d.settleMs,
                    &d.endMs, &d.eepromMs, &d.silenceMs})
        *ms = static_cast<int>(*ms * factor);
    return d;
}

void applyKeyRead(const SequenceResult& result, ProgramStore& store)
{
    store.clearSteps();
    for (const auto& [index, step] : result.steps) {
        if (ProgramStore::inRange(index))
            store.step(index) = step;
    }
}

DecodeResult applyHighSpeedRead(const SequenceResult& result, ProgramStore& store)
{
    store.clearSteps();
    return deCodeA(result.words, store);
}

SequenceResult runGuarded(SequenceKind kind, const std::function<SequenceResult()>& task)
{
    SequenceResult result;
    result.kind = kind;
    auto fault = [&](int number, const QString& description) {
        result.outcome = SequenceOutcome::Failed;
        result.errorNumber = number;
        result.dialogText = description;
    };
    try {
        result = task();
    } catch (const RuntimeError& e) {
        fault(e.number(), e.description());
    } catch (const std::bad_alloc&) {
        fault(7, QCoreApplication::translate("PlcTexts", "内存不足"));
    } catch (const std::exception& e) {
        fault(51, QCoreApplication::translate("PlcTexts", "内部错误：%1")
                      .arg(QString::fromLocal8Bit(e.what())));
    }
    return result;
}

SequenceRunner::SequenceRunner(Link& link, KeyExchange& keys, const TransferDelays& delays,
                               std::atomic_bool& cancel, Reporter reporter)
    : m_link(link), m_keys(keys), m_delays(delays), m_cancel(cancel),
      m_reporter(std::move(reporter))
{
}

KeyResult SequenceRunner::key(std::uint8_t code)
{
    const KeyResult r = m_keys.exchange(code);
    if (m_reporter.key)
        m_reporter.key(r);
    return r;
}

KeyResult SequenceRunner::keys(std::initializer_list<std::uint8_t> codes)
{
    KeyResult last;
    for (std::uint8_t code : codes) {
        last = key(code);
        if (!last.ok())
            break;
    }
    return last;
}

KeyResult SequenceRunner::digits(const QString& text)
{
    KeyResult last;
    last.outcome = KeyOutcome::Ok;
    for (QChar c : text) {
        last = key(keyOfDigitChar(c));
        if (!last.ok())
            break;
    }
    return last;
}

bool SequenceRunner::raw(std::uint8_t byte)
{
    const bool written = m_link.write(QByteArray(1, static_cast<char>(byte)));
    m_keys.markActivity();
    return written;
}

void SequenceRunner::waitMs(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    m_keys.markActivity();
}

bool SequenceRunner::waitUntil(const std::function<bool()>& done, int ms)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&m_link, &Link::readyRead, &loop, [&] {
        if (done())
            loop.quit();
    });
    QObject::connect(&m_link, &Link::failed, &loop, &QEventLoop::quit);
    timer.start(std::max(0, ms));
    loop.exec();
    m_keys.markActivity();
    return done();
}

void SequenceRunner::message(const QString& text) const
{
    if (m_reporter.message)
        m_reporter.message(text);
}

void SequenceRunner::progress(int value, int minimum, int maximum) const
{
    if (m_reporter.progress)
        m_reporter.progress(value, minimum, maximum);
}

} // namespace ladrix::plc
