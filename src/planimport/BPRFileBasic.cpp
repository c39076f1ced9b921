#include "planimport/BPRFileBasic.h"

#include "base/Numbers.h"
#include "planimport/BPRKatalog.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qv {

namespace {

const QString kBeamNummerFalsch = QStringLiteral("Die Zahl hinter den Beams in der Datei ist Falsch bzw. nicht vorhanden!");

qint32 negiert(qint32 v)
{
    return v == std::numeric_limits<qint32>::min() ? std::numeric_limits<qint32>::max() : -v;
}

QString ersterPunktZuKomma(QString s)
{
    const qsizetype p = s.indexOf(u'.');
    if (p >= 0)
        s[p] = u',';
    return s;
}

} // namespace

BPRFileBasic::BPRFileBasic(const BPRVorbereitung &datei, const BPRFormatZeilen &zeilen, const QString &fileName)
    : FileName(fileName), FormatCode(datei.FormatCode), m_f(datei.Zeilen), m_zeilen(zeilen),
      m_doppelterZeilenabstand(datei.LeerzeilenEntfernt)
{
    for (const QString &m : datei.Meldungen)
        m_vorbereitung.Melden(m);
    BeamNumbers.reserve(MaxBeams);
    for (int k = 1; k <= MaxBeams; ++k)
        BeamNumbers << k;
    if (FormatCode == BPRFormat::Keins)
        return;

    const auto erzeugen = [&](int code, bool immer) {
        T_Werte w;
        if (ReadFormatValue(m_zeilen, w, code) || immer)
            m_werte[code] = CValue(w);
    };
    erzeugen(BPRWert::FBA, true);
    erzeugen(BPRWert::FIA, true);
    for (int code : {BPRWert::Gantry, BPRWert::Kollimator})
        erzeugen(code, false);
    erzeugen(BPRWert::PatientenName, true);
    for (int code : {BPRWert::Vorname, BPRWert::Nachname, BPRWert::PatientenID, BPRWert::Zielvolumen, BPRWert::Kommentar,
                     BPRWert::BeamNummer, BPRWert::Gelesen38})
        erzeugen(code, false);

    T_Werte w;
    if (ReadFormatValue(m_zeilen, w, BPRWert::EinzelKonturMarke)) {
        CValue marke(w);
        m_f.Reset();
        if (marke.Read(m_f, m_vorbereitung))
            m_werte[BPRWert::EinzelKonturMarke] = marke;
    }
    if (ReadFormatValue(m_zeilen, w, BPRWert::Dezimaltrenner) && (w.endchar == u'.' || w.endchar == u','))
        m_sep = w.endchar;
    if (ReadFormatValue(m_zeilen, w, BPRWert::KonturAnzahl)) {
        m_werte[BPRWert::KonturAnzahl] = CValue(w);
        m_werte[BPRWert::KonturAnzahl].Value = QStringLiteral("0");
    }

    T_Werte w21;
    const bool hat21 = ReadFormatValue(m_zeilen, w21, BPRWert::BeamMarke);
    m_werte[BPRWert::BeamMarke] = CValue(w21);
    T_Werte w39;
    ReadFormatValue(m_zeilen, w39, BPRWert::OhneBlockMarke);
    m_werte[BPRWert::OhneBlockMarke] = CValue(w39);
    if (ReadFormatValue(m_zeilen, w, BPRWert::BeamAnzahl)) {
        CValue &anzahl = m_werte[BPRWert::BeamAnzahl] = CValue(w);
        m_werte[BPRWert::BeamMarke].Value = w21.tagstr;
        if (hat21) {
            m_f.Reset();
            anzahl.Read(m_f, m_vorbereitung);
            m_werte[BPRWert::OhneBlockMarke].Value = w39.tagstr;
            if (Hat(BPRWert::BeamNummer)) {
                CValue &nummer = m_werte[BPRWert::BeamNummer];
                m_f.Reset();
                const int n = BeamsZurAuswahl();
                for (int k = 0; k < n; ++k) {
                    const bool ok = Gelesen(nummer, nummer.Read(m_f, m_vorbereitung));
                    const auto zahl = parseInt32(nummer.Value);
                    if (ok && zahl)
                        BeamNumbers[k] = *zahl;
                    else
                        m_vorbereitung.Melden(kBeamNummerFalsch);
                }
            }
        } else {
            anzahl.Value = QStringLiteral("1");
        }
    } else {
        m_werte[BPRWert::BeamAnzahl].Value = QStringLiteral("1");
    }
    m_jaws = CBlendeValue(m_zeilen);
}

void BPRFileBasic::ResetUndSkip(qint64 n, bool oneLess)
{
    m_f.Reset();
    SkipToBeam(m_f, n, m_werte[BPRWert::BeamMarke].Value, oneLess);
}

bool BPRFileBasic::Lies(int code)
{
    if (!Hat(code))
        return false;
    CValue &v = m_werte[code];
    return Gelesen(v, v.Read(m_f, m_zustand));
}

bool BPRFileBasic::ReadBeam(qint64 n)
{
    m_zustand = BPRLeseZustand{};
    m_konturen.clear();
    m_jaws = CBlendeValue(m_zeilen);
    m_angMirrorX = m_angMirrorY = false;
    m_angRotation = m_angCollimatorOffset = m_angJawRotation = 0;
    Valid = false;
    if (FormatCode == BPRFormat::Keins || n <= 0)
        return false;

    const bool format4 = FormatCode == BPRFormat::Multidata;
    SingleContourMode = Hat(BPRWert::EinzelKonturMarke);
    BPRLeseKontext k{m_f, m_zustand, m_zeilen, FormatCode, 0, 0, m_sep, SingleContourMode,
                     [this, n](bool oneLess) { ResetUndSkip(n, oneLess); }, false, m_doppelterZeilenabstand, {}};
    for (int code : {BPRWert::BeamMarke, BPRWert::OhneBlockMarke}) {
        if (Hat(code))
            k.beamGrenzen << m_werte[code].tagstr;
    }

    // Contour count.
    ResetUndSkip(n, false);
    bool ohneBlock = false;
    QString anzahl = QStringLiteral("0");
    if (SingleContourMode) {
        anzahl = QStringLiteral("1");
    } else {
        if (FormatCode == BPRFormat::Plato) {
            const QString marke = m_werte[BPRWert::OhneBlockMarke].tagstr;
            T_Werte punkte;
            ReadFormatValue(m_zeilen, punkte, BPRWert::PunktAnzahl);
            while (!m_f.Eof()) {
                const QString zeile = m_f.ReadLine();
                if (!punkte.tagstr.isEmpty() && zeile.contains(punkte.tagstr, Qt::CaseInsensitive))
                    break;
                if (!marke.isEmpty() && zeile.contains(marke, Qt::CaseInsensitive)) {
                    ohneBlock = true;
                    break;
                }
            }
            ResetUndSkip(n, false);
        }
        if (!ohneBlock && Hat(BPRWert::KonturAnzahl)) {
            const CValue &wert = m_werte[BPRWert::KonturAnzahl];
            if (Lies(BPRWert::KonturAnzahl) && !parseInteger(wert.Value).has_value())
                k.Fehler(QStringLiteral("In Zeile %1 steht \"%2\" statt der Anzahl der Konturen.")
                             .arg(k.DateiZeile(wert.Zeile))
                             .arg(wert.Value.left(40)));
            anzahl = wert.Value;
        }
    }
    m_werte[BPRWert::KonturAnzahl].Value = anzahl;

    // FBA and FIA of the file.
    ResetUndSkip(n, false);
    CValue &fba = m_werte[BPRWert::FBA];
    if (ohneBlock) {
        fba.Value = QStringLiteral("67");
    } else if (SingleContourMode) {
        fba.Value = QStringLiteral("95");
    } else if (fba.tagstr != u" ") {
        if (Lies(BPRWert::FBA))
            k.ZahlPruefen(fba, true);
        if (FormatCode == BPRFormat::Target) {
            if (const auto z = ZahlLesen(fba.Value, m_sep))
                fba.Value = ZahlSchreiben(*z / 10, m_sep);
        }
    }
    m_fba = ZahlLesen(fba.Value, m_sep).value_or(0);

    ResetUndSkip(n, false);
    CValue &fia = m_werte[BPRWert::FIA];
    if (ohneBlock) {
        fia.Value = QStringLiteral("140");
    } else if (SingleContourMode) {
        fia.Value = QStringLiteral("95");
    } else {
        if (Lies(BPRWert::FIA))
            k.ZahlPruefen(fia, true);
        FIAText = fia.Value;
    }
    m_fia = ZahlLesen(fia.Value, m_sep).value_or(0);
    k.fba = m_fba;
    k.fia = m_fia;

    // Angles; a value the file leaves out is dropped, a text that is no number makes the beam
    // unusable.
    for (int code : {BPRWert::Gantry, BPRWert::Kollimator}) {
        ResetUndSkip(n, format4);
        if (Hat(code)) {
            if (Lies(code))
                k.ZahlPruefen(m_werte[code], true);
            if (!ZahlLesen(m_werte[code].Value, m_sep))
                m_werte.erase(code);
        }
    }

    ResetUndSkip(n, format4);
    if (!SingleContourMode)
        m_jaws.Read(k);

    for (int code : {BPRWert::PatientenID, BPRWert::Gelesen38, BPRWert::Zielvolumen, BPRWert::Kommentar}) {
        m_f.Reset();
        Lies(code);
    }

    // Contours.
    ResetUndSkip(n, false);
    const auto konturen = parseInteger(anzahl);
    if (konturen && *konturen > 0) {
        if (*konturen > MaxKonturen)
            m_zustand.Melden(QStringLiteral("Der Beam hat %1 Konturen; gelesen werden die ersten %2.").arg(*konturen).arg(MaxKonturen));
        const int bis = int(std::min<qint64>(*konturen, MaxKonturen));
        qint64 a = 0;
        T_Werte xZeile;
        ReadFormatValue(m_zeilen, xZeile, BPRWert::X);
        for (int i = 1; i <= bis && !k.fehler && !m_zustand.Stopp; ++i) {
            CKonturenValue kontur(m_zeilen, i);
            if (kontur.HatPunktAnzahl()) {
                if (xZeile.tagstr == u"None" && i > 1) {
                    const CKonturenValue &vorige = m_konturen.back();
                    kontur.PunktAnzahl->lineoffset = qint32(std::clamp<qint64>(
                        qint64(vorige.PunktAnzahl->lineoffset) + a + 1, 0, std::numeric_limits<qint32>::max()));
                    kontur.X->lineoffset = qint32(std::min<qint64>(qint64(vorige.X->lineoffset) + 2, std::numeric_limits<qint32>::max()));
                    kontur.Y->lineoffset = qint32(std::min<qint64>(qint64(vorige.Y->lineoffset) + 2, std::numeric_limits<qint32>::max()));
                }
                const qsizetype von = m_f.Position();
                const bool ok = Gelesen(*kontur.PunktAnzahl, kontur.PunktAnzahl->Read(m_f, m_zustand));
                const auto punkte = ok ? parseInteger(kontur.PunktAnzahl->Value) : std::nullopt;
                a = std::max<qint64>(punkte.value_or(0), 0);
                if (ok && (!punkte || *punkte < 0)) {
                    k.Fehler(QStringLiteral("In Zeile %1 steht \"%2\" statt der Anzahl der Punkte.")
                                 .arg(k.DateiZeile(kontur.PunktAnzahl->Zeile))
                                 .arg(kontur.PunktAnzahl->Value.left(40)));
                } else if (ok && i > 1 && kontur.PunktAnzahl->tagstr != u"None" &&
                           k.MarkeZwischen(von, kontur.PunktAnzahl->Zeile - 1, k.beamGrenzen)) {
                    // The contour count promised more contours than the beam has.
                    k.Fehler(QStringLiteral("Der Beam hat weniger Konturen, als die Anzahl der Konturen angibt."));
                } else if (ok) {
                    kontur.LeseMitAnzahl(k, a);
                }
                if (FormatCode == BPRFormat::HEK)
                    m_werte[BPRWert::PatientenName].lineoffset = qint32(std::clamp<qint64>(
                        qint64(kontur.PunktAnzahl->lineoffset) + a + 1, 0, std::numeric_limits<qint32>::max()));
            } else {
                kontur.LeseBisGeschlossen(k, a);
                a += 1;
            }
            m_konturen.push_back(std::move(kontur));
        }
    }

    // Patient name.
    m_f.Reset();
    Lies(BPRWert::Nachname);
    m_f.Reset();
    Lies(BPRWert::Vorname);
    if (Hat(BPRWert::Nachname)) {
        QString name = m_werte[BPRWert::Nachname].Value;
        if (Hat(BPRWert::Vorname))
            name += QStringLiteral(", ") + m_werte[BPRWert::Vorname].Value;
        m_werte[BPRWert::PatientenName].Value = name;
        if (format4 && name == u"0") {
            m_f.Reset();
            Lies(BPRWert::PatientenName);
            T_Werte geraet;
            geraet.tagstr = QStringLiteral("[GERÄT]");
            geraet.lineoffset = 1;
            CValue(geraet).Read(m_f, m_zustand);
        }
    } else {
        m_f.Reset();
        Lies(BPRWert::PatientenName);
    }

    // Corrections written per contour.
    if (!m_konturen.empty()) {
        if (FormatCode == BPRFormat::Plato && !SingleContourMode) {
            for (CKonturenValue &kontur : m_konturen) {
                if (kontur.Drehung)
                    RotatePoints(kontur.Punkte, -kontur.Winkel(m_sep));
                if (kontur.VerschiebungX)
                    ShiftX(kontur.Punkte, k.Zehntel(*kontur.VerschiebungX, true));
                if (kontur.VerschiebungY)
                    ShiftY(kontur.Punkte, k.Zehntel(*kontur.VerschiebungY, true));
            }
        } else {
            for (CKonturenValue &kontur : m_konturen) {
                if (kontur.Drehung)
                    RotatePoints(kontur.Punkte, -kontur.Winkel(m_sep));
            }
            if (m_zeilen.contains(BPRWert::Drehung) && !m_jaws.IstLeer())
                RotateRect(m_jaws.Feld(), -m_konturen.front().Winkel(m_sep));
        }
    }

    // Only a beam read without error and with at least one contour of three points or more
    // can be used.
    bool flaeche = false;
    for (const CKonturenValue &kontur : m_konturen)
        flaeche = flaeche || kontur.Punkte.size() >= 3;
    Valid = flaeche && !k.fehler && !m_zustand.Stopp;
    return Valid;
}

void BPRFileBasic::Transformieren(bool mx, bool my, double drehung, double kolli, double blende, bool rueckgaengig)
{
    if (!SingleContourMode) {
        BPRFeld &f = m_jaws.Feld();
        const auto spiegeln = [&] {
            if (mx) {
                f.Left = negiert(f.Left);
                f.Right = negiert(f.Right);
            }
            if (my) {
                f.Top = negiert(f.Top);
                f.Bottom = negiert(f.Bottom);
            }
        };
        if (rueckgaengig) {
            RotateRect(f, blende);
            RotateRect(f, drehung);
            spiegeln();
        } else {
            spiegeln();
            RotateRect(f, drehung);
            RotateRect(f, blende);
        }
    }
    if (Hat(BPRWert::Kollimator)) {
        CValue &v = m_werte[BPRWert::Kollimator];
        if (const auto z = ZahlLesen(v.Value, m_sep))
            v.Value = ZahlSchreiben(*z + kolli, m_sep);
    }
    for (CKonturenValue &kontur : m_konturen) {
        if (rueckgaengig)
            RotatePoints(kontur.Punkte, drehung);
        if (mx)
            qv::MirrorX(kontur.Punkte);
        if (my)
            qv::MirrorY(kontur.Punkte);
        if (!rueckgaengig)
            RotatePoints(kontur.Punkte, drehung);
    }
}

void BPRFileBasic::ApplyConfiguration(bool changed)
{
    if (!changed)
        return;
    Transformieren(m_angMirrorX, m_angMirrorY, -m_angRotation, -m_angCollimatorOffset, -m_angJawRotation, true);
    m_angMirrorX = MirrorX;
    m_angMirrorY = MirrorY;
    m_angRotation = Rotation;
    m_angCollimatorOffset = CollimatorOffset;
    m_angJawRotation = JawRotation;
    Transformieren(m_angMirrorX, m_angMirrorY, m_angRotation, m_angCollimatorOffset, m_angJawRotation, false);
}

QString BPRFileBasic::Text(int code, const QString &standard) const
{
    const auto it = m_werte.find(code);
    return it == m_werte.end() ? standard : it->second.Value;
}

QString BPRFileBasic::Winkel(int code) const
{
    QString text = Text(code, QString());
    if (text.trimmed().isEmpty())
        return QStringLiteral("0");
    if (const auto a = ZahlLesen(text, m_sep); a && *a > 360) {
        const double ganz = std::trunc(*a);
        text = ZahlSchreiben(std::fmod(ganz, 360.0) + (*a - ganz), m_sep);
    }
    return ersterPunktZuKomma(text);
}

QString BPRFileBasic::GetFBA() const
{
    const QString t = Text(BPRWert::FBA, QString());
    return t.trimmed().isEmpty() ? QStringLiteral("0") : ersterPunktZuKomma(t);
}

QString BPRFileBasic::GetFIA() const
{
    const QString t = Text(BPRWert::FIA, QString());
    return t.trimmed().isEmpty() ? QStringLiteral("0") : ersterPunktZuKomma(t);
}

QString BPRFileBasic::GetGantry() const
{
    return Winkel(BPRWert::Gantry);
}

QString BPRFileBasic::GetCollimator() const
{
    if (!Hat(BPRWert::Kollimator))
        return formatDecimal(CollimatorOffset);
    return Winkel(BPRWert::Kollimator);
}

QString BPRFileBasic::GetPatientID() const { return Text(BPRWert::PatientenID, QString()); }
QString BPRFileBasic::GetPatientName() const { return Text(BPRWert::PatientenName, QString()); }
QString BPRFileBasic::GetTargetVolume() const { return Text(BPRWert::Zielvolumen, QStringLiteral("None")); }
QString BPRFileBasic::GetComment() const { return Text(BPRWert::Kommentar, QStringLiteral("None")); }
QString BPRFileBasic::GetContourCount() const { return Text(BPRWert::KonturAnzahl, QStringLiteral("0")); }

qint64 BPRFileBasic::GetBeamCount() const
{
    return parseInteger(Text(BPRWert::BeamAnzahl, QStringLiteral("1"))).value_or(0);
}

int BPRFileBasic::BeamsZurAuswahl() const
{
    return int(std::clamp<qint64>(GetBeamCount(), 0, MaxBeams));
}

int BPRFileBasic::GetPointCount(int i) const
{
    return i >= 1 && i <= KonturenGelesen() ? int(m_konturen[size_t(i - 1)].Punkte.size()) : 0;
}

double BPRFileBasic::GetContourAngle(int i) const
{
    return i >= 1 && i <= KonturenGelesen() ? m_konturen[size_t(i - 1)].Winkel(m_sep) : 0;
}

QString BPRFileBasic::GetShiftX(int i) const
{
    if (i < 1 || i > KonturenGelesen() || !m_konturen[size_t(i - 1)].VerschiebungX)
        return QStringLiteral("0");
    return m_konturen[size_t(i - 1)].VerschiebungX->Value;
}

QString BPRFileBasic::GetShiftY(int i) const
{
    if (i < 1 || i > KonturenGelesen() || !m_konturen[size_t(i - 1)].VerschiebungY)
        return QStringLiteral("0");
    return m_konturen[size_t(i - 1)].VerschiebungY->Value;
}

QPoint BPRFileBasic::GetPoint(int i, int k) const
{
    if (k < 1 || k > GetPointCount(i))
        return QPoint();
    return m_konturen[size_t(i - 1)].Punkte[k - 1];
}

QList<QList<QPoint>> BPRFileBasic::GetContourPoints() const
{
    QList<QList<QPoint>> alle;
    for (const CKonturenValue &kontur : m_konturen)
        alle << kontur.Punkte;
    return alle;
}

void BPRFileBasic::SetFBA(double v)
{
    m_werte[BPRWert::FBA].Value = ZahlSchreiben(v, m_sep);
}

void BPRFileBasic::SetFIA(double v)
{
    m_werte[BPRWert::FIA].Value = ZahlSchreiben(v, m_sep);
    FIAText = m_werte[BPRWert::FIA].Value;
}

QStringList BPRFileBasic::Meldungen() const
{
    QStringList alle = m_vorbereitung.Meldungen;
    for (const QString &m : m_zustand.Meldungen) {
        if (!alle.contains(m))
            alle << m;
    }
    return alle;
}

} // namespace qv
