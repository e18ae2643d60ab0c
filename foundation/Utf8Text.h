// Decoding of stored UTF-8 text.
#pragma once

#include <QByteArrayView>
#include <QString>

namespace vok::detail {

// The text of UTF-8 bytes, keeping a leading U+FEFF: QString::fromUtf8 takes
// it for a byte-order mark and drops it, but inside a file or a cell it is
// text. Invalid bytes are replaced.
QString TextFromUtf8(QByteArrayView Utf8);

// Target takes what TextFromUtf8 gives for Utf8; ASCII text reuses Target's
// storage, so a loop that reads many cells into one QString allocates only
// while it meets longer texts.
void AssignTextFromUtf8(QString& Target, QByteArrayView Utf8);

// Writes Text to Buffer (room for Capacity bytes) when it is ASCII and fits:
// the bytes are then its UTF-8 form. False, with Buffer unspecified, otherwise.
bool AsciiToBuffer(QStringView Text, char* Buffer, qsizetype Capacity);

} // namespace vok::detail
