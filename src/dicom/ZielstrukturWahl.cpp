#include "dicom/ZielstrukturWahl.h"

#include "base/FileNames.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmap>

namespace qv {

namespace {

QIcon farbfeld(const QColor &farbe)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(farbe.isValid() ? farbe : QColor(Qt::lightGray));
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 11, 11);
    return QIcon(pixmap);
}

} // namespace

ZielstrukturWahl::ZielstrukturWahl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ZielstrukturWahl"));
    auto *lblZiel = new QLabel(QStringLiteral("Zielstruktur:"), this);
    cboZielstruktur = new QComboBox(this);
    cboZielstruktur->setObjectName(QStringLiteral("cboZielstruktur"));
    auto *lblRand = new QLabel(QStringLiteral("Rand:"), this);
    edtRand = new QDoubleSpinBox(this);
    edtRand->setObjectName(QStringLiteral("edtRand"));
    edtRand->setLocale(QLocale(QLocale::German, QLocale::Germany));
    edtRand->setRange(0, Schattenwurf::MaxRand);
    edtRand->setDecimals(1);
    edtRand->setSingleStep(0.5);
    edtRand->setSuffix(QStringLiteral(" mm"));
    edtRand->setEnabled(false);
    lblHinweis = new QLabel(this);
    lblHinweis->setObjectName(QStringLiteral("lblZielHinweis"));
    lblHinweis->setWordWrap(true);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lblZiel, 0, 0);
    grid->addWidget(cboZielstruktur, 0, 1);
    grid->addWidget(lblRand, 0, 2);
    grid->addWidget(edtRand, 0, 3);
    grid->addWidget(lblHinweis, 1, 0, 1, 4);
    grid->setColumnStretch(1, 1);

    connect(cboZielstruktur, &QComboBox::currentIndexChanged, this, [this] { auswahlGeaendert(); });
    connect(edtRand, &QDoubleSpinBox::valueChanged, this, [this] { emit geaendert(); });
    hide();
}

void ZielstrukturWahl::Anbieten(std::optional<RtPlanGeometrie> plan, qsizetype beamIndex,
                                std::shared_ptr<const QList<Strukturset>> sets)
{
    m_plan = std::move(plan);
    m_beam = beamIndex;
    m_sets = std::move(sets);
    m_angebote.clear();
    m_geworfen.reset();
    const QSignalBlocker still(cboZielstruktur);
    cboZielstruktur->clear();
    cboZielstruktur->addItem(QStringLiteral("Blöcke des Plans"));
    if (m_plan && m_sets && !m_plan->FrameOfReferenceUID.isEmpty()) {
        for (qsizetype s = 0; s < m_sets->size(); ++s) {
            const Strukturset &set = (*m_sets)[s];
            for (const TStrukturROI &roi : set.ROIs) {
                if (roi.FrameOfReferenceUID != m_plan->FrameOfReferenceUID || roi.Konturen.isEmpty())
                    continue;
                const QString text = m_sets->size() > 1
                                         ? QStringLiteral("%1 (%2)").arg(roi.Name, fileNameForDisplay(QFileInfo(set.Datei).fileName()))
                                         : roi.Name;
                cboZielstruktur->addItem(farbfeld(roi.Farbe), text);
                m_angebote.append({s, roi.Name});
            }
        }
    }
    cboZielstruktur->setCurrentIndex(0);
    edtRand->setEnabled(false);
    lblHinweis->clear();
    setVisible(!m_angebote.isEmpty());
}

void ZielstrukturWahl::auswahlGeaendert()
{
    m_geworfen.reset();
    const qsizetype i = cboZielstruktur->currentIndex() - 1;
    edtRand->setEnabled(i >= 0);
    lblHinweis->clear();
    if (i >= 0 && i < m_angebote.size() && m_plan && m_sets) {
        m_geworfen = ZielstrukturWerfen(*m_plan, m_beam, (*m_sets)[m_angebote[i].Set], m_angebote[i].ROI);
        if (!*m_geworfen)
            lblHinweis->setText(m_geworfen->error());
    }
    emit geaendert();
}

std::optional<TZielstrukturWahl> ZielstrukturWahl::Wahl() const
{
    const qsizetype i = cboZielstruktur->currentIndex() - 1;
    if (i < 0 || i >= m_angebote.size() || !m_sets)
        return std::nullopt;
    return TZielstrukturWahl{(*m_sets)[m_angebote[i].Set].Datei, m_angebote[i].ROI, edtRand->value()};
}

Result<TSchattenUmrisse> ZielstrukturWahl::Umrisse() const
{
    if (!m_geworfen)
        return Error{QStringLiteral("Keine Zielstruktur gewählt.")};
    if (!*m_geworfen)
        return Error{m_geworfen->error()};
    return (*m_geworfen)->Schatten.Umrisse(edtRand->value());
}

bool ZielstrukturWahl::ROIWaehlen(const QString &name)
{
    for (qsizetype i = 0; i < m_angebote.size(); ++i) {
        if (m_angebote[i].ROI == name) {
            cboZielstruktur->setCurrentIndex(int(i + 1));
            return true;
        }
    }
    return false;
}

void ZielstrukturWahl::RandSetzen(double mm)
{
    edtRand->setValue(mm);
}

} // namespace qv
