#pragma once

#include <QJsonObject>

namespace qv {

struct OrderDocument;

/// The order as one JSON object: the keys of the command line's order summary. For a file
/// version of 0 or less only "Version" and "GeladeneVersion".
QJsonObject AuftragAlsJson(const OrderDocument &doc);

} // namespace qv
