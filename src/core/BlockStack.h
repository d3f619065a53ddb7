#pragma once

#include <array>

namespace ladrix {

// The block stack that gives contacts their meaning: LD and LDI open a block, AND/ANI/OR/ORI
// combine a contact into the top block, ANB and ORB combine the two top blocks, an output takes
// the top block's value (the power rail when no block is open). An output ends the rung's
// condition, yet contacts after it go on with the value it took; the next LD starts a new rung
// with an empty stack. The program evaluator and the simulated controller's scan both use it,
// so a program means the same to the ladder conversions and to the simulator.
class BlockStack {
public:
    // Blocks open at once, the rung's own included; the drawing holds as many.
    static constexpr int kMaxBlocks = 10;

    enum class Fault {
        None,
        TooManyBlocks, // an LD beyond kMaxBlocks open blocks
        NoBlock,       // a contact with no block to combine into
        NothingToJoin, // ANB or ORB without two blocks
    };

    Fault load(bool value)
    {
        if (m_afterOutput) {
            m_size = 0;
            m_afterOutput = false;
        }
        if (m_size >= kMaxBlocks)
            return Fault::TooManyBlocks;
        m_blocks[m_size++] = value;
        return Fault::None;
    }

    Fault contact(bool value, bool isAnd)
    {
        if (m_size == 0)
            return Fault::NoBlock;
        bool& top = m_blocks[m_size - 1];
        top = isAnd ? (top && value) : (top || value);
        return Fault::None;
    }

    Fault join(bool isAnd)
    {
        if (m_size < 2)
            return Fault::NothingToJoin;
        const bool inner = m_blocks[--m_size];
        return contact(inner, isAnd);
    }

    // What an output gets.
    bool power() const { return m_size == 0 || m_blocks[m_size - 1]; }
    void outputDone() { m_afterOutput = true; }
    void clear()
    {
        m_size = 0;
        m_afterOutput = false;
    }

private:
    std::array<bool, kMaxBlocks> m_blocks{};
    int m_size = 0;
    bool m_afterOutput = false;
};

} // namespace ladrix
