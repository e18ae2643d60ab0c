#include <vok/Vok_colorconst.h>
#include <vok/Vok_colors.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace vok {

namespace {

int Red(TColor C) { return int(C & 0xFF); }
int Green(TColor C) { return int((C >> 8) & 0xFF); }
int Blue(TColor C) { return int((C >> 16) & 0xFF); }
TColor Rgb(int R, int G, int B) { return TColor(R) | (TColor(G) << 8) | (TColor(B) << 16); }

int ToChannel(double Unit) { return int(std::lround(std::clamp(Unit, 0.0, 1.0) * 255.0)); }

double HueToChannel(double P, double Q, double Hue)
{
    Hue = std::fmod(Hue + 360.0, 360.0); // Hue arrives in [-120, 480)
    if (Hue < 60.0)
        return P + (Q - P) * Hue / 60.0;
    if (Hue < 180.0)
        return Q;
    if (Hue < 240.0)
        return P + (Q - P) * (240.0 - Hue) / 60.0;
    return P;
}

constexpr std::array<TPredefinedColor, NrOfPredefinedColors> Table = {{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clMenuHighlight, "clMenuHighlight"},
}};

} // namespace

void ColorToHSL(TColor Color, double& Hue, double& Saturation, double& Lightness)
{
    const double R = Red(Color) / 255.0;
    const double G = Green(Color) / 255.0;
    const double B = Blue(Color) / 255.0;
    const double Max = std::max({R, G, B});
    const double Min = std::min({R, G, B});
    const double Delta = Max - Min;
    Lightness = (Max + Min) / 2.0;
    if (Delta == 0.0) {
        Hue = 0.0;
        Saturation = 0.0;
        return;
    }
    Saturation = Lightness <= 0.5 ? Delta / (Max + Min) : Delta / (2.0 - Max - Min);
    if (Max == R)
        Hue = 60.0 * (G - B) / Delta;
    else if (Max == G)
        Hue = 60.0 * (2.0 + (B - R) / Delta);
    else
        Hue = 60.0 * (4.0 + (R - G) / Delta);
    if (Hue < 0.0)
        Hue += 360.0;
}

TColor HSLtoColor(double Hue, double Saturation, double Lightness)
{
    const double S = std::clamp(Saturation, 0.0, 1.0);
    const double L = std::clamp(Lightness, 0.0, 1.0);
    if (S == 0.0 || !std::isfinite(Hue))
        return Rgb(ToChannel(L), ToChannel(L), ToChannel(L));
    const double Q = L <= 0.5 ? L * (1.0 + S) : L + S - L * S;
    const double P = 2.0 * L - Q;
    double H = std::fmod(Hue, 360.0);
    if (H < 0.0)
        H += 360.0;
    return Rgb(ToChannel(HueToChannel(P, Q, H + 120.0)), ToChannel(HueToChannel(P, Q, H)),
               ToChannel(HueToChannel(P, Q, H - 120.0)));
}

int ColorToGray(TColor Color)
{
    return (Red(Color) * 299 + Green(Color) * 587 + Blue(Color) * 114 + 500) / 1000;
}

TColor MeanColor(TColor Color1, TColor Color2)
{
    return Rgb((Red(Color1) + Red(Color2) + 1) / 2, (Green(Color1) + Green(Color2) + 1) / 2,
               (Blue(Color1) + Blue(Color2) + 1) / 2);
}

TPredefinedColor PredefinedColors(int Index)
{
    if (Index < 1 || Index > NrOfPredefinedColors)
        return {clNone, ""};
    return Table[std::size_t(Index - 1)];
}

} // namespace vok
