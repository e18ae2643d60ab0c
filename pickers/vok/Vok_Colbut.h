/// TColorButton: a panel showing a color. It lightens while the pointer is
/// over it and, when clicked, lets the user pick its color in the assigned
/// color dialog. \file
#pragma once

#include <vok/Vok_labels.h>
#include <vok/vok_export.h>

#include <QPointer>

namespace vok {

class TColorDialog;

/// The lightness shown while the pointer is over a color of lightness L:
/// dark colors gain 0.2, the others move halfway to white.
VOK_EXPORT double HoverLightness(double L);
/// The caption color over Color: the window text color with ParentBackground,
/// else white over dark colors (gray level at most 96), black over light ones.
VOK_EXPORT TColor CaptionColorFor(TColor Color, bool ParentBackground);

/// A panel showing a color that lightens under the pointer and, when clicked, lets the user pick its color.
class VOK_EXPORT TColorButton : public TCustomPanel
{
    Q_OBJECT
    /// The color shown and picked.
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor NOTIFY colorChanged)

public:
    /// clBtnFace, no color dialog.
    explicit TColorButton(QWidget* AOwner = nullptr);

    /// The host's color dialog (not owned; forgotten when it is destroyed).
    ///@{
    TColorDialog* GetColorDialog() const;
    void SetColorDialog(TColorDialog* Value);
    ///@}
    /// Whether the pointer is over the button (the color shown is lightened).
    bool GetHovered() const { return FHovered; }

    void MouseEnter() override;
    void MouseLeave() override;
    /// OnClick, then the color dialog; a confirmed color fires OnChange.
    void Click() override;
    /// Space and Enter click the button.
    void KeyDown(quint16& Key, TShiftState Shift) override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    /// A push button to assistive technology, named by its caption.
    QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    TNotifyEvent OnChange; ///< Fired when the color changes.

signals:
    void changed(); ///< Emitted with OnChange.
    void colorChanged(quint32 Color); ///< Emitted when Color changes.

protected:
    void FontChanged() override;

private:
    TColor FBakColor;
    QPointer<TColorDialog> FColorDialog;
    bool FHovered = false;
};

} // namespace vok
