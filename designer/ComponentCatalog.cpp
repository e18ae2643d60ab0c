#include "ComponentCatalog.h"

#include <vok/VokComponents.h>

#include <algorithm>

namespace vok::designer {

// A new component joins Designer's widget box with one line here.
const std::vector<ComponentEntry>& Components()
{
    static const std::vector<ComponentEntry> List = {
        Component<TNumIO2>("Vok_NumIO.h", "Numeric entry", "Numeric field", "A self-drawn numeric field with captions, spin buttons, a gauge and eight input formats; values outside the range are shown in warning colors."),
        Component<TNumIO>("Vok_NumIO.h", "Numeric entry", "Numeric edit", "A numeric field on a line edit that accepts only numbers of its input format and range."),
        Component<TReportListView>("Vok_replistview.h", "Report list", "Report list", "A list of typed, sortable text columns on a grid, with check and radio columns, three selection modes, filtering and in-place editing."),
        Component<TNTabEd>("Vok_ntabed.h", "Table editor", "Table editor", "A grid editor over a numeric data table with named rows and columns, a precision per column, nominal columns, cell marks, popup menus and clipboard exchange."),
        Component<TMeter>("Vok_Meter.h", "Meter", "Analog meter", "An analog panel meter: six scale layouts, linear or logarithmic scales, range bands, limit lamps and two needles."),
        Component<TProgBar>("Vok_ProgBar.h", "Instruments", "Progress bar", "A progress bar in four directions, in one color or a color gradient, with grid lines, a value text and an optional auto-increment timer."),
        Component<TOnOffBut>("Vok_onoffbut.h", "Instruments", "On/off switch", "A two-state picture switch in 24 styles; switches of one group act as radio buttons."),
        Component<TNumLab>("Vok_NumLab.h", "Instruments", "Numeric label", "A read-only label: a framed box showing a number in one of fifteen display types, between a left and a right caption."),
        Component<TSevenSeg>("Vok_sevenseg.h", "Displays", "Seven-segment display", "A short text as a row of slanted seven-segment digits, in any color and size."),
        Component<TRasterLab>("Vok_RasterLab.h", "Displays", "Dot-matrix label", "A text drawn as a grid of square dots, lit and unlit in two colors, optionally scrolling across the board."),
        Component<TRotLab>("Vok_RotLab.h", "Displays", "Rotated label", "A label whose text is drawn at any angle, with an optional shadow.",
            [](TRotLab* Sample) { Sample->SetCaption(QStringLiteral("Abc")); Sample->SetTextAngle(30); }),
        Component<TGradFill>("Vok_gradfl.h", "Displays", "Gradient fill", "An area in stepped color bands between two colors, across, down or rising to the middle, with grid lines and a frame."),
        Component<TRepSpeedButton>("Vok_repsbut.h", "Displays", "Auto-repeat button", "A speed button that repeats its click while it is held down."),
        Component<TMiniCal>("Vok_MiniCal.h", "Calendar and pickers", "Month calendar", "A month calendar with week numbers and the holidays of four languages."),
        Component<TColSel>("Vok_Colsel.h", "Calendar and pickers", "Color selector", "A combo box of named colors, each shown with a sample."),
        Component<TColorButton>("Vok_Colbut.h", "Calendar and pickers", "Color button", "A panel showing a color; a click lets the user pick another one in a color dialog."),
        Component<TMarkSel>("Vok_marksel.h", "Calendar and pickers", "Marker selector", "Picks one of 52 marker symbols from a grid of cells; the marker nearest to the pointer is highlighted."),
        Component<TFolderTree>("Vok_FolderTree.h", "File browsing", "Folder tree", "A tree of the file system's folders that loads each level when it is opened."),
        Component<TThumbnails>("Vok_Thumbnails.h", "File browsing", "Thumbnail strip", "A scrollable grid of numbered slides whose pictures the host program supplies, with a selection and a focus frame."),
    };
    return List;
}

QString GroupName()
{
    return QStringLiteral("Vok Components");
}

QString DefaultObjectName(const QString& ClassName)
{
    QString Name = ClassName.mid(ClassName.lastIndexOf(QLatin1Char(':')) + 1);
    if (Name.size() > 1 && Name.at(0) == QLatin1Char('T') && Name.at(1).isUpper())
        Name.remove(0, 1);
    if (!Name.isEmpty())
        Name[0] = Name.at(0).toLower();
    return Name;
}

QString DomXml(const QString& ClassName, QSize Size)
{
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"%1\" name=\"%2\">\n"
        "  <property name=\"geometry\">\n"
        "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
        "  </property>\n"
        " </widget>\n"
        "</ui>\n")
        .arg(ClassName.toHtmlEscaped(), DefaultObjectName(ClassName).toHtmlEscaped())
        .arg(Size.width())
        .arg(Size.height());
}

QList<QMetaProperty> LibraryProperties(const QMetaObject* Meta)
{
    QList<QMetaProperty> List;
    for (; Meta; Meta = Meta->superClass()) {
        if (!QByteArray(Meta->className()).startsWith("vok::"))
            continue;
        QList<QMetaProperty> Own;
        for (int I = Meta->propertyOffset(); I < Meta->propertyCount(); ++I)
            Own << Meta->property(I);
        List = Own + List; // base classes first, as Designer lists them
    }
    return List;
}

QRect IconSource(QSize Picture)
{
    if (Picture.isEmpty())
        return {};
    const int Width = std::min(Picture.width(), 2 * Picture.height());
    const int Height = std::min(Picture.height(), 2 * Picture.width());
    return {(Picture.width() - Width) / 2, (Picture.height() - Height) / 2, Width, Height};
}

QRect IconTarget(QSize Source, int Side)
{
    if (Source.isEmpty() || Side <= 0)
        return {};
    QSize Fit = Source;
    if (Fit.width() > Side || Fit.height() > Side)
        Fit = Source.scaled(Side, Side, Qt::KeepAspectRatio);
    Fit = Fit.expandedTo(QSize(1, 1));
    return {QPoint((Side - Fit.width()) / 2, (Side - Fit.height()) / 2), Fit};
}

} // namespace vok::designer
