/// Rotated label: the caption drawn at any angle around a reference point,
/// optionally anti-aliased, inside an optional frame. Background and
/// transparency come from the platform label. \file
#pragma once

#include <vok/Vok_labels.h>
#include <vok/vok_export.h>

namespace vok {

/// Where the text's top-left corner goes so that the point of the text that
/// Alignment names (middle of the left edge, centre, middle of the right edge)
/// lies on (PosX, PosY), for a text of Width x Height turned counterclockwise
/// by Angle degrees.
VOK_EXPORT TPoint RotatedTextOrigin(int PosX, int PosY, int Width, int Height, int Angle, TAlignment Alignment);

/// A label whose caption is drawn at any angle about a reference point.
class VOK_EXPORT TRotLab : public TCustomLabel
{
    Q_OBJECT
    /// Alignment of the text about its reference point.
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment RESET ResetAlignment)
    /// Whether the text is drawn smoothed.
    Q_PROPERTY(bool AntiAlias READ GetAntiAlias WRITE SetAntiAlias RESET ResetAntiAlias)
    /// Whether the reference point is the center of the control (PosX and PosY are ignored).
    Q_PROPERTY(bool AutoCenter READ GetAutoCenter WRITE SetAutoCenter RESET ResetAutoCenter)
    /// Frame around the label.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Horizontal position of the text's reference point in pixels.
    Q_PROPERTY(int PosX READ GetPosX WRITE SetPosX RESET ResetPosX)
    /// Vertical position of the text's reference point in pixels.
    Q_PROPERTY(int PosY READ GetPosY WRITE SetPosY RESET ResetPosY)
    /// Angle of the text in degrees, counterclockwise.
    Q_PROPERTY(int TextAngle READ GetTextAngle WRITE SetTextAngle RESET ResetTextAngle)

public:
    /// 200 by 200 pixels, transparent, Arial 11, the caption centred.
    explicit TRotLab(QWidget* AOwner = nullptr);

    /// Alignment of the text about its reference point.
    ///@{
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    ///@}
    /// Whether the text is drawn smoothed.
    ///@{
    bool GetAntiAlias() const { return FAntiAlias; }
    void SetAntiAlias(bool Value);
    ///@}
    /// Whether the reference point is the center of the control (PosX and PosY are ignored).
    ///@{
    bool GetAutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool Value);
    ///@}
    /// Frame around the label.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// The reference point; ignored (re-centred) while AutoCenter is on.
    ///@{
    int GetPosX() const { return FTextPosX; }
    void SetPosX(int Value);
    ///@}
    /// Vertical position of the text's reference point in pixels.
    ///@{
    int GetPosY() const { return FTextPosY; }
    void SetPosY(int Value);
    ///@}
    /// Degrees, counterclockwise.
    ///@{
    int GetTextAngle() const { return FTextAngle; }
    void SetTextAngle(int Value);
    ///@}

    /// The reference point := the control's centre.
    void AdjustAutoCenter();
    /// The resize handler: re-centres while AutoCenter is on (with a parent).
    void ProcessResize(QObject* Sender);

    void DoDrawText(TRect& Rect, int Flags) override;
    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override { return {200, 200}; } ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

private:
    /// Invalidates a transparent label, repaints an opaque one at once.
    void Changed();

    void ResetAlignment() { SetAlignment(taCenter); }
    void ResetAntiAlias() { SetAntiAlias(true); }
    void ResetAutoCenter() { SetAutoCenter(true); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetPosX() { SetPosX(10); }
    void ResetPosY() { SetPosY(10); }
    void ResetTextAngle() { SetTextAngle(0); }

    int FTextAngle = 0;
    int FTextPosX = 10;
    int FTextPosY = 10;
    bool FAntiAlias = true;
    bool FAutoCenter = true;
    TAlignment FAlignment = taCenter;
    TFrameStyle FFrameStyle = fsLowered;
};

} // namespace vok
