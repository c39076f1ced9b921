#pragma once

#include "base/Result.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace qv {

/// A customer short designation longer than this is the lookup's "not found" text.
constexpr int kKBezMaxLaenge = 5;

/// Whether the customer lookup found a customer (its answer is a short designation).
bool KundeErkannt(const QString &kbez);

/// Whether a text can name one folder or file inside another: not empty, not "." or "..",
/// no "/", "\" and no control character.
bool IstSichererNamensteil(const QString &text);

/// The automatic target of a block file in the customer's archive folder:
/// basis + kbez + "/Offline/YYYY/MM/DD/" + patientenID + "_" + n + ".cif" with the first n ≥ 1
/// for which existiert is false. nullopt when kbez or the patient ID cannot name a folder or
/// file there (then the file is saved through the dialog).
std::optional<QString> AutomatischesBlockZiel(const QString &basis, const QString &kbez, const QString &patientenID,
                                              const QDate &datum,
                                              const std::function<bool(const QString &)> &existiert);

/// Whether the file name (without folder) carries the exported marker "_b_" (any case).
bool IstAlsExportiertMarkiert(const QString &pfad);

/// Renames an exported order file to its folder + "_b_" + its name; a file already marked,
/// or an empty path, is left as it is. Returns the name the file has afterwards, or why the
/// rename failed.
Result<QString> AlsExportiertMarkieren(const QString &auftragsdatei);

} // namespace qv
