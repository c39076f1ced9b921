#pragma once

#include "base/Result.h"

#include <QJsonObject>

class TKundenDaten;

/// The customer data as one JSON object (texts as they are, FFA as a number), as printed by
/// the command line and embedded in its order summary.
QJsonObject KundenDatenAlsJson(const TKundenDaten &kunde);

/// The reverse: customer data from such an object. Missing keys give empty texts and 0;
/// a value of the wrong kind is an error naming the key.
qv::Result<TKundenDaten> KundenDatenAusJson(const QJsonObject &json);
