#pragma once

#include "plc/KeyCodes.h"
#include "plc/SequenceRunner.h"
#include "plc/Sequences.h"
#include "plc/SimLink.h"

#include <gtest/gtest.h>

namespace ladrix::plc::test {

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

    std::vector<std::uint8_t> sentCodes() const
    {
        std::vector<std::uint8_t> codes;
        for (const KeyResult& k : sent)
            codes.push_back(k.key);
        return codes;
    }
    int count(std::uint8_t code) const
    {
        const auto codes = sentCodes();
        return int(std::count(codes.begin(), codes.end(), code));
    }
};

inline Step step(const char* ins, const char* data)
{
    return Step{QString::fromUtf8(ins), QString::fromUtf8(data), QString()};
}

// A program that survives both codings unchanged.
inline ProgramStore sampleProgram()
{
    const Step steps[] = {
        step("LD", "X000"),  step("AND", "X001"), step("OR", "M100"),  step("ANI", "X002"),
        step("OUT", "Y030"), step("LD", "X003"),  step("OUT", "T050"), step("K", "100"),
        step("LD", "T050"),  step("OUT", "C060"), step("K", "12.3"),   step("STL", "S600"),
        step("ORB", ""),     step("ANB", ""),     step("PLS", "M101"), step("RST", "C060"),
        step("SFT", "M102"), step("LDI", "X004"), step("ORI", "X005"), step("MC", "M120"),
        step("MCR", "M120"), step("CJP", "D700"), step("EJP", "D700"), step("RET", "M575"),
        step("S", "S601"),   step("R", "Y031"),   step("NOP", ""),     step("END", "")};
    ProgramStore store;
    for (int i = 0; i < int(std::size(steps)); ++i)
        store.step(i) = steps[i];
    return store;
}

} // namespace ladrix::plc::test
