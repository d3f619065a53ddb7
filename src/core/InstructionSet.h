#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <span>

namespace ladrix {

// An inclusive range of device numbers, written in decimal digits as on the handheld.
struct NumberRange {
    int first;
    int last;
};

// The 22 mnemonics and K, in upper case.
const QStringList& mnemonics();

// True for one of the 22 mnemonics or K; compares in upper case after trimming.
bool isMnemonic(const QString& mnemonic);

// The device letters a mnemonic accepts as its operand ("" when any letter is accepted,
// for ANB, ORB, END and NOP; "K" for the constant step). `mnemonic` is in upper case.
QString acceptedDevices(const QString& mnemonic);

// Valid number ranges of a device letter (X Y M T C S F D); empty for any other letter.
std::span<const NumberRange> deviceRanges(QChar letter);

// The device letter whose ranges hold `number`, or a null QChar when none does.
// The last-digit rule is not applied here.
QChar deviceLetterOf(int number);

// True when `number` lies in one of the letter's ranges and its last digit is 0 to 7.
bool isValidDeviceNumber(QChar letter, int number);

// Puts the device letter back in front of a bare device number (ZK1 files, controller
// read-back). Steps that carry no operand give an empty text; anything else is returned as is.
QString addDevLetter(const QString& ins, const QString& data);

} // namespace ladrix
