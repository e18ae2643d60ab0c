// Where a report-list reader takes its text from: lines for the header
// search, then pieces of the list's markup.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QTextStream>

namespace vok {

class ReplistSource
{
public:
    virtual ~ReplistSource() = default;
    // The next line with its line end; false at the end.
    virtual bool ReadLine(QByteArray& Line) = 0;
    // The next piece of markup; false at the end.
    virtual bool ReadMore(QByteArray& Piece) = 0;
};

namespace replist {

// A device read line by line; with Chunked the markup after the header is
// read in large pieces (for a source whose position afterwards does not
// matter).
class DeviceSource : public ReplistSource
{
public:
    DeviceSource(QIODevice& Device, bool Chunked)
        : FDevice(Device)
        , FChunked(Chunked)
    {
    }
    bool ReadLine(QByteArray& Line) override
    {
        if (FDevice.atEnd())
            return false;
        Line = FDevice.readLine();
        return true;
    }
    bool ReadMore(QByteArray& Piece) override
    {
        if (!FChunked)
            return ReadLine(Piece);
        if (FDevice.atEnd())
            return false;
        Piece = FDevice.read(ChunkSize);
        return !Piece.isEmpty();
    }

private:
    static constexpr qint64 ChunkSize = 1 << 20;
    QIODevice& FDevice;
    bool FChunked;
};

class TextStreamSource : public ReplistSource
{
public:
    explicit TextStreamSource(QTextStream& Stream)
        : FStream(Stream)
    {
    }
    bool ReadLine(QByteArray& Line) override
    {
        if (FStream.atEnd())
            return false;
        Line = FStream.readLine().toUtf8();
        Line += '\n';
        return true;
    }
    bool ReadMore(QByteArray& Piece) override { return ReadLine(Piece); }

private:
    QTextStream& FStream;
};

} // namespace replist
} // namespace vok
