#pragma once

#include "planimport/BPRLeseKontext.h"
#include "planimport/BPRTools.h"
#include "planimport/CValue.h"

#include <map>

namespace qv {

/// The jaws of a beam: the field rectangle in tenths of a millimetre, all 0 without jaws.
class CBlendeValue
{
public:
    CBlendeValue() = default;
    explicit CBlendeValue(const BPRFormatZeilen &zeilen);

    /// Reads the jaws of the beam from the current position of the file.
    void Read(BPRLeseKontext &k);

    const BPRFeld &Feld() const { return m_feld; }
    BPRFeld &Feld() { return m_feld; }
    bool IstLeer() const { return m_feld == BPRFeld{}; }

private:
    bool Hat(int code) const { return m_werte.count(code) > 0; }
    QString Lies(BPRLeseKontext &k, int code);
    qint32 V(BPRLeseKontext &k, int code);

    std::map<int, CValue> m_werte;
    BPRFeld m_feld;
};

} // namespace qv
