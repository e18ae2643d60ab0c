// Decoding of stored UTF-8 text.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace vok::detail {

// The text of UTF-8 bytes, keeping a leading U+FEFF: QString::fromUtf8 takes
// it for a byte-order mark and drops it, but inside a file or a cell it is
// text. Invalid bytes are replaced.
QString TextFromUtf8(QByteArrayView Utf8);

} // namespace vok::detail
