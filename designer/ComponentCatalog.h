// The components the library offers to tools (the Designer plugin, the API
// reference generator), and the pure helpers that turn
// a component's class and natural size into what Designer shows: the object
// name a new instance gets, the form snippet with its default geometry and
// the square its icon is drawn into.
#pragma once

#include <QList>
#include <QMetaProperty>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace vok::designer {

// One component on Designer's widget box.
struct ComponentEntry
{
    QString ClassName; // qualified, as uic writes it: "vok::TMeter"
    QString Header;    // the include line uic writes: "vok/Vok_Meter.h"
    QString GalleryPage; // the title of the gallery page that shows it
    QString ToolTip;
    QString WhatsThis;
    std::function<QWidget*(QWidget* Parent)> Create;
    // Gives a sample instance the content its icon shows, for components
    // whose initial look is empty; may be unset.
    std::function<void(QWidget* Sample)> Dress;
};

// The entry of component T, named by its meta-object.
template <class T>
ComponentEntry Component(const char* Header, const char* GalleryPage, const char* ToolTip, const char* WhatsThis)
{
    return {QString::fromLatin1(T::staticMetaObject.className()), QStringLiteral("vok/") + QLatin1String(Header),
        QString::fromUtf8(GalleryPage), QString::fromUtf8(ToolTip), QString::fromUtf8(WhatsThis),
        [](QWidget* Parent) -> QWidget* { return new T(Parent); }, {}};
}

// The entry of component T whose icon sample gets Dress(sample) first.
template <class T, class F>
ComponentEntry Component(const char* Header, const char* GalleryPage, const char* ToolTip, const char* WhatsThis, F Dress)
{
    ComponentEntry Entry = Component<T>(Header, GalleryPage, ToolTip, WhatsThis);
    Entry.Dress = [Dress](QWidget* Sample) { Dress(static_cast<T*>(Sample)); };
    return Entry;
}

// Every component, in the order of the widget box.
const std::vector<ComponentEntry>& Components();

// The widget box group every component is shown in.
QString GroupName();

// The object name Designer gives a new instance: the class name without its
// namespace and the leading 'T', first letter in lower case ("vok::TNumIO2"
// -> "numIO2").
QString DefaultObjectName(const QString& ClassName);

// The form snippet Designer places: the widget with its geometry at Size.
QString DomXml(const QString& ClassName, QSize Size);

// The part of a component's picture its icon shows: a long and narrow
// picture is cut to its middle, at most twice as long as it is wide, so the
// icon stays legible. Empty for an empty picture.
QRect IconSource(QSize Picture);

// Where a picture part of Source size goes inside a Side x Side icon:
// scaled down (never up) to fit, aspect ratio kept, centered. Empty for an
// empty source.
QRect IconTarget(QSize Source, int Side);

// The properties the library's classes declare on Meta and its bases, not
// Qt's own: what Designer shows under the component's name.
QList<QMetaProperty> LibraryProperties(const QMetaObject* Meta);

} // namespace vok::designer
