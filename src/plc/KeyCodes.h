#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ladrix::plc {

// One-byte codes of the handheld keypad and of the controller's mode and transfer commands.
// The high nibble of a key code is 7, B, D or E and the low nibble its keypad matrix position.
namespace key {
inline constexpr std::uint8_t Del = 210;
inline constexpr std::uint8_t Ins = 178;
inline constexpr std::uint8_t Step = 211;
inline constexpr std::uint8_t Instr = 119;
inline constexpr std::uint8_t Ld = 182;
inline constexpr std::uint8_t And = 118;
inline constexpr std::uint8_t Or = 231;
inline constexpr std::uint8_t Minus = 179;
inline constexpr std::uint8_t Ldi7 = 117;
inline constexpr std::uint8_t Ani8 = 230;
inline constexpr std::uint8_t Ori9 = 214;
inline constexpr std::uint8_t Plus = 115;
inline constexpr std::uint8_t Out4 = 229;
inline constexpr std::uint8_t Anb5 = 213;
inline constexpr std::uint8_t Orb6 = 181;
inline constexpr std::uint8_t KSearch = 226;
inline constexpr std::uint8_t Rst1 = 212;
inline constexpr std::uint8_t Sft2 = 180;
inline constexpr std::uint8_t Pls3 = 116;
inline constexpr std::uint8_t Clear = 227;
inline constexpr std::uint8_t Nop0 = 228;
inline constexpr std::uint8_t EndPoint = 215;
inline constexpr std::uint8_t WriteMonitor = 183;
} // namespace key

namespace cmd {
inline constexpr std::uint8_t ProgramMode = 145;
inline constexpr std::uint8_t MonitorMode = 161;
inline constexpr std::uint8_t Hello = 166; // first key of a connection; ends a high-speed transfer
inline constexpr std::uint8_t LeadIn = 254;
inline constexpr std::uint8_t ReadModel0 = 171;
inline constexpr std::uint8_t ReadModel1 = 172;
inline constexpr std::uint8_t WriteModel0 = 173;
inline constexpr std::uint8_t WriteModel1 = 174;
} // namespace cmd

// Keys of the digits 0 to 9, in digit order.
inline constexpr std::array<std::uint8_t, 10> kDigitKeys = {
    key::Nop0, key::Rst1, key::Sft2, key::Pls3, key::Out4,
    key::Anb5, key::Orb6, key::Ldi7, key::Ani8, key::Ori9};

// The digit a key stands for, or -1 for a key without a digit.
int digitOfKey(std::uint8_t code);

// Key of a digit character; any other character gives the key of 0.
std::uint8_t keyOfDigitChar(QChar c);

struct PanelKey {
    const char* caption;
    std::uint8_t code;
};

// The 23 keys of the on-screen keypad in panel order ("DEL" first, "WRITE/MONITOR" last).
const std::array<PanelKey, 23>& panelKeys();

} // namespace ladrix::plc
