// A component inside an ordinary Qt layout: the form a host application
// builds around it.
#pragma once

#include <QWidget>

#include <memory>

namespace vok::test {

// A window with a QLineEdit and Component (taken over) side by side in a
// QHBoxLayout, shown at the layout's smallest (natural) size.
std::unique_ptr<QWidget> ShowBesideLineEdit(QWidget* Component);

} // namespace vok::test
