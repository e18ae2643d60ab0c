#include <vok/Vok_colors.h>
#include <vok/Vok_syscolors.h>

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include <array>

namespace vok {

namespace {

// Named colors beyond the base library's predefined table.
constexpr std::array<TPredefinedColor, 5> ExtraNames = {{
    {clNone, "clNone"}, {clDefault, "clDefault"}, {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clMenuBar, "clMenuBar"},
}};

// Calls Visit for every named color until it returns true.
template <class VisitFn>
bool ForEachNamedColor(VisitFn&& Visit)
{
    for (int I = 1; I <= NrOfPredefinedColors; ++I)
        if (Visit(PredefinedColors(I)))
            return true;
    for (const TPredefinedColor& Entry : ExtraNames)
        if (Visit(Entry))
            return true;
    return false;
}

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

// The widget whose palette the innermost TPaletteScope of this thread set.
thread_local const QWidget* ScopeWidget = nullptr;

} // namespace

TColor ColorToRGB(TColor Color, const QPalette& Palette)
{
    if (!IsSystemColor(Color))
        return Color & 0x00FFFFFFu;
    const quint32 Index = Color & 0x00FFFFFFu;
    if (Index >= SystemRoles.size() || SystemRoles[Index].Role == QPalette::NoRole)
        return clBlack;
    return QColorToColor(Palette.color(SystemRoles[Index].Group, SystemRoles[Index].Role));
}

TColor ColorToRGB(TColor Color)
{
    if (!IsSystemColor(Color))
        return Color & 0x00FFFFFFu;
    return ColorToRGB(Color, ScopeWidget ? ScopeWidget->palette() : QGuiApplication::palette());
}

TPaletteScope::TPaletteScope(const QWidget* Widget)
    : FPrevious(ScopeWidget)
    , FActive(Widget != nullptr)
{
    if (FActive)
        ScopeWidget = Widget;
}

TPaletteScope::~TPaletteScope()
{
    if (FActive)
        ScopeWidget = FPrevious;
}

QString ColorToString(TColor Color)
{
    QString Name;
    if (ForEachNamedColor([&](const TPredefinedColor& Entry) {
            if (Entry.Color != Color)
                return false;
            Name = QString::fromLatin1(Entry.Name);
            return true;
        }))
        return Name;
    return QStringLiteral("$%1").arg(Color, 8, 16, QLatin1Char('0')).toUpper();
}

bool StringToColor(const QString& Text, TColor& Color)
{
    const QString Trimmed = Text.trimmed();
    if (ForEachNamedColor([&](const TPredefinedColor& Entry) {
            if (Trimmed.compare(QLatin1String(Entry.Name), Qt::CaseInsensitive) != 0)
                return false;
            Color = Entry.Color;
            return true;
        }))
        return true;
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
