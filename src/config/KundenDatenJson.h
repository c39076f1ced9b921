#pragma once

#include <QJsonObject>

class TKundenDaten;

/// The customer data as one JSON object (texts as they are, FFA as a number), as printed by
/// the command line and embedded in its order summary.
QJsonObject KundenDatenAlsJson(const TKundenDaten &kunde);
