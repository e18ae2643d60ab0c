/// Gradient fill: the area in stepped color bands between two colors, across,
/// down, or rising to the middle and falling again, with grid lines and a
/// frame. A decorative background; OnPaint lets the host draw on top. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/vok_export.h>

#include <QList>

#include <memory>

namespace vok {

inline namespace GradFillEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// Bands stacked top to bottom or side by side, rising to the last color
/// (gtHoriz, gtVert) or from both edges towards it in the middle.
enum TGradType { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
Q_ENUM_NS(TGradType)
/// Grid lines in GridColor: horizontal, vertical or both, at the band spacing.
enum TGridMode { gmNone, gmHoriz, gmVert, gmBoth };
Q_ENUM_NS(TGridMode)
} // namespace GradFillEnums

/// Band k of Count on a Width x Height picture: full width and rows
/// MulDiv(k, Height, Count) .. MulDiv(k + 1, Height, Count) for bands stacked
/// top to bottom, likewise columns for bands side by side.
VOK_EXPORT TRect GradientBandRect(TGradType Type, int Band, int Count, int Width, int Height);

/// The color of band k between the plain RGB colors First and Last, per
/// channel First + MulDiv(k, Last - First, Count) for gtHoriz and gtVert; the
/// mid-band types rise with M = Count div 2 up to band M and fall beyond it
/// (MulDiv(Count - k - 1, Last - First, M)). One band is First.
VOK_EXPORT TColor GradientBandColor(TGradType Type, int Band, int Count, TColor First, TColor Last);

/// The grid lines at the band spacing: MulDiv(k, Extent, Count) for
/// k = 1 .. Count - 1 (the inner band borders).
VOK_EXPORT QList<int> GradientGridLines(int Count, int Extent);

/// A decorative area in stepped color bands between two colors, with grid lines and a frame.
class VOK_EXPORT TGradFill : public TGraphicControl
{
    Q_OBJECT
    /// Color of the first band.
    Q_PROPERTY(quint32 ColorFirst READ GetColorFirst WRITE SetColorFirst NOTIFY colorFirstChanged RESET ResetColorFirst)
    /// Color of the last band (of the middle band for the mid-band types).
    Q_PROPERTY(quint32 ColorLast READ GetColorLast WRITE SetColorLast NOTIFY colorLastChanged RESET ResetColorLast)
    /// Whether the first and last colors are swapped when painting.
    Q_PROPERTY(bool ColorFlipped READ GetColorFlipped WRITE SetColorFlipped RESET ResetColorFlipped)
    /// How the bands run: across, down, or rising to the middle and falling again.
    Q_PROPERTY(vok::GradFillEnums::TGradType FillType READ GetFillType WRITE SetFillType RESET ResetFillType)
    /// Frame around the area.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Color of the grid lines.
    Q_PROPERTY(quint32 GridColor READ GetGridColor WRITE SetGridColor RESET ResetGridColor)
    /// Grid lines at the band borders: none, horizontal, vertical or both.
    Q_PROPERTY(vok::GradFillEnums::TGridMode GridMode READ GetGridMode WRITE SetGridMode RESET ResetGridMode)
    /// Number of color bands (1..255).
    Q_PROPERTY(int NrColors READ GetNrColors WRITE SetNrColors RESET ResetNrColors)

public:
    /// 121 by 121 pixels, 16 bands from navy red ($000080) to yellow.
    explicit TGradFill(QWidget* AOwner = nullptr);

    /// The colors in effect; with ColorFlipped they are the stored colors
    /// exchanged, and setting one stores it in the other's place.
    ///@{
    TColor GetColorFirst() const { return FColorFirst; }
    void SetColorFirst(TColor Value);
    ///@}
    /// Color of the last band (of the middle band for the mid-band types).
    ///@{
    TColor GetColorLast() const { return FColorLast; }
    void SetColorLast(TColor Value);
    ///@}
    /// Whether the first and last colors are swapped when painting.
    ///@{
    bool GetColorFlipped() const { return FColorsFlipped; }
    void SetColorFlipped(bool Value);
    ///@}
    /// How the bands run: across, down, or rising to the middle and falling again.
    ///@{
    TGradType GetFillType() const { return FGradType; }
    void SetFillType(TGradType Value);
    ///@}
    /// Frame around the area.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Color of the grid lines.
    ///@{
    TColor GetGridColor() const { return FGridColor; }
    void SetGridColor(TColor Value);
    ///@}
    /// Grid lines at the band borders: none, horizontal, vertical or both.
    ///@{
    TGridMode GetGridMode() const { return FGridMode; }
    void SetGridMode(TGridMode Value);
    ///@}
    /// Number of color bands (1..255).
    ///@{
    int GetNrColors() const { return FNrColors; }
    void SetNrColors(int Value); ///< 1..255
    ///@}

    /// Fills Bitmap (at its size) with the bands, the grid and the frame.
    void DrawGradient(TBitmap& Bitmap) const;
    /// Renders the gradient, then fires OnPaint.
    void Paint() override;

    QSize sizeHint() const override { return {121, 121}; } ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override { return {32, 32}; } ///< The smallest size at which every part is still legible.

    /// Decoration.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Graphic; }

    TNotifyEvent OnPaint; ///< Fired after each paint, so the host can draw on top.

Q_SIGNALS:
    void colorFirstChanged(quint32 Value); ///< Emitted when ColorFirst changes.
    void colorLastChanged(quint32 Value); ///< Emitted when ColorLast changes.
    void paint(); ///< Emitted with OnPaint.

private:
    void ApplyFlip();
    void Changed();

    void ResetColorFirst() { SetColorFirst(0x000080); }
    void ResetColorLast() { SetColorLast(0x00FFFF); }
    void ResetColorFlipped() { SetColorFlipped(false); }
    void ResetFillType() { SetFillType(gtHoriz); }
    void ResetFrameStyle() { SetFrameStyle(fsNoFrame); }
    void ResetGridColor() { SetGridColor(0x800000); }
    void ResetGridMode() { SetGridMode(gmNone); }
    void ResetNrColors() { SetNrColors(16); }

    int FNrColors = 16;
    TGradType FGradType = gtHoriz;
    TColor FColorFirst = 0x000080;
    TColor FColorLast = 0x00FFFF;
    TColor FColFirstOrg = 0x000080;
    TColor FColLastOrg = 0x00FFFF;
    bool FColorsFlipped = false;
    TFrameStyle FFrameStyle = fsNoFrame;
    TGridMode FGridMode = gmNone;
    TColor FGridColor = 0x800000;
    std::unique_ptr<TBitmap> FBmp;
};

} // namespace vok
