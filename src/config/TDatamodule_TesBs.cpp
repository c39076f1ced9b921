#include "config/TDatamodule_TesBs.h"

#include "base/Logging.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

// The busy cursor while the lookup runs, when there is a screen to show it on.
class BeschaeftigtCursor
{
public:
    BeschaeftigtCursor() : m_aktiv(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_aktiv)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~BeschaeftigtCursor()
    {
        if (m_aktiv)
            QGuiApplication::restoreOverrideCursor();
    }
    BeschaeftigtCursor(const BeschaeftigtCursor &) = delete;
    BeschaeftigtCursor &operator=(const BeschaeftigtCursor &) = delete;

private:
    bool m_aktiv;
};

} // namespace

TDatamodule_TesBs::TDatamodule_TesBs(QString datenbankPfad) : m_pfad(std::move(datenbankPfad)) {}

qv::Result<void> TDatamodule_TesBs::Oeffnen()
{
    m_offen = false;
    auto ok = m_db.oeffnen(m_pfad);
    if (!ok)
        return ok;
    auto felder = m_db.felder(QStringLiteral("Kunde"));
    if (!felder) {
        m_db.schliessen();
        return qv::Error{felder.error()};
    }
    m_offen = true;
    return {};
}

void TDatamodule_TesBs::Schliessen()
{
    m_db.schliessen();
    m_offen = false;
}

QString TDatamodule_TesBs::KundeZurPLZ(const QString &plz)
{
    const QString nichtGefunden = QStringLiteral("Keinen Kunden für die PLZ ") + plz + QStringLiteral(" gefunden.");
    BeschaeftigtCursor cursor;
    bool selbstGeoeffnet = false;
    if (!m_offen) {
        auto ok = Oeffnen();
        if (!ok) {
            qCWarning(lcDatei) << ok.error();
            return nichtGefunden;
        }
        selbstGeoeffnet = true;
    }
    QString ergebnis = nichtGefunden;
    auto zeile = m_db.suchen(QStringLiteral("Kunde"), {{QStringLiteral("Postleitzahl"), plz.trimmed()}});
    if (!zeile)
        qCWarning(lcDatei) << zeile.error();
    else if (zeile->has_value())
        ergebnis = qv::Datenbank::alsText(**zeile, QStringLiteral("KBez")).trimmed();
    if (selbstGeoeffnet)
        Schliessen();
    return ergebnis;
}
