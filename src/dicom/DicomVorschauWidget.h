#pragma once

#include "dicom/TvelDICOMRTBeamClass.h"

#include <QWidget>

#include <optional>

namespace qv {

/// Shows the preview of one beam on white; it keeps its own copy of the beam, so nothing it
/// paints can be freed under it.
class DicomVorschauWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DicomVorschauWidget(QWidget *parent = nullptr);

    void setBeam(std::optional<TvelDICOMRTBeamClass> beam);
    const TvelDICOMRTBeamClass *beam() const { return m_beam ? &*m_beam : nullptr; }
    /// What paintEvent draws, at the widget's size.
    QImage bild() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void zeichnen(QPainter &painter) const;
    std::optional<TvelDICOMRTBeamClass> m_beam;
};

} // namespace qv
