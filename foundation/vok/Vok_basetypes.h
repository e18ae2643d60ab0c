/// Shared types, enumerations, constants and exceptions of the base library. \file
#pragma once

#include <vok/vok_export.h>

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <stdexcept>

namespace vok {

/// A 32-bit color $00BBGGRR; a top byte of $FF marks a system color that the
/// platform resolves through the application palette.
using TColor = quint32;

/// The enumerations are registered with Qt (one meta-object per header), so
/// properties of these types read and write by value name.
inline namespace BaseEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// Frame style by ordinal: 0 no frame, 1 flat outline, 2 sunken, 3 raised,
/// 4 gray and white lines, 5 white and gray lines.
enum TFrameStyle : quint8 { fsNoFrame, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };

/// Ordinal 0 uses the classic gray $808080 and white $FFFFFF line colors, any
/// other value the system button-shadow and button-highlight colors.
enum TColorScheme : quint8 { csClassic, csSystem };

/// Decimal separator mode: follow the system, "." only, "," only, either.
enum TDecPSep : quint8 { dsSystem, dsPoint, dsComma, dsBoth };

/// The direction in which a bar grows or text runs.
enum TDirection : quint8 { drBottomUp, drTopDown, drRightLeft, drLeftRight };
/// Vertical or horizontal.
enum TOrientation : quint8 { orVertical, orHorizontal };
/// How a background image fills an area: as it is, stretched, tiled.
enum TBkgFill : quint8 { bfSimple, bfStretch, bfTile };
/// Language of texts such as month and weekday names.
enum TLanguage : quint8 { lgNeutral, lgEnglish, lgGerman, lgFrench, lgSpanish };
/// Logical operations.
enum TLogicOp : quint8 { loAND, loOR, loXOR, loNOT };
/// The field separator of CSV files: comma, semicolon, tab or blank.
enum TCSVDelimiters : quint8 { csvComma, csvSemicolon, csvTab, csvSpace };
Q_ENUM_NS(TFrameStyle)
Q_ENUM_NS(TColorScheme)
Q_ENUM_NS(TDecPSep)
Q_ENUM_NS(TDirection)
Q_ENUM_NS(TOrientation)
Q_ENUM_NS(TBkgFill)
Q_ENUM_NS(TLanguage)
Q_ENUM_NS(TLogicOp)
Q_ENUM_NS(TCSVDelimiters)
} // namespace BaseEnums

using TDoubleArray = QList<double>; ///< A list of doubles.

/// A plain notification: something about Sender changed.
using TNotifyEvent = std::function<void(QObject* Sender)>;

/// Progress of a long operation in percent (0..100).
using TOnPercentDoneEvent = std::function<void(QObject* Sender, int Percent)>;
/// Called by a sort before it exchanges two rows (or columns) Index1 and Index2.
using TBeforeSortExchgEvent = std::function<void(QObject* Sender, int Index1, int Index2)>;

/// Largest double, largest real (the classic 6-byte real), ln 10.
///@{
inline constexpr double uc_MaxDouble = 1.7976931348623157e308;
inline constexpr double uc_MaxReal = 1.7e38;
inline constexpr double uc_ln10 = 2.302585092994045684;
///@}

/// Base of every exception the library raises. what() is the UTF-8 message.
class VOK_EXPORT EVOKError : public std::runtime_error
{
public:
    /// The error with its message Msg.
    explicit EVOKError(const QString& Msg)
        : std::runtime_error(Msg.toStdString())
        , FMessage(Msg)
    {
    }
    QString Message() const { return FMessage; } ///< The message.

private:
    QString FMessage;
};

/// Raised by data structures for an access that their contents cannot serve
/// (for example reading a cell that is not a number as a number).
class VOK_EXPORT EVOKDStructError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// The message form for problems with a component's resources:
/// Component "&lt;Name&gt;": &lt;problem&gt;.
VOK_EXPORT QString ComponentMessage(const QString& ComponentName, const QString& Problem);

} // namespace vok
