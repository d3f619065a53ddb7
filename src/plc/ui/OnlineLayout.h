#pragma once

#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;
class QWidget;

namespace ladrix::plc {

// The controls of the online window's first five pages, by their names.
struct OnlineControls {
    QComboBox* cmbComm = nullptr;
    QPushButton* cmdConn = nullptr;
    QLabel* labConnMsg = nullptr;

    QSpinBox* txtRStart = nullptr; // each up-down with its text box (UDRStart / txtRStart)
    QSpinBox* txtRFrom = nullptr;
    QSpinBox* txtRTo = nullptr;
    QCheckBox* ChkREnd = nullptr;
    QLabel* labRNote = nullptr;
    QPushButton* cmdRead = nullptr;
    QPushButton* cmdRCancel = nullptr;
    QProgressBar* PsbRead = nullptr;
    QLabel* labReadMsg = nullptr;

    QSpinBox* txtWStart = nullptr;
    QSpinBox* txtWFrom = nullptr;
    QSpinBox* txtWTo = nullptr;
    QCheckBox* ChkWEnd = nullptr;
    QLabel* labWNote = nullptr;
    QPushButton* CmdWrite = nullptr;
    QPushButton* CmdWCancel = nullptr;
    QProgressBar* psbWrite = nullptr;
    QLabel* labWriteMsg = nullptr;

    std::array<QRadioButton*, 3> OptCopy{};
    QPushButton* cmdFUNOK = nullptr;
    QLabel* labFUNMSG = nullptr;

    QPushButton* cmdHRead = nullptr;
    QProgressBar* PSBHRead = nullptr;
    QLabel* labHRead = nullptr;
    QPushButton* cmdHWrite = nullptr;
    QProgressBar* PSBHWrite = nullptr;
    QLabel* labHWrite = nullptr;
    QPushButton* cmdHVerify = nullptr;
    QLabel* labHVerify = nullptr;
    QTreeWidget* lvwVerify = nullptr;
};

// The frames of pages 1 to 5 with their controls, filled into `c`.
QGroupBox* buildConnPage(OnlineControls& c);
QGroupBox* buildReadPage(OnlineControls& c);
QGroupBox* buildWritePage(OnlineControls& c);
QGroupBox* buildFunPage(OnlineControls& c);
QGroupBox* buildHighSpeedPage(OnlineControls& c);

} // namespace ladrix::plc
