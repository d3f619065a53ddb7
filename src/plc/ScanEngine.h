#pragma once

#include "core/BlockStack.h"
#include "core/ProgramStore.h"

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace ladrix::plc {

// Runs a program as the simulated controller does in MONITOR mode. The programming reference
// (help/reference.html, 模拟PLC) describes the same rules for users.
//
// Scan. Each scan reads the inputs, executes the steps from 0 to the first END in order and
// leaves the outputs as the last step that drove them set them. A scan stands for 10 ms of
// simulated time: the scans of a run start at 0, 10, 20 ... ms. Whoever owns the engine decides
// when scans happen (SimPlc follows the wall clock or a stepped clock).
//
// Contacts (LD LDI AND ANI OR ORI ANB ORB) work over the BlockStack that the program evaluator
// of the ladder conversions uses; an output takes the top block's value. NOP ends a rung's
// condition as it does there. Outputs:
//   OUT Y/M/S/F   the device takes the power;
//   OUT T + K     a timer: while powered it counts the time of the scans that execute it, from
//                 0 in the scan where the power came on; its contact is on once the count reaches
//                 K seconds (K 12.3 = 12.3 s, K 5 = 5 s). Without power it is 0 and off. Its
//                 value is counted in tenths of a second when K has a point, else in seconds;
//   OUT C + K     a counter: each rising edge of the power adds 1 up to K (a whole number; the
//                 part after a point is dropped); the contact is on from K on;
//   RST C / M     with power the counter goes to 0 and off, the relay off;
//   S / R         with power the device is set / reset; it keeps that state otherwise;
//   PLS M         the relay is on for the one scan in which the power rises;
//   SFT Mn        on a rising edge of the power every relay of Mn's chain takes the state of the
//                 one before it and Mn keeps its own; the chain runs from Mn to the last relay
//                 of its group of sixteen (M100-M117, M120-M137, ..., M70-M77);
//   MC Mn ... MCR Mn  master control: Mn takes the power, and without it every output up to the
//                 MCR of the same mark executes unpowered (coils and timers off, S/R/RST/PLS/SFT
//                 do nothing, counters do not count); MC inside MC nests;
//   CJP Dn ... EJP Dn  with power the steps after the CJP up to its EJP are skipped: their
//                 outputs, timers and counters keep what they have;
//   STL Sn ... RET  step ladder: STL Sn starts the state Sn, whose steps up to the next STL or
//                 RET count only while Sn is on. Inside an active state, S or OUT of another
//                 state with power moves the chain there: that state is set, Sn is reset. The
//                 outputs of a state that has gone off execute unpowered in the next scan (so
//                 its coils and timers go off) and are skipped after that;
//   END           ends the scan.
// K steps are the constants of the OUT before them; empty steps do nothing.
//
// Special relays, written by the controller at the start of every scan (what a program writes
// to them lasts to the end of that scan): M70 always on, M71 on in the first scan of a run only,
// M72 a 0.1 s clock (on 50 ms, off 50 ms), M73 a 1 s clock (on 0.5 s, off 0.5 s). F670-F675
// take what an OUT gives them and have no other effect here. Data registers D700-D777 hold
// 16-bit values set from outside (the program's instructions do not write them).
//
// A program runs only when the program check finds nothing in steps 0 to END but double coils
// (the last output wins): no END, blocks not joined, ANB/ORB without two blocks, a timer
// without K, MC without MCR, CJP without a later EJP, STL without RET, a device the
// instruction does not take ... keep it from running, with the first finding as the reason.
class ScanEngine {
public:
    static constexpr int kCycleMs = 10;
    // Device numbers 0 to 777; the letters' ranges never overlap, so the number names the device.
    static constexpr int kDeviceCount = 778;
    static constexpr int kAlwaysOn = 70;
    static constexpr int kFirstScan = 71;
    static constexpr int kClock100ms = 72;
    static constexpr int kClock1s = 73;

    // A timer or counter that an OUT of the program drives, with its constant as a number
    // ("3", "12.3").
    struct UsedDevice {
        int number = 0;
        QString preset;
    };

    ScanEngine();

    // Takes the program: steps 0 to the first END. False when it cannot run; fault() says why
    // ("0002: ..." as the program check words it). A failed load leaves no program.
    bool load(const std::vector<Step>& steps);
    bool hasProgram() const { return !m_code.empty(); }
    const QString& fault() const { return m_fault; }

    // Begins a run: every relay, state, timer and counter off and zero, time 0, the next scan
    // the first. Inputs and data registers keep their values.
    void start();
    // Executes one scan and advances the time by kCycleMs. False when the scan met a step it
    // cannot execute; the run is then over and fault() says why.
    bool scan();
    // Switches every output off (the controller is stopped).
    void outputsOff();

    void setInput(int number, bool on);
    bool input(int number) const;
    // A data register's value; false (and nothing set) outside -32768..32767 or D700-D777.
    bool setData(int number, int value);

    // The state of any device: a relay, input, output or state is on; a timer or counter has
    // reached its constant.
    bool isOn(int number) const;
    // A timer's count (in its unit), a counter's count, a data register's value; 0 otherwise.
    int value(int number) const;

    qint64 scanCount() const { return m_scans; }
    qint64 timeMs() const { return m_scans * kCycleMs; }

    const std::vector<UsedDevice>& timersAndCounters() const { return m_used; }

    // The numbers of the inputs X and the outputs Y, ascending.
    static std::span<const int> inputNumbers();
    static std::span<const int> outputNumbers();

    enum class Op : std::uint8_t {
        Skip, // K step, empty step
        Ld,
        Ldi,
        And,
        Ani,
        Or,
        Ori,
        Anb,
        Orb,
        Stl,
        Ret,
        Out,
        OutTimer,
        OutCounter,
        Set,
        Reset,
        Pls,
        Rst,
        Sft,
        Mc,
        Mcr,
        Cjp,
        Ejp,
        Nop,
        End,
    };

private:
    // One step as the scan executes it.
    struct Code {
        Op op = Op::Skip;
        std::uint16_t dev = 0;
        std::int32_t arg = 0;  // timer: ms; counter: count; CJP: the EJP's step; SFT: chain
        std::int32_t slot = 0; // edge or state memory of PLS, SFT, OUT C and STL
        bool toState = false;  // the device is a state S
    };
    enum class State : std::uint8_t { None, Active, Leaving, Idle };
    struct OpenMc {
        int mark;
        bool onBefore;
    };

    bool compile(const std::vector<Step>& steps, int last);
    bool fail(int step, const QString& text);
    void specials();
    void output(const Code& c, bool power, State state, int currentState);
    bool stopAt(int step, BlockStack::Fault fault);

    std::vector<Code> m_code;
    std::vector<std::vector<std::uint16_t>> m_chains;
    std::vector<std::uint8_t> m_memory; // per slot
    std::vector<OpenMc> m_mc;
    std::vector<UsedDevice> m_used;
    std::array<std::uint8_t, kDeviceCount> m_on{};
    std::array<std::uint8_t, kDeviceCount> m_inputs{};
    // Timer: ms counted; counter: count; data register: value.
    std::array<std::int32_t, kDeviceCount> m_values{};
    std::array<qint64, kDeviceCount> m_timerScan{}; // the scan a timer last counted in
    std::array<std::int32_t, kDeviceCount> m_timerUnit{};
    qint64 m_scans = 0;
    QString m_fault;
};

} // namespace ladrix::plc
