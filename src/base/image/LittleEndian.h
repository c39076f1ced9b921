#pragma once

#include <QtGlobal>

namespace qv {

// The little-endian fields of the BMP headers, read and written byte by byte (no alignment
// needed, the same on every host).

inline quint16 leseU16(const uchar *p)
{
    return quint16(p[0] | p[1] << 8);
}

inline quint32 leseU32(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

inline void schreibeU16(uchar *p, quint16 v)
{
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
}

inline void schreibeU32(uchar *p, quint32 v)
{
    p[0] = uchar(v);
    p[1] = uchar(v >> 8);
    p[2] = uchar(v >> 16);
    p[3] = uchar(v >> 24);
}

} // namespace qv
