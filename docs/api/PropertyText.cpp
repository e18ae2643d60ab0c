#include "PropertyText.h"

#include <QLocale>

namespace vok::docs {

QString PropertyText(const QMetaProperty& Property, const QVariant& Value)
{
    if (Property.isEnumType()) {
        const QMetaEnum Enum = Property.enumerator();
        const QByteArray Keys = Enum.isFlag() ? Enum.valueToKeys(Value.toInt()) : QByteArray(Enum.valueToKey(Value.toInt()));
        return Keys.isEmpty() ? QString::number(Value.toInt()) : QString::fromLatin1(Keys);
    }
    switch (Value.metaType().id()) {
    case QMetaType::UInt:
        if (QString::fromLatin1(Property.name()).contains(QLatin1String("Color")))
            return QStringLiteral("$%1").arg(Value.toUInt(), 8, 16, QLatin1Char('0')).toUpper();
        return QString::number(Value.toUInt());
    case QMetaType::Double:
        return QString::number(Value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::Bool:
        return Value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::QString:
        return QLatin1Char('"') + Value.toString() + QLatin1Char('"');
    default:
        break;
    }
    if (Value.metaType().flags().testFlag(QMetaType::PointerToQObject))
        return QStringLiteral("(object)");
    return Value.canConvert<QString>() ? Value.toString() : QStringLiteral("(%1)").arg(QLatin1String(Value.typeName()));
}

} // namespace vok::docs
