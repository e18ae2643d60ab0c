// How the API reference writes a property's value.
#pragma once

#include <QMetaProperty>
#include <QString>
#include <QVariant>

namespace vok::docs {

// Value as the reference shows it: an enumeration or flag by its value
// names, a color property (a quint32 whose name has "Color") as
// $00BBGGRR, a number in its shortest exact form, a text in quotes, an
// object as "(object)".
QString PropertyText(const QMetaProperty& Property, const QVariant& Value);

} // namespace vok::docs
