// The text rules of the edit-based numeric field: whole-text conversion, the
// value written for a number, and the check that runs after every change of
// the text. No widget: the field hands its text, caret and settings here.
#pragma once

#include <vok/Vok_NumIO.h>

#include <QString>

#include <optional>

namespace vok {

// The settings the edit field's text rules depend on.
struct TNumIOTextFormat
{
    TInFormat InputFormat = itDynamic;
    TDecPSep DecPlaceSep = dsSystem;
    int FixPointDecPlaces = 2; // 1..8
};

// Whether Text is a whole number of the format (partial entries such as "-",
// "5." and "1e-" count); Value receives the number read from the text's
// start, also when the result is false (an empty text leaves it alone).
VOK_EXPORT bool ConvertNumText(const TNumIOTextFormat& Format, const QString& Text, double& Value);
// The value of the field's text; 0 when it does not convert.
VOK_EXPORT double NumIOTextValue(const TNumIOTextFormat& Format, const QString& Text);
// The text the field writes for Value. In comma mode the decimals use ",",
// so the written text passes the field's own check.
VOK_EXPORT QString NumIOValueText(const TNumIOTextFormat& Format, double Value);

// The check after a change of the text.
struct TNumIOChangeInput
{
    QString Text;         // the text now in the field
    QString AcceptedText; // the last accepted text
    int Caret = 0;        // caret position (0 = before the first character)
    double RangeLow = 0.0;
    double RangeHigh = 0.0;
};

struct TNumIOChangeResult
{
    bool Accepted = false;              // fire OnChange
    QString AcceptedText;               // the new last accepted text
    std::optional<QString> Replacement; // text to write back (internally)
    int Caret = 0;                      // caret after writing the replacement
    bool Refused = false;               // the text was put back: beep when enabled
};

VOK_EXPORT TNumIOChangeResult CheckNumIOChange(const TNumIOTextFormat& Format, const TNumIOChangeInput& In);

} // namespace vok
