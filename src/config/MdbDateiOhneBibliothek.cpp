#include "config/MdbDatei.h"

// Built when the Access library was not found: every call says so clearly.
namespace qv {

struct MdbDatei::Impl
{
};

namespace {
Error keineUnterstuetzung()
{
    return Error{QStringLiteral("Dieses Programm wurde ohne Unterstützung für Access-Dateien gebaut "
                                "(libmdb aus dem Paket mdbtools-dev fehlte beim Bauen).")};
}
} // namespace

MdbDatei::MdbDatei() : d(std::make_unique<Impl>()) {}
MdbDatei::~MdbDatei() = default;

bool MdbDatei::verfuegbar()
{
    return false;
}

Result<void> MdbDatei::oeffnen(const QString &)
{
    return keineUnterstuetzung();
}

Result<QStringList> MdbDatei::tabellen() const
{
    return keineUnterstuetzung();
}

Result<MdbDatei::Tabelle> MdbDatei::lesen(const QString &) const
{
    return keineUnterstuetzung();
}

} // namespace qv
