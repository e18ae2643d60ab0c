#include <vok/Vok_colors.h>

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace vok {

namespace {

struct ColorName
{
    TColor Color;
    const char* Name;
};

constexpr std::array<ColorName, 52> ColorNames = {{
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
    {clNone, "clNone"}, {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"}, {clBackground, "clBackground"}, {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"}, {clMenu, "clMenu"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clMenuText, "clMenuText"}, {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"}, {clActiveBorder, "clActiveBorder"}, {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"}, {clBtnShadow, "clBtnShadow"}, {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"}, {clInactiveCaptionText, "clInactiveCaptionText"}, {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"}, {clHotLight, "clHotLight"}, {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
}};

struct SystemRole
{
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Palette role of each system color index (0 .. 30); index 25 is unused.
constexpr std::array<SystemRole, 31> SystemRoles = {{
    {QPalette::Active, QPalette::Mid},                  // 0 scroll bar
    {QPalette::Active, QPalette::Dark},                 // 1 desktop background
    {QPalette::Active, QPalette::Highlight},            // 2 active caption
    {QPalette::Inactive, QPalette::Mid},                // 3 inactive caption
    {QPalette::Active, QPalette::Window},               // 4 menu
    {QPalette::Active, QPalette::Base},                 // 5 window
    {QPalette::Active, QPalette::Shadow},               // 6 window frame
    {QPalette::Active, QPalette::WindowText},           // 7 menu text
    {QPalette::Active, QPalette::Text},                 // 8 window text
    {QPalette::Active, QPalette::HighlightedText},      // 9 caption text
    {QPalette::Active, QPalette::Button},               // 10 active border
    {QPalette::Inactive, QPalette::Button},             // 11 inactive border
    {QPalette::Active, QPalette::Mid},                  // 12 application work space
    {QPalette::Active, QPalette::Highlight},            // 13 highlight
    {QPalette::Active, QPalette::HighlightedText},      // 14 highlight text
    {QPalette::Active, QPalette::Button},               // 15 button face
    {QPalette::Active, QPalette::Dark},                 // 16 button shadow
    {QPalette::Disabled, QPalette::Text},               // 17 gray text
    {QPalette::Active, QPalette::ButtonText},           // 18 button text
    {QPalette::Inactive, QPalette::WindowText},         // 19 inactive caption text
    {QPalette::Active, QPalette::Light},                // 20 button highlight
    {QPalette::Active, QPalette::Shadow},               // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},             // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},          // 23 info text
    {QPalette::Active, QPalette::ToolTipBase},          // 24 info background
    {QPalette::Active, QPalette::NoRole},               // 25 unused
    {QPalette::Active, QPalette::Link},                 // 26 hot light
    {QPalette::Active, QPalette::Highlight},            // 27 gradient active caption
    {QPalette::Inactive, QPalette::Mid},                // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},            // 29 menu highlight
    {QPalette::Active, QPalette::Window},               // 30 menu bar
}};

} // namespace

TColor ColorToRGB(TColor Color)
{
    if (!IsSystemColor(Color))
        return Color & 0x00FFFFFFu;
    const quint32 Index = Color & 0x00FFFFFFu;
    if (Index >= SystemRoles.size() || SystemRoles[Index].Role == QPalette::NoRole)
        return clBlack;
    const QPalette Palette = QGuiApplication::palette();
    return QColorToColor(Palette.color(SystemRoles[Index].Group, SystemRoles[Index].Role));
}

QString ColorToString(TColor Color)
{
    for (const ColorName& Entry : ColorNames)
        if (Entry.Color == Color)
            return QString::fromLatin1(Entry.Name);
    return QStringLiteral("$%1").arg(Color, 8, 16, QLatin1Char('0')).toUpper();
}

bool StringToColor(const QString& Text, TColor& Color)
{
    const QString Trimmed = Text.trimmed();
    for (const ColorName& Entry : ColorNames)
        if (Trimmed.compare(QLatin1String(Entry.Name), Qt::CaseInsensitive) == 0) {
            Color = Entry.Color;
            return true;
        }
    bool Ok = false;
    const uint Value = Trimmed.startsWith(QLatin1Char('$')) ? Trimmed.mid(1).toUInt(&Ok, 16) : Trimmed.toUInt(&Ok, 10);
    if (Ok)
        Color = Value;
    return Ok;
}

QColor ColorToQColor(TColor Color)
{
    const TColor C = ColorToRGB(Color);
    return QColor(GetRValue(C), GetGValue(C), GetBValue(C));
}

TColor QColorToColor(const QColor& Color)
{
    return RGBToColor(Color.red(), Color.green(), Color.blue());
}

} // namespace vok
