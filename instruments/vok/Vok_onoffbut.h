// Two-state switch drawn from pictures: check box, radio button, slide
// switches, LEDs, arrows, traffic light, smileys, bulb, lamp button, disk
// lamps or the host's own pictures, with up to four texts around it. Buttons
// of one group on one parent behave like radio buttons.
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

// Which clicks switch: none, only those on the picture, or anywhere.
enum TOOButMouseAction { oomaNone, oomaFocused, oomaPlain };
Q_ENUM_NS(TOOButMouseAction)

// A latching switch, or a push button that is on only while held.
enum TOOButMode { oobmNormalBut, oobmSpeedBut };
Q_ENUM_NS(TOOButMode)
} // namespace OnOffButEnums

// The bitmap resource of a built-in style; empty for oobsUser.
VOK_EXPORT QString OnOffButResourceName(TOnOffButStyle Style);

// Pixels of this color in a state picture are background.
inline constexpr TColor OnOffButKeyColor = 0xEBBEEB;

class VOK_EXPORT TOnOffBut : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(bool AllowAllOff READ GetAllowAllOff WRITE SetAllowAllOff RESET ResetAllowAllOff)
    Q_PROPERTY(bool AutoCenter READ GetAutoCenter WRITE SetAutoCenter RESET ResetAutoCenter)
    Q_PROPERTY(QString BottomText READ GetBottomText WRITE SetBottomText RESET ResetBottomText)
    Q_PROPERTY(vok::InputEnums::TAlignment BottomTextAlignment READ GetBottomTextAlignment WRITE SetBottomTextAlignment RESET ResetBottomTextAlignment)
    Q_PROPERTY(vok::OnOffButEnums::TOnOffButStyle ButtonStyle READ GetButtonStyle WRITE SetButtonStyle RESET ResetButtonStyle)
    Q_PROPERTY(quint32 ColorBackgnd READ GetColorBackgnd WRITE SetColorBackgnd RESET ResetColorBackgnd)
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    Q_PROPERTY(quint32 ColorText READ GetColorText WRITE SetColorText RESET ResetColorText)
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    Q_PROPERTY(int GroupIndex READ GetGroupIndex WRITE SetGroupIndex RESET ResetGroupIndex)
    Q_PROPERTY(int LeftSpace READ GetLeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(QString LeftText READ GetLeftText WRITE SetLeftText RESET ResetLeftText)
    Q_PROPERTY(vok::InputEnums::TAlignment LeftTextAlignment READ GetLeftTextAlignment WRITE SetLeftTextAlignment RESET ResetLeftTextAlignment)
    Q_PROPERTY(vok::OnOffButEnums::TOOButMode Mode READ GetMode WRITE SetMode RESET ResetMode)
    Q_PROPERTY(vok::OnOffButEnums::TOOButMouseAction MouseAction READ GetMouseAction WRITE SetMouseAction RESET ResetMouseAction)
    Q_PROPERTY(bool OnOff READ GetOnOff WRITE SetOnOff RESET ResetOnOff NOTIFY onOffChanged)
    Q_PROPERTY(QString RightText READ GetRightText WRITE SetRightText RESET ResetRightText)
    Q_PROPERTY(vok::InputEnums::TAlignment RightTextAlignment READ GetRightTextAlignment WRITE SetRightTextAlignment RESET ResetRightTextAlignment)
    Q_PROPERTY(int TopSpace READ GetTopSpace WRITE SetTopSpace)
    Q_PROPERTY(QString TopText READ GetTopText WRITE SetTopText RESET ResetTopText)
    Q_PROPERTY(vok::InputEnums::TAlignment TopTextAlignment READ GetTopTextAlignment WRITE SetTopTextAlignment RESET ResetTopTextAlignment)
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent RESET ResetTransparent)

public:
    explicit TOnOffBut(QWidget* AOwner = nullptr);
    ~TOnOffBut() override;

    bool GetAllowAllOff() const { return FAllowAllOff; }
    void SetAllowAllOff(bool Value);
    bool GetAutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool Value);
    QString GetBottomText() const { return FTexts[BottomPos]; }
    void SetBottomText(const QString& Value) { SetText(BottomPos, Value); }
    TAlignment GetBottomTextAlignment() const { return FAlignments[BottomPos]; }
    void SetBottomTextAlignment(TAlignment Value) { SetTextAlignment(BottomPos, Value); }
    TOnOffButStyle GetButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TOnOffButStyle Value);
    TColor GetColorBackgnd() const { return FColorBackgnd; }
    void SetColorBackgnd(TColor Value);
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    TColor GetColorText() const { return FColorText; }
    void SetColorText(TColor Value);
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    int GetLeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(int Value);
    QString GetLeftText() const { return FTexts[LeftPos]; }
    void SetLeftText(const QString& Value) { SetText(LeftPos, Value); }
    TAlignment GetLeftTextAlignment() const { return FAlignments[LeftPos]; }
    void SetLeftTextAlignment(TAlignment Value) { SetTextAlignment(LeftPos, Value); }
    TOOButMode GetMode() const { return FMode; }
    void SetMode(TOOButMode Value);
    TOOButMouseAction GetMouseAction() const { return FMouseAction; }
    void SetMouseAction(TOOButMouseAction Value) { FMouseAction = Value; }
    bool GetOnOff() const { return FOnOff; }
    // Switching off is refused while the button is in a group that does not
    // allow all off; switching on announces the button to its group.
    void SetOnOff(bool Value);
    QString GetRightText() const { return FTexts[RightPos]; }
    void SetRightText(const QString& Value) { SetText(RightPos, Value); }
    TAlignment GetRightTextAlignment() const { return FAlignments[RightPos]; }
    void SetRightTextAlignment(TAlignment Value) { SetTextAlignment(RightPos, Value); }
    int GetTopSpace() const { return FTopSpace; }
    void SetTopSpace(int Value);
    QString GetTopText() const { return FTexts[TopPos]; }
    void SetTopText(const QString& Value) { SetText(TopPos, Value); }
    TAlignment GetTopTextAlignment() const { return FAlignments[TopPos]; }
    void SetTopTextAlignment(TAlignment Value) { SetTextAlignment(TopPos, Value); }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    // The size of one state picture.
    int GetGlyphWidth() const { return FGlyphWidth; }
    int GetGlyphHeight() const { return FGlyphHeight; }
    // The state picture for (On, Enabled) and the user picture of the same state.
    const TBitmap* GetStateImage(bool On, bool Enabled) const { return FStateImg[On][Enabled].get(); }
    const TBitmap* GetUserImage(bool On, bool Enabled) const { return FUserImg[On][Enabled].get(); }

    // Fills the four state pictures for the present style.
    void LoadGlyphs();
    // Cuts a 2 x 2 strip into the state pictures: top row enabled, bottom
    // row disabled, left column on, right column off; the glyph size becomes
    // a quarter of the strip.
    void ExtractGlyphs(const TBitmap* Bitmap);
    // Centres the picture: LeftSpace and TopSpace from the size and the glyph.
    void AdjustAutoCenter();
    // The control's own resize handler (OnResize until the host sets another).
    void ProcessResize(QObject* Sender);

    // Gives oobsUser its pictures from a 2 x 2 strip laid out as the built-in
    // ones, and the glyph size a quarter of the strip. A strip smaller than
    // 2 x 2 pixels, or a file that cannot be read, changes nothing: false.
    bool SetUserGlyph(const TBitmap* Bitmap);
    bool LoadUserGlyph(const QString& FileName);

    // Announces this button to the buttons of its group on the same parent.
    void UpdateExclusive();
    // A button of group GroupIndex was switched on (or changed its settings).
    void CMButtonPressed(int GroupIndex, TOnOffBut* Sender);

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // Does nothing: OnClick fires from MouseUp (or the space bar's release) only.
    void Click() override;
    // While the button has the focus, the space bar works as the left mouse
    // button on the picture (unless MouseAction is oomaNone).
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyUp(quint16& Key, TShiftState Shift) override;
    // The focus frame around the picture comes and goes.
    void DoEnter() override;
    void DoExit() override;
    void SetEnabled(bool Value) override;

    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // A check box, a button in the speed-button mode; the name is the first
    // of the right, left, top and bottom texts that is set.
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    void AccessibleState(QAccessible::State& State) const override;

Q_SIGNALS:
    void onOffChanged(bool OnOff);
    void clicked();

protected:
    void FontChanged() override;

private:
    class Painter;
    enum TTextPos { LeftPos, RightPos, TopPos, BottomPos };
    using TImages = std::array<std::array<std::unique_ptr<TBitmap>, 2>, 2>; // [on][enabled]

    void SetText(TTextPos Pos, const QString& Value);
    void SetTextAlignment(TTextPos Pos, TAlignment Value);
    void ChangeOnOff(bool Value);
    // After FOnOff changed: the signal and the accessible state change.
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
    // The off-screen picture Paint renders into, kept between paints.
    std::unique_ptr<TBitmap> FButBmp;
};

} // namespace vok
