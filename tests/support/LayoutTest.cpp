#include "LayoutTest.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>

namespace vok::test {

std::unique_ptr<QWidget> ShowBesideLineEdit(QWidget* Component)
{
    auto Form = std::make_unique<QWidget>();
    auto* Row = new QHBoxLayout(Form.get());
    Row->addWidget(new QLineEdit);
    Row->addWidget(Component);
    Form->show();
    Form->resize(Form->minimumSizeHint());
    QApplication::processEvents();
    return Form;
}

} // namespace vok::test
