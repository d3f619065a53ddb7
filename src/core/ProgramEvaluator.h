#pragma once

#include "BlockStack.h"
#include "ProgramStore.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace ladrix {

// One output step as executed: its mnemonic, operand, the constant of its K step (OUT of a
// timer or counter) and whether power reached it.
struct OutputAction {
    QString ins;
    QString dev;
    QString constant;
    bool power = false;
    int step = 0;

    bool sameInstruction(const OutputAction& o) const
    {
        return ins == o.ins && dev == o.dev && constant == o.constant;
    }
};

struct EvaluationResult {
    std::vector<OutputAction> actions;
    // A step the block stack cannot execute (ANB without two blocks, AND with no block, more
    // blocks than the controller holds); evaluation stops there.
    bool ok = true;
    int faultStep = -1;
    QString fault;
};

// True for the mnemonics that drive an output: OUT and the function-box instructions.
bool isOutputMnemonic(const QString& ins);

// Executes an instruction list's contacts and outputs as the controller does, over a BlockStack.
class ProgramEvaluator {
public:
    using DeviceState = std::function<bool(const QString& dev)>;

    static constexpr int kMaxBlocks = BlockStack::kMaxBlocks;

    // Called as each output executes, so that a caller keeping a device image can set it
    // before the following steps read it, as the controller does within one scan.
    using OutputDone = std::function<void(const OutputAction&)>;

    explicit ProgramEvaluator(DeviceState state, OutputDone onOutput = {})
        : m_state(std::move(state)), m_onOutput(std::move(onOutput))
    {
    }

    // Runs steps [first, last] of the store (mnemonics compared trimmed, in upper case).
    EvaluationResult run(const ProgramStore& store, int first, int last) const;
    EvaluationResult run(const std::vector<Step>& steps) const;

private:
    DeviceState m_state;
    OutputDone m_onOutput;
};

} // namespace ladrix
