#include "VokDesignerPlugin.h"

#include <vok/Vok_components.h>

#include <QPainter>
#include <QPixmap>

namespace vok::designer {

namespace {

constexpr int IconSide = 32;

} // namespace

ComponentWidgetPlugin::ComponentWidgetPlugin(const ComponentEntry& Entry, QObject* Parent)
    : QObject(Parent)
    , FEntry(Entry)
{
}

const ComponentWidgetPlugin::Sample& ComponentWidgetPlugin::GetSample() const
{
    if (!FSample) {
        const std::unique_ptr<QWidget> Widget(FEntry.Create(nullptr));
        const QSize Size = Widget->sizeHint().expandedTo(Widget->minimumSizeHint());
        Widget->resize(Size);
        if (FEntry.Dress)
            FEntry.Dress(Widget.get());
        const QPixmap Picture = Widget->grab();
        const QRect Part = IconSource(Picture.size());
        QPixmap Icon(IconSide, IconSide);
        Icon.fill(Qt::transparent);
        {
            QPainter P(&Icon);
            P.setRenderHint(QPainter::SmoothPixmapTransform);
            P.drawPixmap(IconTarget(Part.size(), IconSide), Picture, Part);
        }
        FSample = Sample{QIcon(Icon), Size};
    }
    return *FSample;
}

QIcon ComponentWidgetPlugin::icon() const
{
    return GetSample().Icon;
}

QString ComponentWidgetPlugin::domXml() const
{
    return DomXml(FEntry.ClassName, GetSample().Size);
}

QWidget* ComponentWidgetPlugin::createWidget(QWidget* Parent)
{
    QWidget* Widget = FEntry.Create(Parent);
    if (FDesigning) {
        if (auto* Component = dynamic_cast<TComponentCore*>(Widget))
            Component->SetDesigning(true);
    }
    return Widget;
}

void ComponentWidgetPlugin::initialize(QDesignerFormEditorInterface* Core)
{
    if (FInitialized)
        return;
    FInitialized = true;
    FDesigning = Core != nullptr;
}

VokDesignerPlugin::VokDesignerPlugin(QObject* Parent)
    : QObject(Parent)
{
    for (const ComponentEntry& Entry : Components())
        FWidgets.append(new ComponentWidgetPlugin(Entry, this));
}

} // namespace vok::designer
