#include "app/Auftragsdatei.h"

#include "base/Logging.h"
#include "base/Messages.h"
#include "order/OrderDocument.h"

#include <QDir>
#include <QFileInfo>

namespace qv {

bool AuftragSpeichern(const QString &fileName, TAuftrag &auftrag, Messages &messages)
{
    const QString nichtGespeichert = QStringLiteral("Daten wurden nicht gespeichert");
    if (QFileInfo::exists(fileName)) {
        const auto answer = messages.warningQuestion(QStringLiteral("Wollen Sie die Datei\r%1\rwirklich überschreiben?")
                                                         .arg(QDir::toNativeSeparators(fileName)));
        if (answer != Messages::Answer::Yes) {
            messages.information(nichtGespeichert);
            return false;
        }
    }
    // The old file is replaced only once the new one is complete, never deleted beforehand.
    Result<void> written = VorlageJpegBereitstellen(auftrag);
    if (written)
        written = AuftragsdateiSchreiben(fileName, auftrag);
    if (!written) {
        qCWarning(lcDatei).noquote() << written.error();
        messages.information(nichtGespeichert);
        return false;
    }
    return true;
}

OrderLoadResult AuftragLaden(const QString &fileName, TAuftrag &auftrag, Messages &messages)
{
    OrderDocument gelesen(auftrag);
    const OrderLoadResult result = AuftragsdateiLesen(fileName, gelesen);
    if (result.status == OrderLoadResult::NichtGefunden) {
        messages.information(QStringLiteral("Datei \r%1\rnicht gefunden.").arg(QDir::toNativeSeparators(fileName)));
        return result;
    }
    for (const QString &hinweis : std::as_const(gelesen.Hinweise))
        messages.information(hinweis);
    if (result.status == OrderLoadResult::Geladen)
        auftrag = std::move(gelesen.Auftrag);
    return result;
}

} // namespace qv
