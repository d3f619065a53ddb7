#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace ladrix::plc {

// The simulated controller: answers the bytes it receives exactly as the controller does.
//
// Every key code gets one five-byte display reply {0, display code, digit, digit, digit}
// (display codes as the key exchange decodes them, 255 for an empty instruction field,
// digit 15 for a blank). Bytes that are neither keys nor commands get no reply.
//
// PROGRAM mode (145, also the start state):
//   CLEAR            drops any entry; blank display.
//   STEP n.. INSTR   goes to step n (three digits shown) and shows it.
//   STEP a STEP b DEL  fills steps a..b with NOP 000.    STEP n DEL / DEL on a shown step:
//                      deletes that one step, the later ones move up.
//   instruction key, digit keys   shows what was keyed (point key after K gives a point
//                      constant); WRITE stores it at the current step and shows the next.
//   INS              inserts the keyed step (or a NOP) before the current one.
//   + / -            next / previous step; after step 999 comes step 0 and before 0 is 999.
//   STEP 9 0 8 and WRITE three times copies EEPROM to RAM; STEP 8 0 9 and WRITE three times
//                      copies RAM to EEPROM.
// MONITOR mode (161; a run gate may refuse it, the controller then stays in PROGRAM mode with
//   the same reply): digits then WRITE/MONITOR pick a device (a point key between them, as
//   sent for a data register, is accepted); then the point key polls it: display code 5 while
//   the device is on, and in the number field the value of a timer, counter or data register
//   (the device's own number for plain relays). K/SEARCH polls a value under the code of "K".
//   The device states come from a device source (the scan engine), or else from setDevice().
// 166 through the keys: blank display (the first key of a connection).
// High speed: 254 opens the framing without a reply. Then 171/172 sends the program as
//   two-byte words, step 0 up to and including the first END step (without one, the first
//   1000 steps for 171 and the whole memory for 172); 173/174 takes words from step 0 on and
//   answers each with four bytes (the word and its step number, high byte first), leaving words
//   past the end of its memory unanswered; a write request stops a controller in MONITOR mode,
//   so that a program never changes under its scan; 166 at a word boundary ends the framing. Any
//   other key after the lead-in leaves the framing and counts as a key.
//
// Keys reach steps 0 to 999; a second-model controller holds 2000 steps, the upper thousand
// reachable only by the high-speed transfer.
class SimController {
public:
    enum class Mode { Program, Monitor };

    // What the monitor shows of a device: its lamp and the value of a timer, counter or register.
    struct MonitoredDevice {
        bool on = false;
        int value = 0;
    };
    using DeviceSource = std::function<MonitoredDevice(int number)>;
    // Asked on each switch to MONITOR mode; false keeps the controller in PROGRAM mode.
    using RunGate = std::function<bool()>;

    explicit SimController(int stepCount = 1000);

    // The bytes the controller sends back after receiving `byte` (possibly none).
    QByteArray receive(std::uint8_t byte);
    QByteArray receive(const QByteArray& bytes);

    Mode mode() const { return m_mode; }
    int stepCount() const { return static_cast<int>(m_ram.size()); }
    int address() const { return m_address; }

    // Program memory as two-byte step words.
    QByteArray word(int step) const;
    void setWord(int step, const QByteArray& word);
    QByteArray eepromWord(int step) const;

    // Device state shown by the monitor: on/off and the value of timers, counters, registers.
    void setDevice(int number, bool on, int value = 0);
    void setDeviceSource(DeviceSource source) { m_source = std::move(source); }
    void setRunGate(RunGate gate) { m_runGate = std::move(gate); }

private:
    using Word = std::uint16_t;
    enum class Entry { Idle, Address, Instruction };
    enum class HighSpeed { Off, LeadIn, Writing };

    QByteArray programKey(std::uint8_t key);
    QByteArray monitorKey(std::uint8_t key);
    QByteArray highSpeed(std::uint8_t byte, bool& handled);
    QByteArray startInstruction(std::uint8_t key);
    QByteArray addressKey(std::uint8_t key);
    QByteArray instructionKey(std::uint8_t key);
    QByteArray store();
    QByteArray showStep();
    QByteArray showTyped(int code) const;
    QByteArray deviceDisplay(bool valueOnly) const;
    Word keyedWord() const;
    int typedNumber() const;
    void deleteStep(int at);
    QByteArray dumpProgram(int steps) const;
    void resetEntry();

    std::vector<Word> m_ram;
    std::vector<Word> m_eeprom;
    std::map<int, std::pair<bool, int>> m_devices;
    DeviceSource m_source;
    RunGate m_runGate;
    Mode m_mode = Mode::Program;
    Entry m_entry = Entry::Idle;
    HighSpeed m_hs = HighSpeed::Off;
    int m_address = 0;
    int m_rangeFrom = -1; // first step of a STEP a STEP b range
    int m_insCode = -1;   // display code of the keyed instruction
    bool m_point = false; // a point was keyed into a constant
    QString m_digits;     // digits keyed since the instruction or STEP key
    int m_copyWrites = 0; // WRITE presses after STEP 908 / STEP 809
    int m_monitored = -1; // device picked in monitor mode
    int m_hsStep = 0;
    int m_hsFirst = -1; // first byte of a word being received
};

// Faults the simulated controller can be told to show on its replies, for tests.
struct SimFaults {
    int latencyMs = 0;
    bool silent = false;   // no replies at all
    int dropEvery = 0;     // drop every n-th reply entirely
    int truncateEvery = 0; // send only the first three bytes of every n-th reply
    int garbleEvery = 0;   // every n-th reply shows a wrong first digit
    QByteArray extra;      // appended to every reply
};

// Applies the faults to the controller's replies in the order they are produced.
class FaultyReplies {
public:
    explicit FaultyReplies(const SimFaults& faults = {}) : m_faults(faults) {}
    void setFaults(const SimFaults& faults) { m_faults = faults; }
    const SimFaults& faults() const { return m_faults; }
    QByteArray shape(QByteArray reply);

private:
    SimFaults m_faults;
    int m_count = 0;
};

} // namespace ladrix::plc
