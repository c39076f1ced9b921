#pragma once

#include "planimport/BPRTextDatei.h"
#include "planimport/BPRTools.h"
#include "planimport/CBlendeValue.h"
#include "planimport/CKonturenValue.h"
#include "planimport/CValue.h"
#include "planimport/T_Werte.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace qv {

/// One planning-system file read through the rows of its format: the values of one beam,
/// its contours and jaws, and the accelerator configuration applied to them.
class BPRFileBasic
{
public:
    /// At most this many beams and contours per beam are read.
    static constexpr int MaxBeams = 100;
    static constexpr int MaxKonturen = 11;

    /// A prepared file (its lines and format) and the rows of that format.
    BPRFileBasic(const BPRVorbereitung &datei, const BPRFormatZeilen &zeilen, const QString &fileName = QString());

    /// Reads beam n (1-based position in the file); n = 0 reads nothing. Gives Valid.
    bool ReadBeam(qint64 n);
    /// When changed, undoes the configuration applied last and applies the current one.
    void ApplyConfiguration(bool changed);

    QString GetFBA() const;
    QString GetFIA() const;
    QString GetGantry() const;
    QString GetCollimator() const;
    QString GetPatientID() const;
    QString GetPatientName() const;
    QString GetTargetVolume() const;
    QString GetComment() const;
    QString GetContourCount() const;
    qint64 GetBeamCount() const;
    /// The number of beams a person can choose from (the beam count, at most MaxBeams).
    int BeamsZurAuswahl() const;

    /// The contours read (at most MaxKonturen), numbered from 1.
    int KonturenGelesen() const { return int(m_konturen.size()); }
    int GetPointCount(int i) const;
    double GetContourAngle(int i) const;
    QString GetShiftX(int i) const;
    QString GetShiftY(int i) const;
    QPoint GetPoint(int i, int k) const;
    QList<QList<QPoint>> GetContourPoints() const;
    BPRFeld GetField() const { return m_jaws.Feld(); }

    void SetFBA(double v);
    void SetFIA(double v);

    /// Messages of the preparation and the reads, each once, for the person to see.
    QStringList Meldungen() const;
    QChar Dezimaltrenner() const { return m_sep; }

    QString FileName;
    int FormatCode = 10;
    QList<qint32> BeamNumbers;
    bool SingleContourMode = false;
    bool Valid = false;
    QString FIAText;

    // Configuration, set by the import from the chosen accelerator configuration.
    bool MirrorX = false;
    bool MirrorY = false;
    double Rotation = 0;
    double CollimatorOffset = 0;
    double JawRotation = 0;
    bool DataInFBA = false;

private:
    bool Hat(int code) const { return m_werte.count(code) > 0; }
    CValue &Wert(int code) { return m_werte[code]; }
    QString Text(int code, const QString &standard) const;
    QString Winkel(int code) const;
    void ResetUndSkip(qint64 n, bool oneLess);
    bool Lies(int code);
    void Transformieren(bool mx, bool my, double drehung, double kolli, double blende, bool rueckgaengig);

    BPRTextDatei m_f;
    BPRFormatZeilen m_zeilen;
    std::map<int, CValue> m_werte;
    std::vector<CKonturenValue> m_konturen;
    CBlendeValue m_jaws;
    QChar m_sep = u',';
    double m_fba = 0;
    double m_fia = 0;
    bool m_doppelterZeilenabstand = false;
    BPRLeseZustand m_vorbereitung;
    BPRLeseZustand m_zustand;

    // The configuration as last applied to the read data.
    bool m_angMirrorX = false;
    bool m_angMirrorY = false;
    double m_angRotation = 0;
    double m_angCollimatorOffset = 0;
    double m_angJawRotation = 0;
};

} // namespace qv
