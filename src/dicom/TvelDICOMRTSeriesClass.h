#pragma once

#include <QString>

namespace qv {

/// The series of the plan; kept for completeness, no reader fills it.
class TvelDICOMRTSeriesClass
{
public:
    QString Modality;
    QString SeriesInstanceUID;
    qint32 SeriesNumber = 0;
};

} // namespace qv
