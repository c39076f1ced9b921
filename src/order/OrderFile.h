#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

struct OrderDocument;

namespace qv {
class Messages;
}

/// Inflated bodies larger than this are refused (a screenshot order is a few megabytes).
constexpr qsizetype kMaxOrderBodySize = 256 * 1024 * 1024;

/// The body of a current-version order file (not yet compressed).
/// @param programmVersion the text stored as the writing program's version
qv::Result<QByteArray> encodeOrderBody(const OrderDocument &doc, const QString &programmVersion);

/// Reads a body of any version into doc. On damage, the parts read before it stay in doc
/// (doc.Gelesen tells which) and the error names what was missing. What the parts read had to
/// say (doc.Hinweise) is collected either way.
qv::Result<void> decodeOrderBody(QByteArrayView body, OrderDocument &doc);

/// The whole file: the body compressed into one zlib stream at level 1.
qv::Result<QByteArray> encodeOrderFile(const OrderDocument &doc, const QString &programmVersion);
/// Inflates (with the size limit) and reads a whole order file.
qv::Result<void> decodeOrderFile(QByteArrayView fileBytes, OrderDocument &doc);

/// Saves doc to fileName: asks before overwriting, writes a temporary file beside it and
/// replaces the old file only when the new one is complete. Shows "Daten wurden nicht
/// gespeichert" when declined or failed. True when the file was written.
bool AuftragSpeichern(const QString &fileName, const OrderDocument &doc, qv::Messages &messages);

struct OrderLoadResult
{
    enum Status { Geladen, NichtGefunden, Fehler };
    Status status = Geladen;
    QString grund; // for Fehler: why the file could not be read
};

/// Reads fileName into doc. A missing file shows "Datei … nicht gefunden." and changes nothing;
/// other failures are returned for the caller to report, with the parts read so far applied.
/// The notes of the read are shown as they were collected.
OrderLoadResult AuftragLaden(const QString &fileName, OrderDocument &doc, qv::Messages &messages);
