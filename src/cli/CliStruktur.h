#pragma once

#include "cli/CliCommand.h"
#include "dicom/RtPlanGeometrie.h"
#include "dicom/Schattenwurf.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qv::cli {

/// The arguments of `struktur` and the first four of `struktur-auftrag`:
/// PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME [--rand MM].
struct StrukturAufruf
{
    QString Plan;
    qint64 BeamIndex = 0;
    QString Strukturset;
    QString ROIName;
    double Rand = 0; ///< mm
};

/// Takes --rand MM (decimal comma or point, 0 to 50) out of `args`; what remains is left in
/// `rest`. False for wrong arguments (exit 2): a missing or unreadable value, a margin outside
/// 0..50, the option twice.
bool RandLesen(const QStringList &args, double &rand, QStringList &rest);

/// Fills the aufruf from the four positional arguments. False for wrong arguments (exit 2).
bool StrukturAufrufLesen(const QStringList &positionen, double rand, StrukturAufruf &aufruf);

/// What the shadow of the ROI through the beam gave.
struct StrukturSchatten
{
    TStrahlGeometrie Strahl;
    qint32 ROINumber = 0;
    QString ROIName;
    TSchattenUmrisse Umrisse;
};

/// Reads both files and casts the shadow. nullopt after a German message on io.err (exit 1);
/// notes about what was left out are written to io.err as well.
std::optional<StrukturSchatten> StrukturSchattenBerechnen(const StrukturAufruf &aufruf, Streams &io);

} // namespace qv::cli
