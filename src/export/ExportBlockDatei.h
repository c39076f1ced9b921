#pragma once

#include "base/Result.h"
#include "export/ExportQuelle.h"

#include <QByteArray>
#include <QString>

namespace qv {

/// Shown, with the question below, when the distance of the blocks from the focus is 0.
inline const QString kAbstandNullHinweis =
    QStringLiteral("Der EFBA oder der FBA ist NULL - (durch) Fehler in alter Quellvantar Version ...");
inline const QString kAbstandNullFrage =
    QStringLiteral("Ist es eine E-Blende? Soll der EFBA auf 95 legen und weiter exportieren?");

/// The distance used for the whole export when the question above is answered Yes.
constexpr double kAbstandNullErsatz = 95.0;

/// What building or writing a block file came to.
struct BlockDateiErgebnis
{
    enum class Status {
        Fertig,       // built (and written, for ExportBlockDatei)
        AbstandNull,  // D is 0: ask kAbstandNullHinweis / kAbstandNullFrage, on Yes call again with 95
        Fehler,       // nothing written; meldung says why
    };
    Status status = Status::Fertig;
    QByteArray inhalt; // the file's bytes when built
    QString meldung;

    bool fertig() const { return status == Status::Fertig; }
};

/// The bytes of the block file (Windows-1252, CR LF). pfadText is the full path written into
/// the first line. With abstandNullAuf95 a distance of 0 is replaced by 95 for the whole file;
/// without it such an order gives AbstandNull. An FFA that is not positive and finite, an FBA
/// text that is not a number (for every order kind) or a text that Windows-1252 cannot hold
/// gives Fehler.
BlockDateiErgebnis BlockDateiInhalt(const ExportQuelle &quelle, const QString &pfadText, bool abstandNullAuf95);

/// Builds the block file for fileName and writes it atomically (a temporary file beside it,
/// renamed into place). On any failure no file is created and an existing one stays as it was.
BlockDateiErgebnis ExportBlockDatei(const ExportQuelle &quelle, const QString &fileName, bool abstandNullAuf95);

/// Writes a production file atomically. A target that exists and is not a regular file is
/// refused; a symbolic link is followed to its target.
Result<void> ProduktionsDateiSchreiben(const QString &fileName, const QByteArray &inhalt);

/// Whether Windows-1252 can hold every character of the text.
bool InCp1252Darstellbar(QStringView text);

} // namespace qv
