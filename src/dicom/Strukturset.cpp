#include "dicom/Strukturset.h"

#include "base/FileNames.h"
#include "dicom/DicomLesen.h"

#include <dcmtk/config/osconfig.h>
#include <dcmtk/dcmdata/dcdeftag.h>
#include <dcmtk/dcmdata/dcfilefo.h>
#include <dcmtk/dcmdata/dcsequen.h>
#include <dcmtk/dcmdata/dcvrds.h>
#include <dcmtk/dcmrt/seq/drtssrs.h>

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cmath>

namespace qv {

namespace {

const char *const kStrukturSetKlasse = "1.2.840.10008.5.1.4.1.1.481.3";

QByteArray alsBytes(const OFString &s)
{
    return QByteArray(s.c_str(), qsizetype(s.length()));
}

// The contours of one item of the ROI Contour Sequence; a damaged item gives an error text.
// Read with the data-set classes: the RT module's own read checks every decimal string of the
// contour data with its scanner, which takes many times as long as reading the file.
QString konturenLesen(DcmItem &item, QList<TStrukturKontur> &konturen)
{
    DcmSequenceOfItems *folge = nullptr;
    if (item.findAndGetSequence(DCM_ContourSequence, folge).bad() || !folge)
        return {};
    for (unsigned long k = 0; k < folge->card(); ++k) {
        DcmItem *kontur = folge->getItem(k);
        if (!kontur)
            continue;
        TStrukturKontur gelesen;
        OFString typ;
        kontur->findAndGetOFString(DCM_ContourGeometricType, typ);
        gelesen.Typ = QString::fromLatin1(alsBytes(typ)).trimmed();
        OFVector<Float64> daten;
        DcmElement *element = nullptr;
        if (kontur->findAndGetElement(DCM_ContourData, element).good() && element && element->getLength() > 0) {
            auto *ds = dynamic_cast<DcmDecimalString *>(element);
            if (!ds || ds->getFloat64Vector(daten).bad())
                return QStringLiteral("Die Konturpunkte der Kontur %1 sind nicht lesbar.").arg(k + 1);
        }
        Sint32 anzahl = -1;
        if (kontur->findAndGetSint32(DCM_NumberOfContourPoints, anzahl).good() && anzahl >= 0
            && size_t(anzahl) * 3 != daten.size())
            return QStringLiteral("Die Kontur %1 nennt %2 Punkte, enthält aber %3 Koordinaten.")
                .arg(k + 1)
                .arg(anzahl)
                .arg(daten.size());
        if (daten.size() % 3 != 0)
            return QStringLiteral("Die Kontur %1 enthält %2 Koordinaten, keine ganzen Punkte.").arg(k + 1).arg(daten.size());
        gelesen.Punkte.reserve(qsizetype(daten.size() / 3));
        for (size_t i = 0; i + 2 < daten.size(); i += 3) {
            const TPatientPunkt p{daten[i], daten[i + 1], daten[i + 2]};
            if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
                return QStringLiteral("Die Kontur %1 enthält einen ungültigen Punkt.").arg(k + 1);
            gelesen.Punkte.append(p);
        }
        konturen.append(std::move(gelesen));
    }
    return {};
}

} // namespace

const TStrukturROI *Strukturset::ROI(const QString &name) const
{
    for (const TStrukturROI &roi : ROIs) {
        if (roi.Name == name)
            return &roi;
    }
    return nullptr;
}

qsizetype Strukturset::AnzahlMitNamen(const QString &name) const
{
    return std::count_if(ROIs.begin(), ROIs.end(), [&name](const TStrukturROI &roi) { return roi.Name == name; });
}

bool Strukturset::HatBezugssystem(const QString &frameOfReferenceUID) const
{
    for (const TStrukturROI &roi : ROIs) {
        if (roi.FrameOfReferenceUID == frameOfReferenceUID)
            return true;
    }
    return false;
}

Result<Strukturset> Strukturset::Lesen(const QString &pfad)
{
    auto datei = DicomDateiLaden(pfad);
    if (!datei)
        return Error{datei.error()};
    return ausDatei(**datei, pfad);
}

QList<Strukturset> Strukturset::Suchen(const QStringList &dateien)
{
    DicomProtokollAbschalten();
    QList<Strukturset> gefunden;
    for (const QString &pfad : dateien) {
        const QFileInfo info(pfad);
        if (!info.isFile() || info.size() > kDicomDateiGrenze)
            continue;
        // Values longer than a few bytes (pixel data above all) stay in the file.
        DcmFileFormat kopf;
        if (kopf.loadFile(OFFilename(QFile::encodeName(pfad).constData()), EXS_Unknown, EGL_noChange, 64, ERM_autoDetect).bad())
            continue;
        OFString klasse;
        kopf.getDataset()->findAndGetOFString(DCM_SOPClassUID, klasse);
        if (klasse.empty())
            kopf.getMetaInfo()->findAndGetOFString(DCM_MediaStorageSOPClassUID, klasse);
        if (klasse != kStrukturSetKlasse)
            continue;
        Result<Strukturset> set = ausDatei(kopf, pfad);
        if (set)
            gefunden.append(std::move(*set));
    }
    return gefunden;
}

Result<Strukturset> Strukturset::AusBytes(const QByteArray &bytes, const QString &anzeigeName)
{
    auto datei = DicomBytesLaden(bytes, anzeigeName);
    if (!datei)
        return Error{datei.error()};
    return ausDatei(**datei, anzeigeName);
}

Result<Strukturset> Strukturset::ausDatei(DcmFileFormat &datei, const QString &pfad)
{
    const QString name = fileNameForDisplay(pfad);
    DcmDataset &daten = *datei.getDataset();
    OFString klasse;
    daten.findAndGetOFString(DCM_SOPClassUID, klasse);
    if (klasse.empty())
        datei.getMetaInfo()->findAndGetOFString(DCM_MediaStorageSOPClassUID, klasse);
    if (klasse != kStrukturSetKlasse)
        return Error{QStringLiteral("Die Datei %1 ist kein RT-Strukturset.").arg(name)};

    OFString zeichensatzText;
    daten.findAndGetOFStringArray(DCM_SpecificCharacterSet, zeichensatzText);
    const QByteArray zeichensatz = alsBytes(zeichensatzText);

    Strukturset set;
    set.Datei = pfad;
    QHash<qint32, qsizetype> nachNummer;
    DRTStructureSetROISequence rois;
    if (rois.read(daten, "1-n", "3", "StructureSetModule").bad())
        return Error{QStringLiteral("Das RT-Strukturset %1 kann nicht gelesen werden.").arg(name)};
    for (size_t i = 0; i < rois.getNumberOfItems(); ++i) {
        DRTStructureSetROISequence::Item &item = rois.getItem(i);
        TStrukturROI roi;
        Sint32 nummer = 0;
        if (item.getROINumber(nummer).bad())
            continue; // an ROI without a number cannot own contours
        roi.Nummer = nummer;
        OFString text;
        item.getROIName(text);
        const Result<QString> roiName = DicomTextDekodieren(alsBytes(text), zeichensatz);
        if (!roiName)
            return Error{QStringLiteral("Das RT-Strukturset %1: %2").arg(name, roiName.error())};
        roi.Name = *roiName;
        item.getReferencedFrameOfReferenceUID(text);
        roi.FrameOfReferenceUID = QString::fromLatin1(alsBytes(text)).trimmed();
        nachNummer.insert(roi.Nummer, set.ROIs.size());
        set.ROIs.append(std::move(roi));
    }

    DcmSequenceOfItems *konturen = nullptr;
    if (daten.findAndGetSequence(DCM_ROIContourSequence, konturen).good() && konturen) {
        for (unsigned long i = 0; i < konturen->card(); ++i) {
            DcmItem *item = konturen->getItem(i);
            Sint32 nummer = 0;
            if (!item || item->findAndGetSint32(DCM_ReferencedROINumber, nummer).bad() || !nachNummer.contains(nummer))
                continue;
            TStrukturROI &roi = set.ROIs[nachNummer.value(nummer)];
            Sint32 r = 0, g = 0, b = 0;
            if (item->findAndGetSint32(DCM_ROIDisplayColor, r, 0).good() && item->findAndGetSint32(DCM_ROIDisplayColor, g, 1).good()
                && item->findAndGetSint32(DCM_ROIDisplayColor, b, 2).good())
                roi.Farbe = QColor(qBound(0, int(r), 255), qBound(0, int(g), 255), qBound(0, int(b), 255));
            const QString fehler = konturenLesen(*item, roi.Konturen);
            if (!fehler.isEmpty() && roi.Fehler.isEmpty())
                roi.Fehler = fehler;
        }
    }
    return set;
}

} // namespace qv
