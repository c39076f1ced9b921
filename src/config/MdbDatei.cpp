#include "config/MdbDatei.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

// glib first: the library's header relies on it.
#include <glib.h>
#include <mdbtools.h>

namespace qv {

struct MdbDatei::Impl
{
    MdbHandle *mdb = nullptr;
    QString datei;
    ~Impl()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

namespace {

QMetaType::Type typVon(int colType)
{
    switch (colType) {
    case MDB_BOOL:
        return QMetaType::Bool;
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
        return QMetaType::LongLong;
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
        return QMetaType::Double;
    case MDB_DATETIME:
        return QMetaType::QDateTime;
    default:
        return QMetaType::QString;
    }
}

QVariant wertVon(const char *text, int laenge, const MdbDatei::Spalte &s)
{
    const QString t = QString::fromUtf8(text, laenge);
    switch (s.typ) {
    case QMetaType::Bool:
        return QVariant(t == u"1" || t.compare(u"true", Qt::CaseInsensitive) == 0);
    case QMetaType::LongLong: {
        bool ok = false;
        const qlonglong v = t.toLongLong(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    case QMetaType::Double: {
        bool ok = false;
        const double v = t.toDouble(&ok); // the library writes the decimal point
        return ok ? QVariant(v) : QVariant();
    }
    case QMetaType::QDateTime: {
        const QDateTime dt = QDateTime::fromString(t, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    default:
        return QVariant(t);
    }
}

} // namespace

MdbDatei::MdbDatei() : d(std::make_unique<Impl>()) {}
MdbDatei::~MdbDatei() = default;

bool MdbDatei::verfuegbar()
{
    return true;
}

Result<void> MdbDatei::oeffnen(const QString &datei)
{
    d = std::make_unique<Impl>();
    const QString name = QDir::toNativeSeparators(datei);
    if (!QFileInfo(datei).isFile())
        return Error{QStringLiteral("Die Access-Datei \"%1\" wurde nicht gefunden.").arg(name)};
    d->mdb = mdb_open(QFile::encodeName(datei).constData(), MDB_NOFLAGS);
    if (!d->mdb)
        return Error{QStringLiteral("Die Datei \"%1\" ist keine lesbare Access-Datei.").arg(name)};
    if (!mdb_read_catalog(d->mdb, MDB_TABLE)) {
        mdb_close(d->mdb);
        d->mdb = nullptr;
        return Error{QStringLiteral("Der Tabellenkatalog der Access-Datei \"%1\" ist nicht lesbar.").arg(name)};
    }
    mdb_set_date_fmt(d->mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(d->mdb);
    d->datei = datei;
    return {};
}

Result<QStringList> MdbDatei::tabellen() const
{
    if (!d->mdb)
        return Error{QStringLiteral("Keine Access-Datei geöffnet.")};
    QStringList namen;
    for (guint i = 0; i < d->mdb->num_catalog; ++i) {
        auto *eintrag = static_cast<MdbCatalogEntry *>(g_ptr_array_index(d->mdb->catalog, i));
        if (eintrag->object_type == MDB_TABLE && !mdb_is_system_table(eintrag))
            namen << QString::fromUtf8(eintrag->object_name);
    }
    return namen;
}

Result<MdbDatei::Tabelle> MdbDatei::lesen(const QString &tabelle) const
{
    auto namen = tabellen();
    if (!namen)
        return Error{namen.error()};
    if (!namen->contains(tabelle))
        return Error{QStringLiteral("Die Tabelle \"%1\" gibt es in der Access-Datei \"%2\" nicht (vorhanden: %3).")
                         .arg(tabelle, QDir::toNativeSeparators(d->datei), namen->join(QStringLiteral(", ")))};
    QByteArray name = tabelle.toUtf8();
    MdbTableDef *def = mdb_read_table_by_name(d->mdb, name.data(), MDB_TABLE);
    if (!def)
        return Error{QStringLiteral("Die Tabelle \"%1\" der Access-Datei ist nicht lesbar.").arg(tabelle)};
    mdb_read_columns(def);
    mdb_rewind_table(def);

    Tabelle t;
    t.name = tabelle;
    const int n = int(def->num_cols);
    std::vector<std::vector<char>> puffer(n, std::vector<char>(MDB_BIND_SIZE));
    std::vector<int> laengen(n, 0);
    for (int j = 0; j < n; ++j) {
        auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, j));
        Spalte s;
        s.name = QString::fromUtf8(col->name);
        s.typ = typVon(col->col_type);
        if (col->col_type == MDB_TEXT)
            s.groesse = col->col_size / 2; // Jet 4 stores the size in bytes of UCS-2
        t.spalten << s;
        mdb_bind_column(def, j + 1, puffer[j].data(), &laengen[j]);
    }
    while (mdb_fetch_row(def)) {
        QVariantList zeile;
        zeile.reserve(n);
        for (int j = 0; j < n; ++j) {
            auto *col = static_cast<MdbColumn *>(g_ptr_array_index(def->columns, j));
            // A fixed-size column is never NULL except a NULL flag; the library leaves len 0.
            if (laengen[j] == 0 && t.spalten[j].typ != QMetaType::QString && col->col_type != MDB_BOOL)
                zeile << QVariant();
            else
                zeile << wertVon(puffer[j].data(), laengen[j], t.spalten[j]);
        }
        t.zeilen << zeile;
    }
    mdb_free_tabledef(def);
    return t;
}

} // namespace qv
