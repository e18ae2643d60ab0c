#include "FormExpectations.h"

#include <gtest/gtest.h>

#include <QMetaProperty>
#include <QVariant>

namespace {

struct FormProperty
{
    const char* Object;
    const char* Property;
    QVariant Expected; // an enumeration: its value name
};

// The components of examples/forms/ComponentsForm.ui.
const std::pair<const char*, const char*> FormComponents[] = {
    {"numIO2", "vok::TNumIO2"}, {"numIO", "vok::TNumIO"}, {"meter", "vok::TMeter"},
    {"progBar", "vok::TProgBar"}, {"onOffBut", "vok::TOnOffBut"}, {"numLab", "vok::TNumLab"},
    {"sevenSeg", "vok::TSevenSeg"}, {"rasterLab", "vok::TRasterLab"}, {"rotLab", "vok::TRotLab"},
    {"gradFill", "vok::TGradFill"}, {"repSpeedButton", "vok::TRepSpeedButton"}, {"miniCal", "vok::TMiniCal"},
    {"colSel", "vok::TColSel"}, {"colorButton", "vok::TColorButton"}, {"markSel", "vok::TMarkSel"},
    {"reportListView", "vok::TReportListView"}, {"folderTree", "vok::TFolderTree"}, {"thumbnails", "vok::TThumbnails"},
    {"nTabEd", "vok::TNTabEd"},
};

const FormProperty FormProperties[] = {
    {"numIO2", "Value", 42.5},
    {"numIO2", "LeftText", QStringLiteral("Setpoint")},
    {"numIO2", "RightText", QStringLiteral("bar")},
    {"numIO2", "InputFormat", QStringLiteral("itFixPoint")},
    {"numIO2", "FixPointDecPlaces", 2},
    {"numIO2", "ColorBoxBG", 0x00E0FFFFu},
    {"numIO", "Value", 7.0},
    {"meter", "Caption", QStringLiteral("Pressure")},
    {"meter", "MeterLayout", QStringLiteral("mlCirc180")},
    {"meter", "MeterMaxValue", 10.0},
    {"meter", "Value", 6.5},
    {"meter", "ColorScale", 0x00800000u},
    {"progBar", "Direction", QStringLiteral("drBottomUp")},
    {"progBar", "Value", 75.0},
    {"progBar", "ColorMax", 0x0000A000u},
    {"onOffBut", "ButtonStyle", QStringLiteral("oobsSlideLR")},
    {"onOffBut", "OnOff", true},
    {"onOffBut", "TopText", QStringLiteral("Pump")},
    {"numLab", "DisplayType", QStringLiteral("dtFixP")},
    {"numLab", "Precision", 3},
    {"numLab", "Value", 3.14159},
    {"numLab", "LeftText", QStringLiteral("Flow")},
    {"sevenSeg", "NumDigits", 5},
    {"sevenSeg", "Caption", QStringLiteral("12.34")},
    {"sevenSeg", "ColorText", 0x0000FF00u},
    {"rotLab", "Caption", QStringLiteral("Rotated")},
    {"rotLab", "TextAngle", 45},
    {"gradFill", "FillType", QStringLiteral("gtVert")},
    {"gradFill", "ColorFirst", 0x00FF0000u},
    {"gradFill", "ColorLast", 0x000000FFu},
    {"miniCal", "Language", QStringLiteral("lgGerman")},
    {"nTabEd", "NrOfColumns", 5},
    {"nTabEd", "AutoAdvanceDir", QStringLiteral("orHorizontal")},
    {"nTabEd", "AttribColVisible", true},
};

// The property's value; an enumeration as its value name.
QVariant ReadBack(const QObject& Object, const char* Name)
{
    const QMetaObject* Meta = Object.metaObject();
    const QMetaProperty P = Meta->property(Meta->indexOfProperty(Name));
    if (!P.isValid())
        return {};
    const QVariant V = P.read(&Object);
    if (P.isEnumType())
        return QString::fromLatin1(P.enumerator().valueToKey(V.toInt()));
    return V;
}

} // namespace

void ExpectFormProperties(const QWidget& Form)
{
    for (const auto& [Object, Class] : FormComponents) {
        const QWidget* W = Form.findChild<QWidget*>(QLatin1String(Object));
        ASSERT_NE(W, nullptr) << Object;
        EXPECT_STREQ(W->metaObject()->className(), Class);
    }
    for (const FormProperty& Item : FormProperties) {
        const QObject* Object = Form.findChild<QObject*>(QLatin1String(Item.Object));
        ASSERT_NE(Object, nullptr) << Item.Object;
        QVariant Expected = Item.Expected;
        const QVariant Actual = ReadBack(*Object, Item.Property);
        ASSERT_TRUE(Actual.isValid()) << Item.Object << "." << Item.Property << " is no property";
        ASSERT_TRUE(Expected.convert(Actual.metaType())) << Item.Object << "." << Item.Property;
        EXPECT_EQ(Actual, Expected) << Item.Object << "." << Item.Property << ": " << Actual.toString().toStdString();
    }
}

void ExpectNaturalSizes(QWidget& Form)
{
    Form.adjustSize();
    Form.show();
    for (const auto& [Object, Class] : FormComponents) {
        const QWidget* W = Form.findChild<QWidget*>(QLatin1String(Object));
        ASSERT_NE(W, nullptr) << Object;
        EXPECT_GE(W->width(), W->minimumSizeHint().width()) << Object;
        EXPECT_GE(W->height(), W->minimumSizeHint().height()) << Object;
    }
}
