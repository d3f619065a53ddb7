#pragma once

#include "Display.h"

#include "core/ProgramStore.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

namespace ladrix::plc {

// The handheld number of an operand: trims `ins` in place; steps without a device (empty, K,
// ANB, ORB, NOP, END) keep the operand; otherwise an empty operand becomes "000" and the
// device letter is dropped.
QString devToNum(QString& ins, QString& data);

// Instruction key that enters the step's trimmed mnemonic (NOP/0 for empty or unknown ones).
std::uint8_t getInsKey(const Step& step);
std::uint8_t getInsKey(const ProgramStore& store, int k);

// Keys of the characters of a step's number, zero-filled to three places. Only the first
// four characters are taken; elements not written by this step keep their older values.
using DataKeys = std::array<std::uint8_t, 4>;
void getDataKeys(const Step& step, DataKeys& keys);
void getDataKeys(const ProgramStore& store, int k, DataKeys& keys);

// The number the keys of a step enter, as the display must show it afterwards.
QString keyedNumber(const Step& step);

// Keys that enter one step: the instruction key and three digit keys, or four for a constant
// with a point. `dataKeys` carries the key registers from step to step.
std::vector<std::uint8_t> stepKeys(const Step& step, DataKeys& dataKeys);

// Whether the display after the last key of a step shows the step as keyed. Only the number
// is compared: steps without an operand are always accepted.
bool stepAccepted(const Step& step, const PlcDisplay& display);

// The step a display shows, with the device letter put back (a NOP stays NOP).
Step stepFromDisplay(const PlcDisplay& display);

// The two-byte word of one step for the high-speed transfer.
QByteArray encodeStep(const Step& step);

// Whether the word of a step stands for the number the step holds. Constants and device
// numbers that do not fit (K 1000, K 1.5, K ABC) would arrive as another number. Steps whose
// operand the controller ignores always pass.
bool wordKeepsStep(const Step& step);

// Words of steps 0 to the END step (or maxStep) in order, two bytes each.
QByteArray enCodeA(const ProgramStore& store);

// The refined display of one word (mnemonic with FixDisp applied, number as received).
PlcDisplay decodeWord(std::uint8_t b0, std::uint8_t b1);

struct DecodeResult {
    int stored = 0;       // steps written, from step 0
    int wordsDropped = 0; // complete words beyond the end of the store
    bool oddByte = false; // a lone byte after the last complete word was ignored
};

// Decodes received words into steps 0, 1, 2, ... of `store` (a NOP word gives an empty step);
// steps after the last decoded one keep their content. Storing stops after step 2000.
DecodeResult deCodeA(const QByteArray& words, ProgramStore& store);

} // namespace ladrix::plc
