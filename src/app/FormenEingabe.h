#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace qv {

class Messages;
class TKonturen;

/// How starting to generate shapes ended.
enum class FormenStart {
    Abgebrochen, ///< nothing changed; the generation state is not entered
    Weitere,     ///< a further shape in the plane of the existing ones
    NeuesFFA,    ///< a new FFA was confirmed; the contours that were there are deleted
};

/// Starting shape generation. One FFA holds for every shape of an order: with contours present
/// the person is asked whether to add a shape in the same plane (Yes), or to delete the shapes
/// and enter a new FFA (No), or to leave (Cancel); without contours the answer counts as No.
/// For No, ffaBestaetigt shows the FFA dialog; the contours are deleted only once it was
/// confirmed, so cancelling that dialog keeps them.
FormenStart FormenEingabeBeginnen(TKonturen &konturen, Messages &messages,
                                  const std::function<bool()> &ffaBestaetigt);

/// A size typed in centimetres, with a point taken for the decimal comma; empty when the text
/// is not a number.
std::optional<double> FormGroesseLesen(const QString &text);

/// The text of a size edit once it is left: every point becomes a comma.
QString FormGroesseText(const QString &text);

} // namespace qv
