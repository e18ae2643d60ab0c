// Helpers shared by the fuzz harnesses: an invariant check that aborts (a
// crash to libFuzzer, a failure to the replay test) and a cursor that takes
// small settings from the front of the input.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(Cond)                                                                                    \
    do {                                                                                                    \
        if (!(Cond)) {                                                                                      \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #Cond);                \
            std::abort();                                                                                   \
        }                                                                                                   \
    } while (false)

namespace vok::fuzz {

// Reads settings bytes from the front; the rest is the document under test.
class InputCursor
{
public:
    InputCursor(const uint8_t* Data, size_t Size)
        : FData(Data)
        , FSize(Size)
    {
    }

    // The next byte, 0 when the input is used up.
    uint8_t Byte()
    {
        if (FPos >= FSize)
            return 0;
        return FData[FPos++];
    }
    bool Flag() { return (Byte() & 1) != 0; }
    // A value in 0..Count-1.
    int Choice(int Count) { return Byte() % Count; }
    QByteArray Rest() const
    {
        return QByteArray(reinterpret_cast<const char*>(FData + FPos), qsizetype(FSize - FPos));
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

} // namespace vok::fuzz
