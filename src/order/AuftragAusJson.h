#pragma once

#include "base/Result.h"

#include <QJsonObject>

namespace qv {

class TAuftrag;

/// Fills an order from a JSON object of the shape the command line's order summary prints
/// (its keys; "Version", "GeladeneVersion", "PixelProMM" and "Bild" are ignored). Checks only
/// what the order file can store, so a value must come back unchanged when the file is read:
/// every key present with the right kind, no unknown key, texts within their field's capacity
/// and in Windows-1252, numbers within their stored type, at most 11 contours numbered 1, 2, …
/// each closed (at least 4 points, the last equal to the first) and at most 10001 points.
/// The first problem is the error, naming the key. The template image is not touched.
Result<void> AuftragAusJson(const QJsonObject &json, TAuftrag &doc);

} // namespace qv
