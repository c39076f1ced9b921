#pragma once

#include "base/Result.h"
#include "planimport/BPRTextDatei.h"

#include <QByteArrayView>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv {

// ---- File preparation -------------------------------------------------------------------

/// The largest planning-system file read (they hold a few kilobytes).
inline constexpr qint64 BPRMaxDateiGroesse = 8 * 1024 * 1024;

/// The lines of a file whose line ends are CR LF, LF or CR (Windows-1252 text). An empty file
/// is an error with the preparation's message.
Result<QStringList> ConvertLineEnds(QByteArrayView bytes);

/// Drops every second line when all of them are blank (files written with double spacing);
/// true when lines were dropped.
bool RemoveBlankLines(QStringList &zeilen);

/// The format code from the first line of the prepared file and the name the person chose
/// (never the name of a work copy).
int DetectFormat(const QString &ersteZeile, const QString &gewaehlterName);

/// The text up to and including the last directory separator; unchanged without one.
QString PathOf(const QString &dateiName);

/// A file made ready for the reader: its lines, its format and what the preparation noted.
struct BPRVorbereitung
{
    QStringList Zeilen;
    int FormatCode = 10;
    bool LeerzeilenEntfernt = false;
    QStringList Meldungen;
};

BPRVorbereitung Vorbereiten(QByteArrayView bytes, const QString &gewaehlterName);

// ---- Line functions (on the open file, from its current line; case-insensitive) ----------

/// The first line containing the marker; "Dateiende" at the end of the file; empty, reading
/// nothing, when the marker is part of the word "humbug" (also the empty marker).
QString FindLineWith(BPRTextDatei &f, const QString &marker);
/// Reads n lines and returns the last one read (fewer at the end of the file); n <= 0 gives
/// the empty text. complete tells whether all n lines were there.
QString ReadLines(BPRTextDatei &f, qint64 n, bool *complete = nullptr);
QString LastLineWith(BPRTextDatei &f, const QString &marker);
qint64 CountLinesWith(BPRTextDatei &f, const QString &marker);
/// Moves past the marker of the beams before the wanted one (the file must have been reset).
void SkipToBeam(BPRTextDatei &f, qint64 beamNumber, const QString &marker, bool oneLess);

// ---- Text functions ---------------------------------------------------------------------

QString TextAfter(const QString &line, const QString &marker);
/// The characters between the last stop character before the marker and the marker;
/// "None" when no stop character comes before it.
QString TextBefore(const QString &line, const QString &marker, QChar stopChar);
/// Searches ch from the 1-based column on; column becomes the position found or 0.
bool FindChar(const QString &line, QChar ch, qint32 &column);
/// At most count characters from the 1-based column start (a start below 1 counts as 1).
QString TextCopy(const QString &line, qint64 start, qint64 count);

// ---- Numbers ----------------------------------------------------------------------------

/// A number of the file with its decimal separator (sign, digits, one separator, exponent;
/// blanks around it are ignored).
std::optional<double> ZahlLesen(const QString &text, QChar dezimaltrenner);
/// The shortest decimal form with the given separator (12.5, 100).
QString ZahlSchreiben(double wert, QChar dezimaltrenner);

/// A coordinate text in tenths of a millimetre by the unit of the format. nullopt for a text
/// that is no number, when the unit cannot be computed (FBA 0 for the block-plane format) or
/// when the result does not fit; an unknown format gives 0.
std::optional<qint32> ToTenths(const QString &text, int formatCode, double fba, double fia, QChar dezimaltrenner);
/// Round(v / c * b); nullopt for c = 0 or a result that does not fit.
std::optional<qint32> ScaleValue(qint64 v, double b, double c);

// ---- Geometry (tenths of a millimetre, y upward) -----------------------------------------

/// The jaw rectangle: corner 1 = (Left, Top), corner 2 = (Right, Bottom).
struct BPRFeld
{
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Right = 0;
    qint32 Bottom = 0;
    bool operator==(const BPRFeld &) const = default;
};

void ShiftX(QList<QPoint> &punkte, double d);
void ShiftY(QList<QPoint> &punkte, double d);
void MirrorX(QList<QPoint> &punkte);
void MirrorY(QList<QPoint> &punkte);
/// A clockwise turn by the angle in degrees (for y upward).
QPoint RotatePoint(QPoint p, double winkel);
void RotatePoints(QList<QPoint> &punkte, double winkel);
void RotateRect(BPRFeld &feld, double winkel);

/// A coordinate of the file's plane in the isocentre plane at 100 cm: from the FBA plane when
/// the data lie there, else from the FIA plane unless that is 100 cm. nullopt when the plane
/// distance is 0 (the value cannot be converted).
std::optional<qint32> InIsozentrumsEbene(qint32 wert, bool datenInFBA, double fba, double fia);

} // namespace qv
