#pragma once

#include "plc/KeyCodes.h"
#include "plc/SequenceRunner.h"
#include "plc/Sequences.h"
#include "plc/SimLink.h"
#include "plc/StepCoding.h"

#include <gtest/gtest.h>

namespace ladrix::plc::test {

inline Step step(const char* ins, const char* data)
{
    return Step{QString::fromUtf8(ins), QString::fromUtf8(data), QString()};
}

// Faults with one field set: faults(&SimFaults::silent, true).
template <class T, class V> SimFaults faults(T SimFaults::*field, V value)
{
    SimFaults f;
    f.*field = value;
    return f;
}

// Steps from 0 on, written "LD X000; AND X001; ORB; END".
inline ProgramStore programOf(const char* text)
{
    ProgramStore store;
    const QStringList lines = QString::fromUtf8(text).split(u';');
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList parts = lines[i].trimmed().split(u' ');
        store.step(i) = Step{parts[0], parts.value(1), QString()};
    }
    return store;
}

// Puts a listing into a controller's memory, word by word, as a high-speed write does.
inline void storeProgram(SimController& controller, const char* listing)
{
    const ProgramStore p = programOf(listing);
    for (int i = 0; i <= QByteArray(listing).count(';'); ++i)
        controller.setWord(i, encodeStep(p.step(i)));
}

// A program that survives both codings unchanged.
inline ProgramStore sampleProgram()
{
    return programOf("LD X000; AND X001; OR M100; ANI X002; OUT Y030; LD X003; OUT T050; K 100;"
                     "LD T050; OUT C060; K 12.3; STL S600; ORB; ANB; PLS M101; RST C060;"
                     "SFT M102; LDI X004; ORI X005; MC M120; MCR M120; CJP D700; EJP D700;"
                     "RET M575; S S601; R Y031; NOP; END");
}

// Sequences run against the in-process simulated controller with shortened timing (these
// tests are about the keys, not about the clock) and every key and message recorded.
struct SequenceFixture : testing::Test {
    SimLink link;
    KeyExchange keys{link, KeyTiming{2, 150}};
    std::atomic_bool cancel{false};
    std::vector<KeyResult> sent;
    QStringList messages;
    std::function<void(const KeyResult&)> onKey;
    SequenceRunner run{link, keys, TransferDelays{}.scaled(0.02), cancel,
                       SequenceRunner::Reporter{[this](const KeyResult& k) {
                                                    sent.push_back(k);
                                                    if (onKey)
                                                        onKey(k);
                                                },
                                                [this](const QString& m) { messages << m; },
                                                {}}};

    void SetUp() override { link.open(); }
    void silence() { link.setFaults(faults(&SimFaults::silent, true)); }

    std::vector<std::uint8_t> sentCodes() const
    {
        std::vector<std::uint8_t> codes;
        for (const KeyResult& k : sent)
            codes.push_back(k.key);
        return codes;
    }
    int count(std::uint8_t code) const { return int(std::ranges::count(sentCodes(), code)); }
    // The controller's words for steps 0 to n-1, as enCodeA() gives them.
    QByteArray storedWords(int n)
    {
        QByteArray words;
        for (int i = 0; i < n; ++i)
            words += link.controller().word(i);
        return words;
    }
};

} // namespace ladrix::plc::test
