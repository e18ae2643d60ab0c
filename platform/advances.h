// Widths of texts whose characters' advances simply add up. Shaping is the
// costly part of measuring a text; in most fonts digits and the signs around
// numbers are neither kerned nor joined, so a number is as wide as the sum of
// its characters. Which characters qualify is found per font by measuring
// every pair of candidates shaped together.
#pragma once

#include <vok/vok_export.h>

#include <QStringView>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QFont;

namespace vok::text {

/// A shaped text's width in 1/64 pixel, the unit Qt's text layout adds in.
using Measure = std::function<qint64(QStringView)>;

class VOK_EXPORT AdditiveAdvances
{
public:
    /// The characters considered: digits, signs, separators, exponents, space.
    static QStringView Candidates();

    /// Measures the candidates alone and in pairs, and drops the character
    /// in the most mismatched pairs until every pair of those left is as wide
    /// as its two characters apart.
    explicit AdditiveAdvances(const Measure& Shaped);

    bool IsAdditive(QChar C) const;
    /// Text's width in whole pixels, rounded as Qt rounds a shaped width, or
    /// nothing when Text holds a character that is not additive.
    std::optional<int> Width(QStringView Text) const;

private:
    static constexpr qint32 NotAdditive = -1;
    std::array<qint32, 128> FAdvances; ///< By character code, in 1/64 pixel.
};

/// The additive advances of a font, measured once per distinct font and
/// shared by every user of it.
VOK_EXPORT std::shared_ptr<const AdditiveAdvances> AdditiveAdvancesOf(const QFont& Font);

} // namespace vok::text
