// The Designer plugin as Designer sees it: loaded from its file, offering
// every component with its texts, header, icon and default geometry, and
// creating widgets whose properties Designer's property editor can show.
#include <gtest/gtest.h>

#include <algorithm>

#include "ComponentCatalog.h"

#include <vok/Vok_components.h>

#include <QDirIterator>
#include <QImage>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QWidget>
#include <QXmlStreamReader>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <memory>

namespace {

QList<QDesignerCustomWidgetInterface*> PluginWidgets()
{
    static QPluginLoader Loader(QStringLiteral(VOK_DESIGNER_PLUGIN_FILE));
    auto* Collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(Loader.instance());
    EXPECT_NE(Collection, nullptr) << Loader.errorString().toStdString();
    return Collection ? Collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

// The geometry of the form snippet's widget.
QSize DomXmlSize(const QString& Xml, QString& Class)
{
    QXmlStreamReader Reader(Xml);
    QSize Size;
    while (!Reader.atEnd()) {
        if (Reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (Reader.name() == u"widget")
            Class = Reader.attributes().value(QStringLiteral("class")).toString();
        else if (Reader.name() == u"width")
            Size.setWidth(Reader.readElementText().toInt());
        else if (Reader.name() == u"height")
            Size.setHeight(Reader.readElementText().toInt());
    }
    EXPECT_FALSE(Reader.hasError()) << Reader.errorString().toStdString();
    return Size;
}

bool PublicHeaderExists(const QString& Include)
{
    const QString Name = Include.section(QLatin1Char('/'), -1);
    QDirIterator It(QStringLiteral(VOK_SOURCE_DIR), {Name}, QDir::Files, QDirIterator::Subdirectories);
    while (It.hasNext())
        if (It.next().endsWith(QLatin1String("/vok/") + Name))
            return true;
    return false;
}

int DistinctColors(const QImage& Image)
{
    QSet<QRgb> Colors;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            Colors.insert(Image.pixel(X, Y));
    return Colors.size();
}

} // namespace

TEST(DesignerPlugin, OffersEveryComponentInOneGroup)
{
    QStringList Names;
    for (const QDesignerCustomWidgetInterface* W : PluginWidgets()) {
        Names << W->name();
        EXPECT_EQ(W->group(), QStringLiteral("Vok Components")) << W->name().toStdString();
    }
    const QStringList Expected = {"vok::TNumIO2", "vok::TNumIO", "vok::TReportListView", "vok::TNTabEd", "vok::TMeter",
        "vok::TProgBar", "vok::TOnOffBut", "vok::TNumLab", "vok::TSevenSeg", "vok::TRasterLab", "vok::TRotLab",
        "vok::TGradFill", "vok::TRepSpeedButton", "vok::TMiniCal", "vok::TColSel", "vok::TColorButton",
        "vok::TMarkSel", "vok::TFolderTree", "vok::TThumbnails"};
    EXPECT_EQ(Names, Expected);
}

TEST(DesignerPlugin, DescribesEachComponentForTheWidgetBoxAndUic)
{
    for (QDesignerCustomWidgetInterface* W : PluginWidgets()) {
        const std::string Name = W->name().toStdString();
        EXPECT_FALSE(W->toolTip().isEmpty()) << Name;
        EXPECT_GT(W->whatsThis().size(), W->toolTip().size()) << Name;
        EXPECT_FALSE(W->isContainer()) << Name;
        EXPECT_TRUE(W->includeFile().startsWith(QLatin1String("vok/Vok_"))) << Name;
        EXPECT_TRUE(PublicHeaderExists(W->includeFile())) << Name << " " << W->includeFile().toStdString();

        // The icon is the component's own picture, not an empty square.
        const QImage Icon = W->icon().pixmap(32, 32).toImage();
        ASSERT_FALSE(Icon.isNull()) << Name;
        EXPECT_GE(DistinctColors(Icon), 2) << Name;

        // The form snippet places the class at its natural size.
        QString Class;
        const QSize Size = DomXmlSize(W->domXml(), Class);
        EXPECT_EQ(Class, W->name());
        QWidget Parent;
        const std::unique_ptr<QWidget> Widget(W->createWidget(&Parent));
        ASSERT_NE(Widget, nullptr) << Name;
        EXPECT_EQ(Size, Widget->sizeHint().expandedTo(Widget->minimumSizeHint())) << Name;
    }
}

TEST(DesignerPlugin, CreatedComponentsShowTheirPropertiesByName)
{
    for (QDesignerCustomWidgetInterface* W : PluginWidgets()) {
        const std::string Name = W->name().toStdString();
        QWidget Parent;
        const std::unique_ptr<QWidget> Widget(W->createWidget(&Parent));
        ASSERT_NE(Widget, nullptr) << Name;
        EXPECT_EQ(Widget->parentWidget(), &Parent) << Name;
        EXPECT_EQ(QString::fromLatin1(Widget->metaObject()->className()), W->name());

        // Every property the library declares reads back; an enumeration is
        // tied to its registered QMetaEnum, so Designer offers its value
        // names and form loaders read them.
        const QList<QMetaProperty> Properties = vok::designer::LibraryProperties(Widget->metaObject());
        const int Own = int(Properties.size());
        for (const QMetaProperty& P : Properties) {
            const std::string Where = Name + "." + P.name();
            const QVariant Value = P.read(Widget.get());
            EXPECT_TRUE(Value.isValid()) << Where;
            if (P.metaType().flags().testFlag(QMetaType::IsEnumeration) || P.isFlagType()) {
                ASSERT_TRUE(P.isEnumType()) << Where << " (" << P.typeName() << ") is not tied to its QMetaEnum";
                const QMetaEnum Enum = P.enumerator();
                const QByteArray Key = P.isFlagType() ? Enum.valueToKeys(Value.toInt()) : QByteArray(Enum.valueToKey(Value.toInt()));
                EXPECT_FALSE(Key.isEmpty() && Value.toInt() != 0) << Where;
            }
        }
        EXPECT_GT(Own, 0) << Name;
    }
}

TEST(DesignerPlugin, ComponentsInDesignersFormEditorAreDesigning)
{
    const QList<QDesignerCustomWidgetInterface*> Widgets = PluginWidgets();
    ASSERT_FALSE(Widgets.isEmpty());
    const auto Found = std::find_if(Widgets.begin(), Widgets.end(), [](QDesignerCustomWidgetInterface* W) {
        return W->name() == QStringLiteral("vok::TMeter");
    });
    ASSERT_NE(Found, Widgets.end());
    QDesignerCustomWidgetInterface* Meter = *Found;
    QWidget Parent;

    // Before Designer initializes the plugin (QUiLoader never does), the
    // components it makes run as in a program.
    const std::unique_ptr<QWidget> RunTime(Meter->createWidget(&Parent));
    EXPECT_FALSE(dynamic_cast<vok::TComponentCore&>(*RunTime).IsDesigning());

    QDesignerFormEditorInterface Core;
    Meter->initialize(&Core);
    EXPECT_TRUE(Meter->isInitialized());
    const std::unique_ptr<QWidget> OnForm(Meter->createWidget(&Parent));
    EXPECT_TRUE(dynamic_cast<vok::TComponentCore&>(*OnForm).IsDesigning());
}

TEST(ComponentCatalog, NamesGeometryAndIconPlacement)
{
    using namespace vok::designer;
    EXPECT_EQ(DefaultObjectName(QStringLiteral("vok::TNumIO2")), QStringLiteral("numIO2"));
    EXPECT_EQ(DefaultObjectName(QStringLiteral("vok::TReportListView")), QStringLiteral("reportListView"));
    EXPECT_EQ(DefaultObjectName(QStringLiteral("Tuner")), QStringLiteral("tuner")); // no prefix 'T' to drop

    QString Class;
    EXPECT_EQ(DomXmlSize(DomXml(QStringLiteral("vok::TMeter"), QSize(281, 177)), Class), QSize(281, 177));
    EXPECT_EQ(Class, QStringLiteral("vok::TMeter"));

    // Long pictures are cut to their middle at 2:1, square ones kept whole.
    EXPECT_EQ(IconSource(QSize(160, 28)), QRect(52, 0, 56, 28));
    EXPECT_EQ(IconSource(QSize(20, 100)), QRect(0, 30, 20, 40));
    EXPECT_EQ(IconSource(QSize(50, 50)), QRect(0, 0, 50, 50));
    EXPECT_TRUE(IconSource(QSize(0, 10)).isEmpty());

    // Scaled down to fit and centered; small pictures are not blown up.
    EXPECT_EQ(IconTarget(QSize(56, 28), 32), QRect(0, 8, 32, 16));
    EXPECT_EQ(IconTarget(QSize(10, 20), 32), QRect(11, 6, 10, 20));
    EXPECT_EQ(IconTarget(QSize(300, 1), 32), QRect(0, 15, 32, 1)); // never thinner than a pixel
    EXPECT_TRUE(IconTarget(QSize(), 32).isEmpty());
}
