#include "DialogButtons.h"

#include "CommonTexts.h"

#include <QDialogButtonBox>
#include <QPushButton>

namespace ladrix {

OkCancelButtons okCancelButtons(QWidget* parent, const QString& okName, const QString& cancelName)
{
    auto* box = new QDialogButtonBox(parent);
    QPushButton* ok = box->addButton(commontexts::okText(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(okName);
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(commontexts::cancelText(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(cancelName);
    return {box, ok, cancel};
}

} // namespace ladrix
