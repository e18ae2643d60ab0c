/// TColSel: a drop-down list of up to 47 named colors, each item a color bar
/// and its name. Editable slots are redefined through the color dialog when
/// the list is opened with the pointer over the bar. \file
#pragma once

#include <vok/Vok_combobox.h>
#include <vok/vok_export.h>

#include <array>

namespace vok {

/// Called whenever a slot gets a generated name, before it is stored; the
/// handler may change the name.
using TOnColorNameChangeEvent = std::function<void(QObject* Sender, QString& ColorName)>;

/// The pen of the edit glyph over a bar of Color: black over bright colors
/// (brightness sqrt(r^2 + 2g^2 + b^2) / 2 above 180), white otherwise.
VOK_EXPORT TColor EditGlyphPenColor(TColor Color);

/// A combo box of named colors, each with a sample bar.
class VOK_EXPORT TColSel : public TCustomComboBox
{
    Q_OBJECT
    /// Width of the color sample of each entry in pixels.
    Q_PROPERTY(int ColorBarWidth READ GetColorBarWidth WRITE SetColorBarWidth RESET ResetColorBarWidth)
    /// How many of the named colors the list offers (1..47).
    Q_PROPERTY(int NumColors READ GetNumColors WRITE SetNumColors RESET ResetNumColors)
    /// The selected color.
    Q_PROPERTY(quint32 SelColor READ GetSelColor WRITE SetSelColor NOTIFY selColorChanged)
    /// The name of the selected color.
    Q_PROPERTY(QString SelColorID READ GetSelColorID STORED false)

public:
    static constexpr int MaxColors = 47; ///< The most colors the list holds.

    /// All 47 slots from the predefined colors, 20 offered; the list is
    /// built by Loaded(), by NumColors or by a palette.
    explicit TColSel(QWidget* AOwner = nullptr);

    /// Width of the color sample of each entry in pixels.
    ///@{
    int GetColorBarWidth() const { return FColorBarWidth; }
    void SetColorBarWidth(int Value);
    ///@}
    /// Slots offered, 1..47; other values are ignored. Selects slot 1.
    ///@{
    int GetNumColors() const { return FNumColors; }
    void SetNumColors(int Value);
    ///@}
    /// The selected slot's color. Setting a color in the list selects its
    /// first slot; another color replaces the selected slot's color and name.
    ///@{
    TColor GetSelColor() const { return FColors[FSelColorIx - 1]; }
    void SetSelColor(TColor Value);
    ///@}
    /// The selected slot's name, "" while no item is selected.
    ///@{
    QString GetSelColorID() const;
    ///@}
    /// The selected slot, 1..NumColors.
    int GetSelColorIx() const { return FSelColorIx; }

    void SetEnabled(bool Value) override;

    /// Slots 1..NumColors; other indexes read 0, "" or false and are ignored
    /// on writing. Writing a color names it (through OnColorNameChange);
    /// writing a name stores it as it is.
    ///@{
    TColor GetColors(int Index) const;
    void SetColors(int Index, TColor Value);
    QString GetColorNames(int Index) const;
    void SetColorNames(int Index, const QString& Value);
    bool GetColorEditAllowed(int Index) const;
    void SetColorEditAllowed(int Index, bool Value);
    void SetAllColorEditFlags();
    void ResetAllColorEditFlags();
    ///@}

    /// Palettes from the predefined colors; each selects slot 1.
    ///@{
    void LoadBasicVGAPalette();     ///< 16 colors, entries 1..16
    void LoadExtendedPalette();     ///< 20 colors, entries 1..20
    void LoadStandardPalette();     ///< 47 colors, entries 1..47
    void LoadWindowsSystemPalette(); ///< 27 colors, entries 21..47
    ///@}

    void Loaded() override;
    void DrawItem(int Index, TRect ARect, TOwnerDrawState State) override;
    /// Before the list opens: redefines the current item's editable color
    /// when the pointer was last over its bar.
    void DropDown() override;
    /// The user picked an item: it becomes the selected slot.
    void Change() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    TOnColorNameChangeEvent OnColorNameChange; ///< Called with the name of a color the user edited; the handler may change it.

signals:
    void changed(); ///< Emitted with OnChange.
    void selColorChanged(quint32 Color); ///< Emitted when SelColor changes.

protected:
    void FontChanged() override;

private:
    /// Stores Color in Slot and the name generated for it.
    void NameSlot(int Slot, TColor Color);
    void LoadPalette(int Count, int FirstEntry);
    void BuildList();
    bool InRange(int Index) const { return Index >= 1 && Index <= FNumColors; }
    /// The current item becomes the selected slot; OnChange and changed(),
    /// then selColorChanged when the color is no longer Old.
    void FireChange(TColor Old);
    /// Emits selColorChanged when the selected color is no longer Old.
    void NotifySelColor(TColor Old);
    QSize SizeForText(int TextWidth) const;

    void ResetColorBarWidth() { SetColorBarWidth(30); }
    void ResetNumColors() { SetNumColors(20); }

    std::array<TColor, MaxColors> FColors{};
    std::array<QString, MaxColors> FColorNames;
    std::array<bool, MaxColors> FIsUserEditable{};
    int FNumColors = 20;
    int FSelColorIx = 1;
    int FColorBarWidth = 30;
    int FMouseAreaCode = 0;
};

} // namespace vok
