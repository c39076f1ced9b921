#pragma once

#include "base/Result.h"
#include "dicom/Zielstruktur.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;

namespace qv {

/// The choice "Zielstruktur" of the DICOM import: beside the plan's blocks, the ROIs (name and
/// colour) of the folder's structure sets that share the plan's frame of reference, and the
/// margin in mm. The chosen ROI is cast through the beam once; a changed margin only widens
/// that shadow again, so the preview follows at once.
class ZielstrukturWahl : public QWidget
{
    Q_OBJECT

public:
    explicit ZielstrukturWahl(QWidget *parent = nullptr);

    /// The ROIs for beam `beamIndex` of the plan; hidden when there is none (and without plan).
    void Anbieten(std::optional<RtPlanGeometrie> plan, qsizetype beamIndex,
                  std::shared_ptr<const QList<Strukturset>> sets);

    /// The chosen ROI and margin; none when the plan's own blocks are chosen.
    std::optional<TZielstrukturWahl> Wahl() const;
    /// The outlines of the choice at the current margin (an error when the ROI cannot be cast).
    Result<TSchattenUmrisse> Umrisse() const;

    /// Chooses the ROI of this name (false when it is not offered) and the margin.
    bool ROIWaehlen(const QString &name);
    void RandSetzen(double mm);

signals:
    /// The choice or the margin changed.
    void geaendert();

private:
    struct Angebot
    {
        qsizetype Set = 0;
        QString ROI;
    };
    void auswahlGeaendert();

    QComboBox *cboZielstruktur = nullptr;
    QDoubleSpinBox *edtRand = nullptr;
    QLabel *lblHinweis = nullptr;
    std::optional<RtPlanGeometrie> m_plan;
    qsizetype m_beam = -1;
    std::shared_ptr<const QList<Strukturset>> m_sets;
    QList<Angebot> m_angebote; ///< by combo index - 1
    std::optional<Result<TZielstruktur>> m_geworfen; ///< the cast of the chosen ROI
};

} // namespace qv
