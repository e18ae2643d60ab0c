// The Designer plugin: one widget interface per component, gathered in one
// collection that Designer and QUiLoader load.
#pragma once

#include "ComponentCatalog.h"

#include <QIcon>
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>
#include <optional>

namespace vok::designer {

// Designer's view of one component: its texts, header and an icon and
// default geometry taken from an instance at its natural size.
class ComponentWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    ComponentWidgetPlugin(const ComponentEntry& Entry, QObject* Parent);

    QString name() const override { return FEntry.ClassName; }
    QString group() const override { return GroupName(); }
    QString toolTip() const override { return FEntry.ToolTip; }
    QString whatsThis() const override { return FEntry.WhatsThis; }
    QString includeFile() const override { return FEntry.Header; }
    QIcon icon() const override;
    QString domXml() const override;
    bool isContainer() const override { return false; }
    // In Designer's form editor (a core is given) the new component is
    // marked as designing, so timers and other run-time behaviour stay off;
    // QUiLoader creates run-time components.
    QWidget* createWidget(QWidget* Parent) override;
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface* Core) override;

private:
    // The component's look and natural size, from one instance made on
    // first use.
    struct Sample
    {
        QIcon Icon;
        QSize Size;
    };
    const Sample& GetSample() const;

    ComponentEntry FEntry;
    bool FInitialized = false;
    bool FDesigning = false;
    mutable std::optional<Sample> FSample;
};

class VokDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
public:
    explicit VokDesignerPlugin(QObject* Parent = nullptr);
    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> FWidgets;
};

} // namespace vok::designer
