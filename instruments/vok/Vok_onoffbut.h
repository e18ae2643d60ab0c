/// Two-state switch drawn from pictures: check box, radio button, slide
/// switches, LEDs, arrows, traffic light, smileys, bulb, lamp button, disk
/// lamps or the host's own pictures, with up to four texts around it. Buttons
/// of one group on one parent behave like radio buttons. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/vok_export.h>

#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <memory>

namespace vok {

inline namespace OnOffButEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// The picture sets of TOnOffBut.
enum TOnOffButStyle {
    oobsUser,
    oobsCheckbox,
    oobsRadioBut,
    oobsSlideTB,
    oobsSlideLR,
    oobsColSlideTB,
    oobsColSlideLR,
    oobsLedRedGreen,
    oobsArrowTopRgt,
    oobsArrowUpDown,
    oobsArrowLeftRight,
    oobsTrafficLPed,
    oobsBeveledLed,
    oobsSmileyYellow,
    oobsSmileyRedGrn,
    oobsBulb,
    oobsButLamp,
    oobsHDLeft,
    oobsHDRight,
    oobsUser1,
    oobsUser2,
    oobsUser3,
    oobsUser4,
    oobsUser5,
};
Q_ENUM_NS(TOnOffButStyle)

/// Which clicks switch: none, only those on the picture, or anywhere.
enum TOOButMouseAction { oomaNone, oomaFocused, oomaPlain };
Q_ENUM_NS(TOOButMouseAction)

/// A latching switch, or a push button that is on only while held.
enum TOOButMode { oobmNormalBut, oobmSpeedBut };
Q_ENUM_NS(TOOButMode)
} // namespace OnOffButEnums

/// The bitmap resource of a built-in style; empty for oobsUser.
VOK_EXPORT QString OnOffButResourceName(TOnOffButStyle Style);

/// Pixels of this color in a state picture are background.
inline constexpr TColor OnOffButKeyColor = 0xEBBEEB;

/// A two-state picture switch in 24 styles, with captions on four sides; switches of one group act as radio buttons.
class VOK_EXPORT TOnOffBut : public TGraphicControl
{
    Q_OBJECT
    /// Whether every switch of the group may be off at once; false keeps one on, as radio buttons.
    Q_PROPERTY(bool AllowAllOff READ GetAllowAllOff WRITE SetAllowAllOff RESET ResetAllowAllOff)
    /// Whether the switch picture is centered in the control.
    Q_PROPERTY(bool AutoCenter READ GetAutoCenter WRITE SetAutoCenter RESET ResetAutoCenter)
    /// Caption below the switch.
    Q_PROPERTY(QString BottomText READ GetBottomText WRITE SetBottomText RESET ResetBottomText)
    /// Alignment of the bottom caption.
    Q_PROPERTY(vok::InputEnums::TAlignment BottomTextAlignment READ GetBottomTextAlignment WRITE SetBottomTextAlignment RESET ResetBottomTextAlignment)
    /// The picture set of the switch (check box, radio button, slides, lamps, user pictures ...).
    Q_PROPERTY(vok::OnOffButEnums::TOnOffButStyle ButtonStyle READ GetButtonStyle WRITE SetButtonStyle RESET ResetButtonStyle)
    /// Background color of the control.
    Q_PROPERTY(quint32 ColorBackgnd READ GetColorBackgnd WRITE SetColorBackgnd RESET ResetColorBackgnd)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Color of the captions.
    Q_PROPERTY(quint32 ColorText READ GetColorText WRITE SetColorText RESET ResetColorText)
    /// Frame around the control.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Switches with the same nonzero index on one parent form a group.
    Q_PROPERTY(int GroupIndex READ GetGroupIndex WRITE SetGroupIndex RESET ResetGroupIndex)
    /// Width of the area left of the switch picture, in pixels.
    Q_PROPERTY(int LeftSpace READ GetLeftSpace WRITE SetLeftSpace)
    /// Caption left of the switch.
    Q_PROPERTY(QString LeftText READ GetLeftText WRITE SetLeftText RESET ResetLeftText)
    /// Alignment of the left caption.
    Q_PROPERTY(vok::InputEnums::TAlignment LeftTextAlignment READ GetLeftTextAlignment WRITE SetLeftTextAlignment RESET ResetLeftTextAlignment)
    /// A switch that stays (oobmNormalBut), or a button that is on only while pressed (oobmSpeedBut).
    Q_PROPERTY(vok::OnOffButEnums::TOOButMode Mode READ GetMode WRITE SetMode RESET ResetMode)
    /// How the pointer highlights the switch.
    Q_PROPERTY(vok::OnOffButEnums::TOOButMouseAction MouseAction READ GetMouseAction WRITE SetMouseAction RESET ResetMouseAction)
    /// Whether the switch is on.
    Q_PROPERTY(bool OnOff READ GetOnOff WRITE SetOnOff RESET ResetOnOff NOTIFY onOffChanged)
    /// Caption right of the switch.
    Q_PROPERTY(QString RightText READ GetRightText WRITE SetRightText RESET ResetRightText)
    /// Alignment of the right caption.
    Q_PROPERTY(vok::InputEnums::TAlignment RightTextAlignment READ GetRightTextAlignment WRITE SetRightTextAlignment RESET ResetRightTextAlignment)
    /// Height of the area above the switch picture, in pixels.
    Q_PROPERTY(int TopSpace READ GetTopSpace WRITE SetTopSpace)
    /// Caption above the switch.
    Q_PROPERTY(QString TopText READ GetTopText WRITE SetTopText RESET ResetTopText)
    /// Alignment of the top caption.
    Q_PROPERTY(vok::InputEnums::TAlignment TopTextAlignment READ GetTopTextAlignment WRITE SetTopTextAlignment RESET ResetTopTextAlignment)
    /// Whether the parent shows through the background.
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent RESET ResetTransparent)

public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TOnOffBut(QWidget* AOwner = nullptr);
    ~TOnOffBut() override;

    /// Whether every switch of the group may be off at once; false keeps one on, as radio buttons.
    ///@{
    bool GetAllowAllOff() const { return FAllowAllOff; }
    void SetAllowAllOff(bool Value);
    ///@}
    /// Whether the switch picture is centered in the control.
    ///@{
    bool GetAutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool Value);
    ///@}
    /// Caption below the switch.
    ///@{
    QString GetBottomText() const { return FTexts[BottomPos]; }
    void SetBottomText(const QString& Value) { SetText(BottomPos, Value); }
    ///@}
    /// Alignment of the bottom caption.
    ///@{
    TAlignment GetBottomTextAlignment() const { return FAlignments[BottomPos]; }
    void SetBottomTextAlignment(TAlignment Value) { SetTextAlignment(BottomPos, Value); }
    ///@}
    /// The picture set of the switch (check box, radio button, slides, lamps, user pictures ...).
    ///@{
    TOnOffButStyle GetButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TOnOffButStyle Value);
    ///@}
    /// Background color of the control.
    ///@{
    TColor GetColorBackgnd() const { return FColorBackgnd; }
    void SetColorBackgnd(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Color of the captions.
    ///@{
    TColor GetColorText() const { return FColorText; }
    void SetColorText(TColor Value);
    ///@}
    /// Frame around the control.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Switches with the same nonzero index on one parent form a group.
    ///@{
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    ///@}
    /// Width of the area left of the switch picture, in pixels.
    ///@{
    int GetLeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int Value);
    ///@}
    /// Caption left of the switch.
    ///@{
    QString GetLeftText() const { return FTexts[LeftPos]; }
    void SetLeftText(const QString& Value) { SetText(LeftPos, Value); }
    ///@}
    /// Alignment of the left caption.
    ///@{
    TAlignment GetLeftTextAlignment() const { return FAlignments[LeftPos]; }
    void SetLeftTextAlignment(TAlignment Value) { SetTextAlignment(LeftPos, Value); }
    ///@}
    /// A switch that stays (oobmNormalBut), or a button that is on only while pressed (oobmSpeedBut).
    ///@{
    TOOButMode GetMode() const { return FMode; }
    void SetMode(TOOButMode Value);
    ///@}
    /// How the pointer highlights the switch.
    ///@{
    TOOButMouseAction GetMouseAction() const { return FMouseAction; }
    void SetMouseAction(TOOButMouseAction Value) { FMouseAction = Value; }
    ///@}
    /// Whether the switch is on.
    ///@{
    bool GetOnOff() const { return FOnOff; }
    /// Switching off is refused while the button is in a group that does not
    /// allow all off; switching on announces the button to its group.
    void SetOnOff(bool Value);
    ///@}
    /// Caption right of the switch.
    ///@{
    QString GetRightText() const { return FTexts[RightPos]; }
    void SetRightText(const QString& Value) { SetText(RightPos, Value); }
    ///@}
    /// Alignment of the right caption.
    ///@{
    TAlignment GetRightTextAlignment() const { return FAlignments[RightPos]; }
    void SetRightTextAlignment(TAlignment Value) { SetTextAlignment(RightPos, Value); }
    ///@}
    /// Height of the area above the switch picture, in pixels.
    ///@{
    int GetTopSpace() const { return FTopSpace; }
    void SetTopSpace(int Value);
    ///@}
    /// Caption above the switch.
    ///@{
    QString GetTopText() const { return FTexts[TopPos]; }
    void SetTopText(const QString& Value) { SetText(TopPos, Value); }
    ///@}
    /// Alignment of the top caption.
    ///@{
    TAlignment GetTopTextAlignment() const { return FAlignments[TopPos]; }
    void SetTopTextAlignment(TAlignment Value) { SetTextAlignment(TopPos, Value); }
    ///@}
    /// Whether the parent shows through the background.
    ///@{
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    ///@}

    /// The size of one state picture.
    ///@{
    int GetGlyphWidth() const { return FGlyphWidth; }
    int GetGlyphHeight() const { return FGlyphHeight; }
    ///@}
    /// The state picture for (On, Enabled) and the user picture of the same state.
    ///@{
    const TBitmap* GetStateImage(bool On, bool Enabled) const { return FStateImg[On][Enabled].get(); }
    const TBitmap* GetUserImage(bool On, bool Enabled) const { return FUserImg[On][Enabled].get(); }
    ///@}

    /// Fills the four state pictures for the present style.
    void LoadGlyphs();
    /// Cuts a 2 x 2 strip into the state pictures: top row enabled, bottom
    /// row disabled, left column on, right column off; the glyph size becomes
    /// a quarter of the strip.
    void ExtractGlyphs(const TBitmap* Bitmap);
    /// Centres the picture: LeftSpace and TopSpace from the size and the glyph.
    void AdjustAutoCenter();
    /// The control's own resize handler (OnResize until the host sets another).
    void ProcessResize(QObject* Sender);

    /// Gives oobsUser its pictures from a 2 x 2 strip laid out as the built-in
    /// ones, and the glyph size a quarter of the strip. A strip smaller than
    /// 2 x 2 pixels, or a file that cannot be read, changes nothing: false.
    ///@{
    bool SetUserGlyph(const TBitmap* Bitmap);
    bool LoadUserGlyph(const QString& FileName);
    ///@}

    /// Announces this button to the buttons of its group on the same parent.
    void UpdateExclusive();
    /// A button of group GroupIndex was switched on (or changed its settings).
    void CMButtonPressed(int GroupIndex, TOnOffBut* Sender);

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Does nothing: OnClick fires from MouseUp (or the space bar's release) only.
    void Click() override;
    /// While the button has the focus, the space bar works as the left mouse
    /// button on the picture (unless MouseAction is oomaNone).
    ///@{
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyUp(quint16& Key, TShiftState Shift) override;
    ///@}
    /// The focus frame around the picture comes and goes.
    ///@{
    void DoEnter() override;
    void DoExit() override;
    void SetEnabled(bool Value) override;
    ///@}

    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// A check box, a button in the speed-button mode; the name is the first
    /// of the right, left, top and bottom texts that is set.
    ///@{
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    void AccessibleState(QAccessible::State& State) const override;
    ///@}

Q_SIGNALS:
    void onOffChanged(bool OnOff); ///< Emitted when OnOff changes.
    void clicked(); ///< Emitted with OnClick, on release over the switch.

protected:
    void FontChanged() override;

private:
    class Painter;
    enum TTextPos { LeftPos, RightPos, TopPos, BottomPos };
    using TImages = std::array<std::array<std::unique_ptr<TBitmap>, 2>, 2>; ///< [on][enabled]

    void SetText(TTextPos Pos, const QString& Value);
    void SetTextAlignment(TTextPos Pos, TAlignment Value);
    void ChangeOnOff(bool Value);
    /// After FOnOff changed: the signal and the accessible state change.
    void OnOffChanged();
    bool ActsOn(TMouseButton Button, int X, int Y) const;
    void Press();
    void Release();
    void MakeUserImages();

    void ResetAllowAllOff() { SetAllowAllOff(true); }
    void ResetAutoCenter() { SetAutoCenter(true); }
    void ResetBottomText() { SetBottomText(QString()); }
    void ResetBottomTextAlignment() { SetBottomTextAlignment(taCenter); }
    void ResetButtonStyle() { SetButtonStyle(oobsColSlideLR); }
    void ResetColorBackgnd() { SetColorBackgnd(clBtnFace); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetColorText() { SetColorText(0x000000); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetGroupIndex() { SetGroupIndex(0); }
    void ResetLeftText() { SetLeftText(QString()); }
    void ResetLeftTextAlignment() { SetLeftTextAlignment(taRightJustify); }
    void ResetMode() { SetMode(oobmNormalBut); }
    void ResetMouseAction() { SetMouseAction(oomaFocused); }
    void ResetOnOff() { SetOnOff(true); }
    void ResetRightText() { SetRightText(QString()); }
    void ResetRightTextAlignment() { SetRightTextAlignment(taLeftJustify); }
    void ResetTopText() { SetTopText(QString()); }
    void ResetTopTextAlignment() { SetTopTextAlignment(taCenter); }
    void ResetTransparent() { SetTransparent(false); }

    bool FAllowAllOff = true;
    bool FAutoCenter = true;
    std::array<QString, 4> FTexts;
    std::array<TAlignment, 4> FAlignments{taRightJustify, taLeftJustify, taCenter, taCenter};
    TOnOffButStyle FButtonStyle = oobsColSlideLR;
    TColor FColorBackgnd = clBtnFace;
    TColorScheme FColorScheme = csClassic;
    TColor FColorText = 0x000000;
    TFrameStyle FFrameStyle = fsLowered;
    int FGroupIndex = 0;
    int FLeftSpace = 35;
    TOOButMode FMode = oobmNormalBut;
    TOOButMouseAction FMouseAction = oomaFocused;
    bool FOnOff = true;
    int FTopSpace = 18;
    bool FTransparent = false;
    int FGlyphWidth = 0;
    int FGlyphHeight = 0;
    bool FSpaceDown = false;
    TImages FStateImg;
    TImages FUserImg;
    /// The off-screen picture Paint renders into, kept between paints.
    std::unique_ptr<TBitmap> FButBmp;
};

} // namespace vok
