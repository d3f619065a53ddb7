#pragma once

#include "ladder/ElementInput.h"
#include "widgets/MessageSink.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ladrix {

// frmInput: asks for the operand of a ladder element. The request's mode enables the fields
// (device; device and function mnemonic; device and K constant) and its element code chooses
// the picture. OK checks the fields and closes with the formatted texts, or names what is
// missing and stays open; cancelling hands nothing back.
//
// Children: "cmbFNC", "txtDev", "txtK", "imgLad", "OKButton", "CancelButton".
class ElementDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ElementDialog)

public:
    explicit ElementDialog(const ElementRequest& request, QWidget* parent = nullptr);

    void setMessageSink(MessageSink sink) { m_sink = std::move(sink); }
    // The texts of an accepted dialog; nothing while it is open or after a cancel.
    const std::optional<ElementInput>& input() const { return m_input; }

    // The mnemonics offered in cmbFNC, in order.
    static const QStringList& functionList();

private:
    void okButtonClick();

    ElementRequest m_request;
    QComboBox* m_cmbFNC;
    QLineEdit* m_txtDev;
    QLineEdit* m_txtK;
    MessageSink m_sink;
    std::optional<ElementInput> m_input;
};

} // namespace ladrix
