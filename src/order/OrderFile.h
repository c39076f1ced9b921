#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qv {

struct OrderDocument;

class TAuftrag;

/// Inflated bodies larger than this are refused (a screenshot order is a few megabytes).
constexpr qsizetype kMaxOrderBodySize = 256 * 1024 * 1024;

/// The body of a current-version order file (not yet compressed).
/// @param programmVersion the text stored as the writing program's version
qv::Result<QByteArray> encodeOrderBody(const qv::TAuftrag &auftrag, const QString &programmVersion);

/// Reads a body of any version into doc, which holds the order the read starts from. On
/// damage, the parts read before it stay in doc (doc.Gelesen tells which) and the error names
/// what was missing. What the parts read had to say (doc.Hinweise) is collected either way.
qv::Result<void> decodeOrderBody(QByteArrayView body, OrderDocument &doc);

/// The whole file: the body compressed into one zlib stream at level 1.
qv::Result<QByteArray> encodeOrderFile(const qv::TAuftrag &auftrag, const QString &programmVersion);
/// Inflates (with the size limit) and reads a whole order file.
qv::Result<void> decodeOrderFile(QByteArrayView fileBytes, OrderDocument &doc);

/// Encodes the template once and keeps the JPEG with the order, so that every further save
/// (the archive copy, a later "Speichern") writes the same bytes without encoding again.
/// Nothing to do without a template or while the stored JPEG is still the template's.
qv::Result<void> VorlageJpegBereitstellen(qv::TAuftrag &auftrag);

/// Writes the order file: into a temporary file beside fileName, which replaces the old file
/// only once it is complete. Whether an existing file may be replaced is the caller's question.
qv::Result<void> AuftragsdateiSchreiben(const QString &fileName, const qv::TAuftrag &auftrag);

struct OrderLoadResult
{
    enum Status { Geladen, NichtGefunden, Fehler };
    Status status = Geladen;
    QString grund;           // for Fehler: why the file could not be read
    QString GeladeneVersion; // the writing program's version, once it was read
};

/// Reads fileName into doc (see decodeOrderBody). NichtGefunden when fileName is no file;
/// Fehler with the reason when it cannot be read completely.
OrderLoadResult AuftragsdateiLesen(const QString &fileName, OrderDocument &doc);

} // namespace qv
