#include "KeyCodes.h"

namespace ladrix::plc {

int digitOfKey(std::uint8_t code)
{
    for (int d = 0; d < 10; ++d) {
        if (kDigitKeys[d] == code)
            return d;
    }
    return -1;
}

std::uint8_t keyOfDigitChar(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return kDigitKeys[c.unicode() - u'0'];
    return key::Nop0;
}

const std::array<PanelKey, 23>& panelKeys()
{
    static const std::array<PanelKey, 23> keys = {{
        {"DEL", key::Del},
        {"INS", key::Ins},
        {"STEP", key::Step},
        {"INSTR", key::Instr},
        {"LD", key::Ld},
        {"AND", key::And},
        {"OR", key::Or},
        {"-", key::Minus},
        {"LDI/7", key::Ldi7},
        {"ANI/8", key::Ani8},
        {"ORI/9", key::Ori9},
        {"+", key::Plus},
        {"OUT/4", key::Out4},
        {"ANB/5", key::Anb5},
        {"ORB/6", key::Orb6},
        {"K/SEARCH", key::KSearch},
        {"RST/1", key::Rst1},
        {"SFT/2", key::Sft2},
        {"PLS/3", key::Pls3},
        {"CLEAR", key::Clear},
        {"NOP/0/S/MC/CJP", key::Nop0},
        {"END/./R/MCR/EJP", key::EndPoint},
        {"WRITE/MONITOR", key::WriteMonitor},
    }};
    return keys;
}

} // namespace ladrix::plc
